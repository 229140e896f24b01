#pragma once

#include "formats/track_reader.h"
#include "platform/byte_source.h"

#include <string>

namespace qm {

// The root element of a Garmin Training Center document.
inline constexpr std::string_view kTcxRoot = "TrainingCenterDatabase";

// Reads the track of a Training Center (TCX) v2 document: every
// <Trackpoint> of every <Track> of the laps of every <Activity> (also within
// a multisport session) and of every <Course>, each <Track> a piece, the
// pieces in the order of their first point's time. <Time> as days since
// 1899-12-30 UTC, <AltitudeMeters> as the height; <HeartRateBpm>,
// <Cadence> and the activity extension's <Watts> in the measure columns, its
// <RunCadence> (steps of one foot a minute, as written) as the cadence of a
// point without <Cadence> (its <Speed> is left: the track's speed comes from
// positions and times). Left out, each kind counted in one message: points
// without a <Position>, without a time, out of range, or not later than the
// last point kept, as for GPX. A document that is not well-formed, not TCX
// or holds no track is refused with a message placed at its line of the file
// at path.
TrackReading ReadTcxTrack(ByteSource& bytes, const std::string& path);

}  // namespace qm
