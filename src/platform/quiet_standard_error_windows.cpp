#include "platform/quiet_standard_error.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace qm {
namespace {

constexpr int kStandardError = 2;

// What writes through the process's standard error handle instead of the C
// runtime goes where descriptor 2 goes.
void FollowStandardErrorDescriptor()
{
    const intptr_t handle = ::_get_osfhandle(kStandardError);
    if (handle != -1) ::SetStdHandle(STD_ERROR_HANDLE, reinterpret_cast<HANDLE>(handle));
}

}  // namespace

QuietStandardError::QuietStandardError() : saved_(::_dup(kStandardError))
{
    std::fflush(stderr);
    const int nowhere = ::_open("NUL", _O_WRONLY | _O_NOINHERIT);
    if (nowhere >= 0) {
        ::_dup2(nowhere, kStandardError);
        ::_close(nowhere);
        FollowStandardErrorDescriptor();
    }
}

QuietStandardError::~QuietStandardError()
{
    if (saved_ < 0) return;
    std::fflush(stderr);
    ::_dup2(saved_, kStandardError);
    ::_close(saved_);
    FollowStandardErrorDescriptor();
}

}  // namespace qm
