#include "platform/byte_source.h"

#include "platform/error.h"
#include "platform/file_descriptor.h"
#include "platform/file_system.h"
#include "platform/message_text.h"
#include "platform/system_error_text.h"

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
    if (n < 0) Fail(errno);
    read_ += static_cast<uint64_t>(n);
    if (read_ > limit_) Fail(EFBIG);
    return static_cast<size_t>(n);
}

void FileBytes::Rewind()
{
    if (!SeekToStart(fd_)) Fail(errno);
    read_ = 0;
}

void FileBytes::Fail(int error) const
{
    throw Error(MessageText(MessageId::CannotReadFile, {path_, SystemErrorText(error)}));
}

uint64_t FileBytes::Size() const { return OpenFileSize(fd_); }

}  // namespace qm
