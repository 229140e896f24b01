#include "platform/file_descriptor.h"

#include <cerrno>
#include <unistd.h>

namespace qm {

bool FileDescriptor::Close()
{
    if (fd_ < 0) return true;
    return ::close(release()) == 0;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

ptrdiff_t ReadSome(int fd, char* into, size_t room)
{
    for (;;) {
        const ssize_t n = ::read(fd, into, room);
        if (n >= 0 || errno != EINTR) return n;
    }
}

bool SeekToStart(int fd) { return ::lseek(fd, 0, SEEK_SET) == 0; }

}  // namespace qm
