#include "platform/atomic_file_writer.h"

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/temporary_files.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace qm {
namespace {

constexpr size_t kBufferSize = 1 << 20;

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)), temp_(TemporaryPathBeside(path_))
{
    fd_ = CreateTemporaryFile(temp_, record_);
    if (fd_ < 0) throw Error("Cannot create file \"" + path_ + "\". " + std::strerror(errno));
    buffer_.reserve(kBufferSize);
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Flush()
{
    WriteThrough(buffer_);
    buffer_.clear();
}

void AtomicFileWriter::WriteThrough(std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

void AtomicFileWriter::Commit()
{
    Flush();
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(errno);
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
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    ForgetTemporaryFile(record_);
    record_ = -1;
    temp_.clear();
}

}  // namespace qm
