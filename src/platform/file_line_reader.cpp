#include "platform/file_line_reader.h"

#include <algorithm>
#include <cstring>

namespace qm {

// A file smaller than the buffer gets a buffer one byte larger than itself:
// the first read takes it whole.
FileLineReader::FileLineReader(int fd, std::string path, uint64_t limit)
    : file_(fd, std::move(path), limit),
      size_(static_cast<size_t>(std::min<uint64_t>(file_.Size() + 1, kBufferSize))),
      buffer_(std::make_unique_for_overwrite<char[]>(size_))
{
}

bool FileLineReader::Fill()
{
    if (endOfFile_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == size_) {  // a line longer than the buffer
        auto grown = std::make_unique_for_overwrite<char[]>(2 * size_);
        std::memcpy(grown.get(), buffer_.get(), end_);
        buffer_ = std::move(grown);
        size_ *= 2;
    }
    const size_t n = file_.Read(buffer_.get() + end_, size_ - end_);
    end_ += n;
    endOfFile_ = n == 0;
    return n > 0;
}

std::string_view FileLineReader::Next()
{
    size_t searched = begin_;
    for (;;) {
        const char* data = buffer_.get();
        if (const void* lf = std::memchr(data + searched, '\n', end_ - searched)) {
            const size_t at = static_cast<size_t>(static_cast<const char*>(lf) - data);
            std::string_view line(data + begin_, at - begin_);
            begin_ = at + 1;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            return line;
        }
        const size_t unread = end_ - begin_;
        if (!Fill()) break;
        searched = begin_ + unread;  // the unread bytes moved to the front
    }
    std::string_view line(buffer_.get() + begin_, end_ - begin_);
    begin_ = end_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

size_t FileLineReader::ExpectedLines()
{
    if (begin_ == end_) Fill();
    const std::string_view unread(buffer_.get() + begin_, end_ - begin_);
    const size_t lines = static_cast<size_t>(std::count(unread.begin(), unread.end(), '\n')) + 1;
    const uint64_t size = file_.Size();
    if (endOfFile_ || unread.empty() || size <= file_.BytesRead()) return lines;
    const double bytesLeft = static_cast<double>(unread.size()) + static_cast<double>(size - file_.BytesRead());
    return static_cast<size_t>(bytesLeft / static_cast<double>(unread.size()) * static_cast<double>(lines) * 1.125);
}

std::string_view FileLineReader::Head()
{
    while (file_.BytesRead() < kBufferSize && Fill()) {}
    return {buffer_.get(), std::min<size_t>(end_, kBufferSize)};
}

}  // namespace qm
