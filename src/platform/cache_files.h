#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// Files kept in a cache: Root/Folders[0]/Folders[1]/.../Name. Where Root lies
// is the user's business (it may be reached through links), but below it
// nothing is trusted: no link (on Windows no reparse point) is followed at
// any level, only regular files are read, and a file written replaces
// whatever is at its name, never what that points to. Each folder and the
// name are single entries: empty, ".", ".." or a name with a separator in it
// is refused.
struct CachePath {
    std::string Root;
    std::vector<std::string> Folders;
    std::string Name;
};

struct CacheFile {
    std::string Bytes;
    std::time_t Modified = 0;  // seconds since 1970
};

// The file's bytes, or nothing when there is no regular file of at most
// maxBytes at the path.
std::optional<CacheFile> ReadCacheFile(const CachePath& path, std::int64_t maxBytes);

// Writes the file under a temporary name of its own and renames it over the
// path, creating the folders as needed, so that no reader ever sees half a
// file; false when it cannot be stored.
bool WriteCacheFile(const CachePath& path, std::string_view bytes);

}  // namespace qm
