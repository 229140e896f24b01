#pragma once

#include "platform/byte_source.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qm {

// Walks a file open for reading (fd, which stays the caller's) line by line through a buffer, lines ending as with
// LineReader, so that a file of any size costs little more memory than its
// longest line. Throws Error as FileBytes does.
class FileLineReader {
public:
    FileLineReader(int fd, std::string path, uint64_t limit);

    bool AtEnd() { return begin_ == end_ && !Fill(); }

    // The next line, valid until the next call; past the end an empty line.
    std::string_view Next();

    // How many lines the file holds beyond those taken, judged from the
    // lines read so far and the file's size, with an eighth more: enough
    // for a file whose lines are alike.
    size_t ExpectedLines();

    // The first bytes of the file (up to the buffer's size) without taking
    // a line; empty for an empty file.
    std::string_view Head();

private:
    // Reads more behind what is unread, moved to the front; false at the end.
    bool Fill();

    static constexpr size_t kBufferSize = size_t{1} << 20;

    FileBytes file_;
    bool endOfFile_ = false;
    size_t size_;
    std::unique_ptr<char[]> buffer_;
    size_t begin_ = 0;  // first byte not taken
    size_t end_ = 0;    // end of the bytes read
};

}  // namespace qm
