#include "platform/file_descriptor.h"

#include "platform/windows_text.h"

#include <algorithm>
#include <io.h>
#include <windows.h>

namespace qm {
bool FileDescriptor::Close()
{
    if (fd_ < 0) return true;
    return ::_close(release()) == 0;
}

// Through the handle, so that the bytes go out as they are, whatever mode
// the C runtime keeps for the descriptor (standard output included).
bool WriteAll(int fd, std::string_view bytes)
{
    const HANDLE handle = HandleOf(fd);
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), DWORD{1} << 30));
        DWORD written = 0;
        if (!::WriteFile(handle, bytes.data(), chunk, &written, nullptr)) {
            SetErrnoFromLastError();
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

ptrdiff_t ReadSome(int fd, char* into, size_t room)
{
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(room, DWORD{1} << 30));
    if (::ReadFile(HandleOf(fd), into, chunk, &read, nullptr)) return read;
    // The other end of a pipe closed: its end, as on other systems.
    if (::GetLastError() == ERROR_BROKEN_PIPE) return 0;
    SetErrnoFromLastError();
    return -1;
}

bool SeekToStart(int fd)
{
    if (::SetFilePointerEx(HandleOf(fd), LARGE_INTEGER{}, nullptr, FILE_BEGIN)) return true;
    SetErrnoFromLastError();
    return false;
}

}  // namespace qm
