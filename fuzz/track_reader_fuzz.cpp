// The track reader on any bytes, of any format, read from memory through the
// one entry point every file goes through: it must return and keep the
// promises of every reading. An NMEA log or a FIT file may give the most
// messages: the sentences whose checksum fails or the file's damage, then
// the points left out for want of a position or a time, for a position or
// time out of range and for a time not later.
#include "fuzz_support.h"

#include "formats/track_reader.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qm;
    fuzz::CheckTrackReading(ReadTrack(std::string_view(reinterpret_cast<const char*>(data), size), "track"), 5);
    return 0;
}
