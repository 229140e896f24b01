#pragma once

#include <ctime>
#include <exception>
#include <string>
#include <sys/resource.h>

namespace qm::test {

// A file's bytes and modification time, to show that nothing touched it.
struct FileState {
    std::string bytes;
    timespec modified{};
    bool operator==(const FileState& other) const
    {
        return bytes == other.bytes && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};
FileState StateOf(const std::string& path);

// Names in a directory that a writer uses for its unfinished files.
bool HasTemporaryFiles(const std::string& directory);

// Writes a file until the file system is full.
void FillUp(const std::string& path);

// The text of the Error that f throws; empty when it throws none.
template <typename F>
std::string ErrorText(F f)
{
    try {
        f();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

// Root passes every permission check; in a child process the rights of the
// user nobody make them count. Does nothing for another user.
void DropRootRights();

// Writes beyond `bytes` fail with EFBIG for as long as the object lives,
// also for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

// A small tmpfs mounted on an existing directory, in a mount namespace of this
// process alone, so that nothing outside the test sees it; unmounted when the
// object goes. Mounted() is false where the system does not allow it.
class SmallFileSystem {
public:
    SmallFileSystem(const std::string& directory, const std::string& size);
    // Mounts it again read-only: not even root can write there then.
    bool MakeReadOnly();
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool Mounted() const { return mounted_; }

private:
    std::string directory_;
    bool mounted_ = false;
};

}  // namespace qm::test
