#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qm {

// The number of entries a ZIP archive's end-of-central-directory record
// (or its ZIP64 record) declares, read from the archive's last bytes
// without its directory; nothing when no such record is found.
std::optional<uint64_t> ZipEntryCount(std::string_view archive);

}  // namespace qm
