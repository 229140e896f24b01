#pragma once

#include "platform/file_descriptor.h"

#include <string>
#include <string_view>

namespace qm {

// Reads a file line by line through a buffer, so that a file of any size
// costs little memory. Lines end as with LineReader: at LF, a CR before it
// belonging to the line end; a line longer than the buffer grows it, up to
// 256 MB, beyond which the read fails.
class FileLineReader {
public:
    FileLineReader() = default;
    FileLineReader(const FileLineReader&) = delete;
    FileLineReader& operator=(const FileLineReader&) = delete;

    // False when the file cannot be opened for reading or is no regular file.
    bool Open(const std::string& path);
    // True when no line is left. Throws Error on a read error.
    bool AtEnd();
    // The next line, valid until the next call; past the end an empty line.
    // Throws Error on a read error.
    std::string_view Next();

private:
    // Reads more of the file behind what is still unread; false at the end.
    bool Fill();

    std::string path_;
    FileDescriptor fd_;
    bool endOfFile_ = false;
    std::string buffer_;
    size_t begin_ = 0;  // first unread byte
    size_t end_ = 0;    // end of the bytes read
};

}  // namespace qm
