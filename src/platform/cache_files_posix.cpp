#include "platform/cache_files.h"

#include "platform/file_descriptor.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool IsEntryName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of(std::string_view("/\0", 2)) == name.npos;
}

// The folder name inside parent, created when asked, never reached through a link.
int OpenInside(int parent, const std::string& name, bool create)
{
    int fd = ::openat(parent, name.c_str(), kFolderFlags);
    if (fd < 0 && errno == ENOENT && create && (::mkdirat(parent, name.c_str(), 0777) == 0 || errno == EEXIST))
        fd = ::openat(parent, name.c_str(), kFolderFlags);
    return fd;
}

// The innermost folder of the path, or -1.
int OpenFolder(const CachePath& path, bool create)
{
    if (!IsEntryName(path.Name)) return -1;
    for (const std::string& name : path.Folders)
        if (!IsEntryName(name)) return -1;
    if (create) {
        std::error_code ignored;
        std::filesystem::create_directories(path.Root, ignored);
    }
    FileDescriptor folder(::open(path.Root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const std::string& name : path.Folders) {
        if (!folder.IsOpen()) break;
        folder = FileDescriptor(OpenInside(folder.get(), name, create));
    }
    return folder.release();
}

}  // namespace

std::optional<CacheFile> ReadCacheFile(const CachePath& path, std::int64_t maxBytes)
{
    FileDescriptor folder(OpenFolder(path, false));
    if (!folder.IsOpen()) return std::nullopt;
    // Without O_NONBLOCK the open of a FIFO would wait for a writer.
    FileDescriptor file(::openat(folder.get(), path.Name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    if (!file.IsOpen() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxBytes)
        return std::nullopt;
    CacheFile read;
    read.Modified = st.st_mtim.tv_sec;
    read.Bytes.resize(size_t(st.st_size));
    size_t have = 0;
    while (have < read.Bytes.size()) {
        const ssize_t n = ::read(file.get(), read.Bytes.data() + have, read.Bytes.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        have += size_t(n);
    }
    read.Bytes.resize(have);
    return read;
}

bool WriteCacheFile(const CachePath& path, std::string_view bytes)
{
    static std::atomic<unsigned> written{0};
    FileDescriptor folder(OpenFolder(path, true));
    if (!folder.IsOpen()) return false;
    // The rename replaces what is at the name (a link itself, not what it
    // points to).
    const std::string temporary =
        ".~" + path.Name + "." + std::to_string(::getpid()) + "." + std::to_string(written++);
    FileDescriptor file(
        ::openat(folder.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.IsOpen()) return false;
    const bool stored = WriteAll(file.get(), bytes) && file.Close() &&
                        ::renameat(folder.get(), temporary.c_str(), folder.get(), path.Name.c_str()) == 0;
    if (!stored) ::unlinkat(folder.get(), temporary.c_str(), 0);
    return stored;
}

}  // namespace qm
