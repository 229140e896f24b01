#pragma once

#include "formats/track_reader.h"

#include <string>
#include <string_view>

namespace qm {

// Whether the content starts as an IGC flight log does: an A record (the
// logger's three-character maker code), then an H record, empty lines aside.
// Here and in reading, a UTF-8 byte-order mark before the first record is
// skipped and a line ends at LF, CR LF or a CR alone.
bool StartsAsIgc(std::string_view content);

// Reads and checks the fixes (B records) of an IGC flight log; path names
// the file in messages.
//
// The date is that of the last HFDTE (or HFDTEDATE:) record before a fix;
// a fix whose time of day is earlier than that of the fix before it is on
// the next day, as a flight across midnight UTC is logged. The height is
// the GNSS altitude, or the pressure altitude where that is 0 or the fix is
// not valid ("V": a 2D fix or none, whose GNSS altitude means nothing); both
// 0 is no height. A fix marked "V" keeps its position: the logger still
// gives its best horizontal position, and other readers keep it too. The
// extensions the I record declares after the fixed fields are not read.
TrackReading ReadIgcTrack(std::string_view content, const std::string& path);

}  // namespace qm
