// The IGC reader on any bytes, read from memory: it must return and keep the
// promises of every reading, with at most the points left out for want of a
// time, for a position or time out of range and for a time not later.
#include "fuzz_support.h"

#include "formats/igc/igc_reader.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qm;
    fuzz::CheckTrackReading(ReadIgcTrack(std::string_view(reinterpret_cast<const char*>(data), size), "track"), 3);
    return 0;
}
