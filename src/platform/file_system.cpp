#include "platform/file_system.h"

#include "platform/byte_source.h"

#include "platform/file_descriptor.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qm {
namespace {

std::string Reason(int error) { return std::strerror(error); }

}  // namespace

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

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat first, second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

int64_t FileSize(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
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

int OpenRegularFile(const std::string& path, std::string* why)
{
    const auto fail = [why](std::string reason) {
        if (why) *why = std::move(reason);
        return -1;
    };
    // Without O_NONBLOCK the open of a FIFO waits for a writer.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return fail(Reason(errno));
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) return fail(Reason(errno));
    if (S_ISDIR(st.st_mode)) return fail("is a directory");
    if (!S_ISREG(st.st_mode)) return fail("is not a regular file");
    int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return fail(Reason(errno));
    return fd.release();
}

bool ReadFileBytes(const std::string& path, std::string& content)
{
    FileDescriptor fd(OpenRegularFile(path));
    if (fd.get() < 0) return false;
    FileBytes file(fd.get(), path, UINT64_MAX);
    content = ReadAllBytes(file);
    return true;
}

bool NothingAt(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) != 0 && errno == ENOENT;
}

std::string TemporaryPathBeside(const std::string& path)
{
    // A name of up to 255 bytes has room for the 9 bytes added.
    constexpr size_t kMaxKept = 200;
    size_t slash = path.rfind('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameStart) + ".~" + path.substr(nameStart, kMaxKept) + ".XXXXXX";
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

}  // namespace qm
