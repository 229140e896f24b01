#include "platform/file_system.h"

#include "platform/file_descriptor.h"
#include "platform/message_text.h"
#include "platform/system_error_text.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qm {

bool FileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SamePathSpelling(const std::string& a, const std::string& b) { return a == b; }

std::optional<FileId> FileIdOf(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileId{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

uint64_t OpenFileSize(int fd)
{
    struct stat st;
    return ::fstat(fd, &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
}

std::optional<FileVersion> OpenFileVersion(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0) return std::nullopt;
    return FileVersion{{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)},
                       static_cast<uint64_t>(st.st_size),
                       int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec};
}

bool CreateDir(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0; }

std::string GetCurrentDir()
{
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return "";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

bool SetCurrentDir(const std::string& path) { return ::chdir(path.c_str()) == 0; }

std::string AbsolutePath(const std::string& path)
{
    if (!path.empty() && path.front() == '/') return path;
    return GetCurrentDir() + "/" + path;
}

int OpenRegularFile(const std::string& path, std::string* why)
{
    const auto fail = [why](std::string reason) {
        if (why) *why = std::move(reason);
        return -1;
    };
    // Without O_NONBLOCK the open of a FIFO waits for a writer.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return fail(SystemErrorText(errno));
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) return fail(SystemErrorText(errno));
    if (S_ISDIR(st.st_mode)) return fail(SystemErrorText(EISDIR));
    if (!S_ISREG(st.st_mode)) return fail(MessageText(MessageId::NotRegularFile));
    int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return fail(SystemErrorText(errno));
    return fd.release();
}

bool NothingAt(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) != 0 && errno == ENOENT;
}

int CreateNewFile(const std::string& path)
{
    return ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool RenameOver(const std::string& from, const std::string& to) { return ::rename(from.c_str(), to.c_str()) == 0; }

bool SyncFile(int fd) { return ::fsync(fd) == 0; }

void StartWriteBack(int fd, uint64_t offset, uint64_t bytes)
{
    ::sync_file_range(fd, static_cast<off_t>(offset), static_cast<off_t>(bytes), SYNC_FILE_RANGE_WRITE);
}

void SyncDirectory(const std::string& directory)
{
    // A file system that cannot sync a directory has nothing to sync: the
    // files are in place either way.
    FileDescriptor fd(::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen()) ::fsync(fd.get());
}

}  // namespace qm
