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

}  // namespace qm
