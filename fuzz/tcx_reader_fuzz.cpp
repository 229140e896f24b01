// A TCX document read from memory by its reader, whatever the bytes: it must
// return, and keep the promises of CheckTrackReading.
#include "fuzz_support.h"

#include "formats/tcx/tcx_reader.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qm::MemoryBytes bytes(std::string_view(reinterpret_cast<const char*>(data), size));
    qm::fuzz::CheckTrackReading(qm::ReadTcxTrack(bytes, "track"), 4);
    return 0;
}
