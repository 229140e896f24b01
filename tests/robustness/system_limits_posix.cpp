#include "robustness/system_limits.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm::test {

void DropRootRights()
{
    if (::geteuid() != 0) return;
    constexpr uid_t kNobody = 65534;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) std::_Exit(99);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit tight{bytes, old_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &tight);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
}

SmallFileSystem::SmallFileSystem(const std::string& directory, const std::string& size)
    : directory_(directory)
{
    static const bool privateNamespace =
        ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (!privateNamespace) return;
    const std::string options = "size=" + size + ",mode=0755";
    mounted_ = ::mount("tmpfs", directory.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

bool SmallFileSystem::MakeReadOnly()
{
    return mounted_ && ::mount(nullptr, directory_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (mounted_) ::umount2(directory_.c_str(), MNT_DETACH);
}

}  // namespace qm::test
