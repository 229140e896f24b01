#include "platform/atomic_file_writer.h"

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/path_text.h"
#include "platform/temporary_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace qm {

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)), temp_(TemporaryPathBeside(path_))
{
    fd_ = FileDescriptor(CreateTemporaryFile(temp_, record_));
    if (!fd_.IsOpen()) {
        temp_.clear();
        throw Error("Cannot create file \"" + path_ + "\". " + std::strerror(errno));
    }
    buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Write(std::string_view bytes)
{
    if (bytes.size() > kBufferSize - used_) Flush();
    if (bytes.size() >= kBufferSize) {
        WriteThrough(bytes);
        return;
    }
    std::copy(bytes.begin(), bytes.end(), buffer_.get() + used_);
    used_ += bytes.size();
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
    // The sync at Commit then finds little left to do.
    ::sync_file_range(fd_.get(), static_cast<off_t>(written_), static_cast<off_t>(bytes.size()), SYNC_FILE_RANGE_WRITE);
    written_ += bytes.size();
}

void AtomicFileWriter::Commit()
{
    Flush();
    if (::fsync(fd_.get()) != 0 || !fd_.Close()) Fail(errno);
    // The file under its own name is created by the rename (it fails on a directory of that name).
    if (::rename(temp_.c_str(), path_.c_str()) != 0) Fail(errno, "Cannot create file");
    ForgetTemporaryFile(record_);
    record_ = -1;
    temp_.clear();
}

void AtomicFileWriter::Fail(int error, const char* what)
{
    Discard();
    throw Error(std::string(what) + " \"" + path_ + "\". " + std::strerror(error));
}

void AtomicFileWriter::Discard()
{
    fd_.Close();
    if (!temp_.empty()) ::unlink(temp_.c_str());
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

void SyncDirectory(const std::string& directory)
{
    // A file system that cannot sync a directory has nothing to sync: the
    // files are in place either way.
    FileDescriptor fd(::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen()) ::fsync(fd.get());
}

}  // namespace qm
