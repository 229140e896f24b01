#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// The bytes of a file or of text in memory, read piece by piece into the
// reader's own buffer, from the start again when asked.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Reads at most `room` bytes into `into`; 0 at the end.
    virtual size_t Read(char* into, size_t room) = 0;
    // Starts again from the first byte.
    virtual void Rewind() = 0;
    // How many bytes there are in all, as far as known before reading them.
    virtual uint64_t Size() const = 0;
};

// All the bytes left.
std::string ReadAllBytes(ByteSource& bytes);

class MemoryBytes final : public ByteSource {
public:
    explicit MemoryBytes(std::string_view text) : text_(text) {}
    size_t Read(char* into, size_t room) override;
    void Rewind() override { taken_ = 0; }
    uint64_t Size() const override { return text_.size(); }

private:
    std::string_view text_;
    size_t taken_ = 0;
};

// A file open for reading (fd, which stays the caller's). Throws Error
// CannotReadFile when a read fails, with the reason FileTooLarge once more
// than `limit` bytes were read (a file that grows while it is read).
class FileBytes final : public ByteSource {
public:
    FileBytes(int fd, std::string path, uint64_t limit) : fd_(fd), path_(std::move(path)), limit_(limit) {}
    size_t Read(char* into, size_t room) override;
    void Rewind() override;
    uint64_t Size() const override;
    // The bytes read since the start.
    uint64_t BytesRead() const { return read_; }

private:
    [[noreturn]] void Fail(int error) const;

    int fd_;
    std::string path_;
    uint64_t limit_;
    uint64_t read_ = 0;
};

}  // namespace qm
