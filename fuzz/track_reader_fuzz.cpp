// The track reader on any bytes, of any format, read from memory through the
// one entry point every file goes through: it must return, and keep the
// promises of CheckTrackReading.
#include "fuzz_support.h"

#include "formats/track_reader.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qm::fuzz::CheckTrackReading(qm::ReadTrack(std::string_view(reinterpret_cast<const char*>(data), size), "track"));
    return 0;
}
