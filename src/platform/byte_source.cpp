#include "platform/byte_source.h"

#include "platform/error.h"
#include "platform/file_descriptor.h"
#include "platform/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qm {

std::string ReadAllBytes(ByteSource& bytes)
{
    std::string all;
    all.reserve(static_cast<size_t>(bytes.Size()));
    char chunk[1 << 16];
    while (const size_t n = bytes.Read(chunk, sizeof chunk)) all.append(chunk, n);
    return all;
}

size_t MemoryBytes::Read(char* into, size_t room)
{
    const size_t n = std::min(room, text_.size() - taken_);
    std::memcpy(into, text_.data() + taken_, n);
    taken_ += n;
    return n;
}

size_t FileBytes::Read(char* into, size_t room)
{
    const ptrdiff_t n = ReadSome(fd_, into, room);
    if (n < 0) throw Error("Cannot read file \"" + path_ + "\". " + std::strerror(errno));
    read_ += static_cast<uint64_t>(n);
    if (read_ > limit_) throw Error("Cannot read file \"" + path_ + "\". File too large");
    return static_cast<size_t>(n);
}

void FileBytes::Rewind()
{
    if (!SeekToStart(fd_)) throw Error("Cannot read file \"" + path_ + "\". " + std::strerror(errno));
    read_ = 0;
}

uint64_t FileBytes::Size() const { return OpenFileSize(fd_); }

}  // namespace qm
