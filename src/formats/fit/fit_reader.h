#pragma once

#include "formats/track_reader.h"

#include <string>
#include <string_view>

namespace qm {

// Whether content starts as a FIT file does: a header of at least 12 bytes
// with ".FIT" at bytes 8 to 11.
bool StartsAsFit(std::string_view content);

// Reads the track of FIT content (one file, or several chained): every
// `record` message, its position in semicircles as degrees, its time as days
// since 1899-12-30 UTC, its height in metres from enhanced_altitude or else
// altitude, its heart rate, cadence, power and temperature. A timer start
// event, and every chained file after the first, starts a piece. Left out,
// each kind counted in one message: records without a position, without a
// time, with a latitude out of range (the next point kept starts a piece),
// and whose time is not later than that of the last point kept. Damaged
// content (a CRC that fails, a message that does not parse) is read as far
// as its messages parse, with a message that says so; it is refused when no
// point comes before the damage. path names the file in messages.
TrackReading ReadFitTrack(std::string_view content, const std::string& path);

}  // namespace qm
