#pragma once

// What only POSIX lets a test do to the program: other users' rights, a
// bound on file sizes, a small file system of its own.

#include <string>
#include <sys/resource.h>

namespace qm::test {

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
