// The import of the old plain-text settings file: any bytes after its first line.
#include "fuzz_settings_file.h"

#include "settings/settings_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(qm::kOldSettingsMarker);
    text += "\r\n";
    text.append(reinterpret_cast<const char*>(data), size);
    qm::fuzz::FuzzSettingsFile(text);
    return 0;
}
