#include "platform/atomic_file_writer.h"

#include "platform/error.h"
#include "platform/path_text.h"
#include "platform/system_error_text.h"
#include "platform/temporary_files.h"

#include <algorithm>
#include <cerrno>

namespace qm {

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path))
{
    // A name that ends with a separator names a folder, whatever is there.
    if (EndsWithPathSeparator(path_))
        throw Error(MessageText(MessageId::CannotCreateFile, {path_, SystemErrorText(EISDIR)}));
    temp_ = TemporaryPathBeside(path_);
    fd_ = FileDescriptor(CreateTemporaryFile(temp_, record_));
    if (!fd_.IsOpen()) {
        temp_.clear();
        throw Error(MessageText(MessageId::CannotCreateFile, {path_, SystemErrorText(errno)}));
    }
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Write(std::string_view bytes)
{
    if (bytes.size() >= kBufferSize) {
        Flush();
        WriteThrough(bytes);
        return;
    }
    std::copy(bytes.begin(), bytes.end(), Room(bytes.size()));
    used_ += bytes.size();
}

void AtomicFileWriter::MakeRoom(size_t bytes)
{
    if (bytes > kBufferSize - used_) Flush();
    if (bytes <= capacity_ - used_) return;
    const size_t capacity = std::min(kBufferSize, std::max({used_ + bytes, 2 * capacity_, kFirstBufferSize}));
    auto grown = std::make_unique_for_overwrite<char[]>(capacity);
    std::copy_n(buffer_.get(), used_, grown.get());
    buffer_ = std::move(grown);
    capacity_ = capacity;
}

void AtomicFileWriter::Flush()
{
    WriteThrough(std::string_view(buffer_.get(), used_));
    used_ = 0;
}

void AtomicFileWriter::WriteThrough(std::string_view bytes)
{
    if (bytes.empty()) return;
    if (!WriteAll(fd_.get(), bytes)) Fail(errno);
    StartWriteBack(fd_.get(), written_, bytes.size());
    written_ += bytes.size();
}

void AtomicFileWriter::Commit()
{
    Flush();
    if (!SyncFile(fd_.get()) || !fd_.Close()) Fail(errno);
    // The file under its own name is created by the rename (it fails on a directory of that name).
    if (!RenameOver(temp_, path_)) Fail(errno, MessageId::CannotCreateFile);
    ForgetTemporaryFile(record_);
    record_ = -1;
    temp_.clear();
}

void AtomicFileWriter::Fail(int error, MessageId what)
{
    Discard();
    throw Error(MessageText(what, {path_, SystemErrorText(error)}));
}

void AtomicFileWriter::Discard()
{
    fd_.Close();
    if (!temp_.empty()) RemoveFile(temp_);
    ForgetTemporaryFile(record_);
    record_ = -1;
    temp_.clear();
}

void WriteFileAtomically(const std::string& path, std::string_view content)
{
    AtomicFileWriter file(path);
    file.Write(content);
    file.Commit();
    SyncDirectory(PathDirPart(path));
}

}  // namespace qm
