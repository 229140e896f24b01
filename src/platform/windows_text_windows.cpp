#include "platform/windows_text.h"

#include <cerrno>
#include <io.h>
#include <windows.h>

namespace qm {

std::wstring Utf8ToWide(std::string_view text)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), n);
    return wide;
}

std::string WideToUtf8(std::wstring_view text)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), n, nullptr, nullptr);
    return utf8;
}

std::wstring FullPath(const std::wstring& path)
{
    const DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return path;
    std::wstring full(n, L'\0');
    full.resize(::GetFullPathNameW(path.c_str(), n, full.data(), nullptr));
    return full;
}

void* HandleOf(int fd) { return reinterpret_cast<HANDLE>(::_get_osfhandle(fd)); }

std::wstring WidePath(std::string_view path)
{
    std::wstring wide = Utf8ToWide(path);
    for (wchar_t& c : wide)
        if (c == L'/') c = L'\\';
    // Below this length every path works in its plain form; a directory
    // path must leave room for an 8.3 name.
    constexpr size_t kPlainLength = MAX_PATH - 12;
    if (wide.size() < kPlainLength || wide.starts_with(L"\\\\?\\")) return wide;
    const std::wstring full = FullPath(wide);
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

void SetErrnoFromLastError()
{
    switch (::GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        errno = ENOENT;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        errno = EACCES;
        break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        errno = EEXIST;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        errno = ENOSPC;
        break;
    case ERROR_FILE_TOO_LARGE:
        errno = EFBIG;
        break;
    case ERROR_FILENAME_EXCED_RANGE:
        errno = ENAMETOOLONG;
        break;
    case ERROR_DIRECTORY:
        errno = ENOTDIR;
        break;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        errno = EPIPE;
        break;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        errno = ENOMEM;
        break;
    case ERROR_TOO_MANY_OPEN_FILES:
        errno = EMFILE;
        break;
    default:
        errno = EIO;
        break;
    }
}

}  // namespace qm
