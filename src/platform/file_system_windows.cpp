#include "platform/file_system.h"

#include "platform/ascii_case.h"
#include "platform/file_descriptor.h"
#include "platform/message_text.h"
#include "platform/path_text.h"
#include "platform/system_error_text.h"
#include "platform/windows_text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace qm {
namespace {

// A descriptor owning handle; -1 (and the handle closed) when none is left.
int DescriptorOf(HANDLE handle, int flags)
{
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) ::CloseHandle(handle);
    return fd;
}

bool Attributes(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data)
{
    return !path.empty() && ::GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data) != 0;
}

// What is at path, opened for nothing but questions about it; a directory too.
HANDLE OpenForQuestions(const std::string& path)
{
    return ::CreateFileW(WidePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// CON, PRN, AUX, NUL, COM1..9 and LPT1..9, with any extension and in any
// case, name devices in every folder.
bool IsDeviceName(const std::string& path)
{
    std::string name = PathNamePart(path);
    name = name.substr(0, name.find('.'));
    while (name.ends_with(' ')) name.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (SameTextAnyCase(name, device)) return true;
    return name.size() == 4 && (SameTextAnyCase(name.substr(0, 3), "COM") || SameTextAnyCase(name.substr(0, 3), "LPT")) &&
           name[3] >= '1' && name[3] <= '9';
}

std::string LastErrorReason()
{
    SetErrnoFromLastError();
    return SystemErrorText(errno);
}

}  // namespace

bool FileExists(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (IsDeviceName(path)) return true;
    return Attributes(path, data) && !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    return Attributes(path, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SamePathSpelling(const std::string& a, const std::string& b)
{
    std::wstring wideA = Utf8ToWide(a), wideB = Utf8ToWide(b);
    std::replace(wideA.begin(), wideA.end(), L'/', L'\\');
    std::replace(wideB.begin(), wideB.end(), L'/', L'\\');
    // Ordinal and without regard to case, as NTFS compares names.
    return ::CompareStringOrdinal(wideA.data(), static_cast<int>(wideA.size()), wideB.data(),
                                  static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

std::optional<FileId> FileIdOf(const std::string& path)
{
    const HANDLE handle = OpenForQuestions(path);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = ::GetFileInformationByHandle(handle, &info) != 0;
    ::CloseHandle(handle);
    if (!known) return std::nullopt;
    return FileId{info.dwVolumeSerialNumber, (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

uint64_t OpenFileSize(int fd)
{
    LARGE_INTEGER size;
    return ::GetFileSizeEx(HandleOf(fd), &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
}

std::optional<FileVersion> OpenFileVersion(int fd)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(HandleOf(fd), &info)) return std::nullopt;
    return FileVersion{{info.dwVolumeSerialNumber, (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow},
                       (uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow,
                       static_cast<int64_t>((uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                            info.ftLastWriteTime.dwLowDateTime)};
}

bool CreateDir(const std::string& path)
{
    if (::CreateDirectoryW(WidePath(path).c_str(), nullptr)) return true;
    SetErrnoFromLastError();
    return false;
}

std::string GetCurrentDir()
{
    const DWORD n = ::GetCurrentDirectoryW(0, nullptr);
    if (n == 0) return "";
    std::wstring directory(n, L'\0');
    directory.resize(::GetCurrentDirectoryW(n, directory.data()));
    return WideToUtf8(directory);
}

bool SetCurrentDir(const std::string& path) { return ::SetCurrentDirectoryW(WidePath(path).c_str()) != 0; }

std::string AbsolutePath(const std::string& path)
{
    return WideToUtf8(FullPath(WidePath(path)));
}

int OpenRegularFile(const std::string& path, std::string* why)
{
    const auto fail = [why](std::string reason) {
        if (why) *why = std::move(reason);
        return -1;
    };
    const std::string notRegular = MessageText(MessageId::NotRegularFile);
    if (path.empty()) return fail(SystemErrorText(ENOENT));
    // Refused by name: the console, for one, would wait for the user's typing.
    if (IsDeviceName(path)) return fail(notRegular);
    // A reparse point (a link, a junction) is opened itself, not followed.
    const HANDLE handle =
        ::CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return fail(LastErrorReason());
    std::string refusal;
    BY_HANDLE_FILE_INFORMATION info;
    // Devices (CON, NUL, COM1 and the other reserved names) and pipes are no disk files.
    if (::GetFileType(handle) != FILE_TYPE_DISK)
        refusal = notRegular;
    else if (!::GetFileInformationByHandle(handle, &info))
        refusal = LastErrorReason();
    else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        refusal = SystemErrorText(EISDIR);
    else if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        refusal = notRegular;
    if (!refusal.empty()) {
        ::CloseHandle(handle);
        return fail(refusal);
    }
    const int fd = DescriptorOf(handle, _O_RDONLY);
    if (fd < 0) return fail(SystemErrorText(errno));
    return fd;
}

bool NothingAt(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (Attributes(path, data)) return false;
    const DWORD error = ::GetLastError();
    return path.empty() || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

int CreateNewFile(const std::string& path)
{
    const HANDLE handle = ::CreateFileW(WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        SetErrnoFromLastError();
        return -1;
    }
    return DescriptorOf(handle, _O_RDWR);
}

bool RemoveFile(const std::string& path)
{
    if (::DeleteFileW(WidePath(path).c_str())) return true;
    SetErrnoFromLastError();
    return false;
}

bool RenameOver(const std::string& from, const std::string& to)
{
    if (::MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    SetErrnoFromLastError();
    // Windows denies access where POSIX says why.
    if (DirectoryExists(to)) errno = EISDIR;
    return false;
}

bool SyncFile(int fd)
{
    if (::FlushFileBuffers(HandleOf(fd))) return true;
    SetErrnoFromLastError();
    return false;
}

// Windows starts writing back on its own; nothing asks it to start earlier.
void StartWriteBack(int, uint64_t, uint64_t) {}

// MOVEFILE_WRITE_THROUGH has made each rename durable already.
void SyncDirectory(const std::string&) {}

}  // namespace qm
