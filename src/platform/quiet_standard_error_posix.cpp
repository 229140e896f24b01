#include "platform/quiet_standard_error.h"

#include <fcntl.h>
#include <unistd.h>

namespace qm {

QuietStandardError::QuietStandardError() : saved_(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0))
{
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere >= 0) {
        ::dup2(nowhere, STDERR_FILENO);
        ::close(nowhere);
    }
}

QuietStandardError::~QuietStandardError()
{
    if (saved_ < 0) return;
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
}

}  // namespace qm
