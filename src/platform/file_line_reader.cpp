#include "platform/file_line_reader.h"

#include "platform/error.h"
#include "platform/file_system.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace qm {
namespace {

// The first buffer; it doubles for a longer line. Small, because it is filled
// with zeros at every open, and most files are read whole in a few reads.
constexpr size_t kBufferSize = 64 << 10;
// No text file of ours has such lines; a file without line ends (a disk image
// named .plt) must not take all memory.
constexpr size_t kMaxBufferSize = size_t{256} << 20;

}  // namespace

bool FileLineReader::Open(const std::string& path)
{
    path_ = path;
    fd_ = FileDescriptor(OpenRegularFile(path));
    buffer_.resize(kBufferSize);
    return fd_.IsOpen();
}

bool FileLineReader::Fill()
{
    if (endOfFile_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) {
        if (buffer_.size() >= kMaxBufferSize) throw Error("Cannot read file \"" + path_ + "\". Line too long");
        buffer_.resize(buffer_.size() * 2);
    }
    for (;;) {
        ssize_t n = ::read(fd_.get(), buffer_.data() + end_, buffer_.size() - end_);
        if (n > 0) {
            end_ += static_cast<size_t>(n);
            return true;
        }
        if (n == 0) {
            endOfFile_ = true;
            return false;
        }
        if (errno != EINTR) throw Error("Cannot read file \"" + path_ + "\". " + std::strerror(errno));
    }
}

bool FileLineReader::AtEnd()
{
    return begin_ == end_ && !Fill();
}

std::string_view FileLineReader::Next()
{
    size_t searched = begin_;
    for (;;) {
        const char* data = buffer_.data();
        const void* lf = std::memchr(data + searched, '\n', end_ - searched);
        if (lf) {
            size_t at = static_cast<const char*>(lf) - data;
            std::string_view line(data + begin_, at - begin_);
            begin_ = at + 1;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            return line;
        }
        size_t searchedLength = end_ - begin_;
        if (!Fill()) break;
        searched = begin_ + searchedLength;  // the unread bytes have moved to the front
    }
    std::string_view line(buffer_.data() + begin_, end_ - begin_);
    begin_ = end_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace qm
