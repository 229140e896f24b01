// The NMEA reader on any bytes, read from memory: it must return and keep the
// promises of every reading, with at most the sentences whose checksum fails,
// the points left out for want of a time, for a position or time out of range
// and for a time not later, and the heights that are no usable number.
#include "fuzz_support.h"

#include "formats/nmea/nmea_reader.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qm;
    fuzz::CheckTrackReading(ReadNmeaTrack(std::string_view(reinterpret_cast<const char*>(data), size), "track"), 5);
    return 0;
}
