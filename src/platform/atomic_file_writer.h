#pragma once

#include "platform/file_descriptor.h"
#include "platform/file_system.h"
#include "platform/message_text.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qm {

// Writes a file of any size through a buffer under a temporary name
// beside its result path, and renames it over the result only on Commit, so a
// failure never leaves a half-written file under the result name. Without a
// Commit the temporary file is removed; so it is on a signal that ends the
// program (see RemoveTemporaryFilesOn). Commit syncs the file to the disk
// before the rename; once a command's files are all in place, SyncDirectory
// makes their renames durable, so that a crash never leaves an empty or a
// missing file under a result name. The buffer grows with the file up to a
// megabyte, so a small file takes little memory. Disk writes start at every
// buffer flush, so they go on while the caller formats the next megabyte.
//
// Throws Error: CannotCreateFile when the file cannot be created beside its
// result path or under the result name (a directory of that name, for one),
// CannotWriteFile when it cannot be completed, naming the result path.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void Write(std::string_view bytes);

    // Room for `bytes` (at most kBufferSize) at the end of the buffer, for
    // callers that format straight into it; Wrote takes the end of what they
    // wrote there.
    char* Room(size_t bytes)
    {
        if (bytes > capacity_ - used_) MakeRoom(bytes);
        return buffer_.get() + used_;
    }
    void Wrote(const char* end) { used_ = static_cast<size_t>(end - buffer_.get()); }

    // Writes what is buffered, syncs and closes the file and renames it to
    // the result path.
    void Commit();

    const std::string& Path() const { return path_; }

private:
    void MakeRoom(size_t bytes);
    void Flush();
    void WriteThrough(std::string_view bytes);
    [[noreturn]] void Fail(int error, MessageId what = MessageId::CannotWriteFile);
    void Discard();

    // Each write starts its own write-back: large writes keep the requests
    // to the disk few, each of which costs a round trip to the device.
    static constexpr size_t kBufferSize = size_t{1} << 20;
    static constexpr size_t kFirstBufferSize = size_t{1} << 12;

    std::string path_;
    std::string temp_;
    int record_ = -1;  // in the table of temporary files
    FileDescriptor fd_;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = 0;
    size_t used_ = 0;
    uint64_t written_ = 0;  // bytes written to the file
};

// Writes content to path through an AtomicFileWriter and syncs its directory.
void WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace qm
