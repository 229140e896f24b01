#include "formats/kml/zip_entry_count.h"

#include <algorithm>

namespace qm {
namespace {

constexpr std::string_view kEndSignature = "PK\x05\x06";
constexpr std::string_view kZip64LocatorSignature = "PK\x06\x07";
constexpr std::string_view kZip64EndSignature = "PK\x06\x06";
constexpr size_t kEndSize = 22;  // without the comment, which is at most 65535 bytes
constexpr size_t kZip64LocatorSize = 20;
constexpr size_t kZip64EndSize = 56;

uint64_t Little(std::string_view bytes, size_t at, size_t width)
{
    uint64_t value = 0;
    for (size_t i = width; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

std::optional<uint64_t> ZipEntryCount(std::string_view archive)
{
    if (archive.size() < kEndSize) return std::nullopt;
    const size_t earliest = archive.size() - std::min(archive.size(), kEndSize + 0xFFFF);
    // The last record whose comment reaches the archive's end exactly.
    for (size_t at = archive.size() - kEndSize + 1; at-- > earliest;) {
        if (archive.substr(at, 4) != kEndSignature || at + kEndSize + Little(archive, at + 20, 2) != archive.size())
            continue;
        const uint64_t count = Little(archive, at + 10, 2);
        if (count != 0xFFFF || at < kZip64LocatorSize) return count;
        const size_t locator = at - kZip64LocatorSize;
        if (archive.substr(locator, 4) != kZip64LocatorSignature) return count;
        const uint64_t end64 = Little(archive, locator + 8, 8);
        if (archive.size() < kZip64EndSize || end64 > archive.size() - kZip64EndSize ||
            archive.substr(end64, 4) != kZip64EndSignature)
            return count;
        return Little(archive, end64 + 32, 8);
    }
    return std::nullopt;
}

}  // namespace qm
