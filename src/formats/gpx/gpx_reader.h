#pragma once

#include "formats/track_reader.h"

#include <string>

namespace qm {

// Reads the track of a GPX 1.0 or 1.1 file: every <trkpt> of every <trk> and
// <trkseg> in document order, the first timed point of each segment with
// break code 1; <ele> in metres becomes whole feet as the OziExplorer reader
// would store it (-777 when missing), <time> days since 1899-12-30 UTC.
// Points without a time are left out with one message; then the rules of an
// OziExplorer track hold: at least one point, the first time not 0, the track
// cut before a time that does not increase. Waypoints and routes are ignored.
// A file that is not well-formed, not GPX or holds no track is refused with a
// message naming the file and the line.
TrackReading LoadGpxTrack(const std::string& path);

}  // namespace qm
