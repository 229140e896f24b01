#pragma once

#include <cstddef>
#include <string_view>

namespace qm {

// Owns an open file descriptor and closes it when it goes.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        if (this != &other) {
            Close();
            fd_ = other.release();
        }
        return *this;
    }

    int get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    int release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes it now; false (errno set) when the close reports an error.
    bool Close();

private:
    int fd_;
};

// Writes all of bytes, going on after interrupted and partial writes; false
// (errno set) on an error.
bool WriteAll(int fd, std::string_view bytes);
// Reads at most room bytes, going on after an interrupted read: how many were
// read, 0 at the end, -1 (errno set) on an error.
ptrdiff_t ReadSome(int fd, char* into, size_t room);
// Moves to the file's first byte; false (errno set) on an error.
bool SeekToStart(int fd);

}  // namespace qm
