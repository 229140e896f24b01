#pragma once

#include "formats/track_reader.h"

#include <string>
#include <string_view>

namespace qm {

// Whether the content starts as a log of NMEA 0183 sentences does: its first
// line that is not blank, or the next one (a capture may begin within a
// sentence), starts with "$" and a sentence's address ("$GPRMC,"). Here and
// in reading, a UTF-8 byte-order mark before the first line is skipped and a
// line ends at LF, CR LF or a CR alone.
bool StartsAsNmea(std::string_view content);

// Reads and checks the fixes of an NMEA 0183 log; path names the file in
// messages.
//
// The sentences read are RMC (date, time, position), GGA (time, position,
// height above sea level, fix quality), GLL (position, time) and ZDA (date,
// time) of the talkers GP, GN, GL, GA, BD and GB, all others left alone; one of those
// whose checksum fails, or that lacks one after sentences that had it, or
// that holds the start of another (a cut line), is skipped and counted in
// one message. A sentence without a measured fix (RMC or GLL not "A", GGA
// quality 0 or 6 to 8: none, estimated, entered by hand, simulated) is no
// point. Sentences that follow each other
// with the same time are one fix: its position from GGA, else RMC, else GLL,
// its height from GGA, its date from RMC or ZDA. A ZDA of another time is a
// dated moment of its own between fixes. A fix without a date takes that of
// the fix or ZDA before it, the next day when its time is earlier (midnight
// UTC passed); fixes before the first date count back from it. A fix whose
// time does not parse is left out as one without time. A log without any
// date (no RMC with a fix, no ZDA) is refused.
TrackReading ReadNmeaTrack(std::string_view content, const std::string& path);

}  // namespace qm
