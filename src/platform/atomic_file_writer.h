#pragma once

#include "platform/file_descriptor.h"

#include <string>
#include <string_view>

namespace qm {

// Writes a file of any size through a large buffer under a temporary name
// beside its result path, and renames it over the result only on Commit, so a
// failure never leaves a half-written file under the result name. Without a
// Commit the temporary file is removed. Commit syncs the file to the disk
// before the rename and the directory after it, so that a crash right after
// never leaves an empty or missing file under the result name.
//
// Throws Error: "Cannot create file "PATH". REASON" when the file cannot be
// created, "Cannot write file "PATH". REASON" when it cannot be completed,
// PATH being the result path.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void Write(std::string_view bytes)
    {
        if (bytes.size() > buffer_.capacity() - buffer_.size()) Flush();
        if (bytes.size() >= buffer_.capacity())
            WriteThrough(bytes);
        else
            buffer_.append(bytes);
    }

    // The buffer, with room for at least `bytes` more, for callers that
    // format straight into it (appending more only costs a larger buffer).
    std::string& BufferWithRoom(size_t bytes)
    {
        if (bytes > buffer_.capacity() - buffer_.size()) Flush();
        return buffer_;
    }

    // Writes what is buffered, syncs and closes the file and renames it to
    // the result path.
    void Commit();

    const std::string& Path() const { return path_; }

private:
    void Flush();
    void WriteThrough(std::string_view bytes);
    [[noreturn]] void Fail(int error);
    void Discard();

    std::string path_;
    std::string temp_;
    FileDescriptor fd_;
    std::string buffer_;
};

// Writes content to path through an AtomicFileWriter.
void WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace qm
