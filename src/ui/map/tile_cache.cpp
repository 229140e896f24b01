#include "ui/map/tile_cache.h"

#include "platform/file_descriptor.h"

#include <QHashFunctions>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// The folder name inside parent, created when asked, never reached through a link.
int OpenInside(int parent, const std::string& name, bool create)
{
    int fd = ::openat(parent, name.c_str(), kFolderFlags);
    if (fd < 0 && errno == ENOENT && create && (::mkdirat(parent, name.c_str(), 0777) == 0 || errno == EEXIST))
        fd = ::openat(parent, name.c_str(), kFolderFlags);
    return fd;
}

std::string FileName(const TileKey& key) { return std::to_string(key.Y) + ".tile"; }

}  // namespace

size_t qHash(const TileKey& key, size_t seed) { return qHashMulti(seed, key.Zoom, key.X, key.Y); }

TileCache::TileCache(std::string cacheDirectory, std::string serverFolder)
    : cacheDirectory_(std::move(cacheDirectory)), serverFolder_(std::move(serverFolder))
{
}

int TileCache::OpenFolder(const TileKey& key, bool create) const
{
    if (create) {
        std::error_code ignored;
        std::filesystem::create_directories(cacheDirectory_, ignored);
    }
    FileDescriptor folder(::open(cacheDirectory_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const std::string& name : {serverFolder_, std::to_string(key.Zoom), std::to_string(key.X)}) {
        if (!folder.IsOpen()) break;
        folder = FileDescriptor(OpenInside(folder.get(), name, create));
    }
    return folder.release();
}

std::optional<TileCache::Entry> TileCache::Read(const TileKey& key, qint64 maxBytes) const
{
    FileDescriptor folder(OpenFolder(key, false));
    if (!folder.IsOpen()) return std::nullopt;
    // Without O_NONBLOCK the open of a FIFO would wait for a writer.
    FileDescriptor file(::openat(folder.get(), FileName(key).c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    if (!file.IsOpen() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxBytes)
        return std::nullopt;
    Entry entry;
    entry.Modified = st.st_mtim.tv_sec;
    entry.Bytes.resize(st.st_size);
    qsizetype have = 0;
    while (have < entry.Bytes.size()) {
        const ssize_t n = ::read(file.get(), entry.Bytes.data() + have, size_t(entry.Bytes.size() - have));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        have += n;
    }
    entry.Bytes.truncate(have);
    return entry;
}

bool TileCache::Write(const TileKey& key, const QByteArray& bytes) const
{
    static std::atomic<unsigned> written{0};
    FileDescriptor folder(OpenFolder(key, true));
    if (!folder.IsOpen()) return false;
    // Written under a name of its own and renamed: the rename replaces what
    // is at the tile's name (a link itself, not what it points to), and no
    // reader ever sees half a tile.
    const std::string name = FileName(key);
    const std::string temporary = ".~" + name + "." + std::to_string(::getpid()) + "." + std::to_string(written++);
    FileDescriptor file(
        ::openat(folder.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.IsOpen()) return false;
    const bool stored = WriteAll(file.get(), std::string_view(bytes.constData(), size_t(bytes.size()))) &&
                        file.Close() && ::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) == 0;
    if (!stored) ::unlinkat(folder.get(), temporary.c_str(), 0);
    return stored;
}

}  // namespace qm
