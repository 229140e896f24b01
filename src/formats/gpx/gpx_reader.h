#pragma once

#include "formats/track_reader.h"
#include "platform/byte_source.h"

#include <string>

namespace qm {

// Reads the track of a GPX 1.0 or 1.1 document: every <trkpt> of every <trk>
// and <trkseg>, each <trk> and <trkseg> a piece, the pieces in the order of
// their first point's time; <ele> in metres as read, <time> days since
// 1899-12-30 UTC; in <extensions>, heart rate, cadence and air temperature
// of Garmin's TrackPointExtension (v1 or v2) and power (Garmin's
// <PowerInWatts>, or <power>), each left out when it is no number. Left
// out, each kind counted in one message: points without a time; points
// whose latitude or longitude is out of range or whose time no format can
// write (the next point kept starts a piece); points whose time is not later
// than that of the last point kept. The track holds at
// least one point, the first time not 0. Waypoints and routes are ignored.
// A document that is not well-formed, not GPX or holds no track is refused
// with a message placed at its line of the file at path.
TrackReading ReadGpxTrack(ByteSource& bytes, const std::string& path);

}  // namespace qm
