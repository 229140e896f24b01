// The settings loader on any bytes as an INI-form settings file.
#include "fuzz_settings_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qm::fuzz::FuzzSettingsFile(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
