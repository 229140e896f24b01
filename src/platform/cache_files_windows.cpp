#include "platform/cache_files.h"

#include "platform/windows_text.h"

#include <algorithm>
#include <atomic>
#include <utility>
#include <windows.h>

namespace qm {
namespace {

class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    Handle& operator=(Handle&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    HANDLE get() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() { return !IsOpen() || ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)); }

private:
    HANDLE handle_;
};

bool IsEntryName(std::string_view name)
{
    // ":" would name a stream of the file instead of the file.
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\:\0", 4)) == name.npos;
}

// Whether the handle is of a file on a disk (not a device or a pipe) that is
// a folder or not as wanted; a reparse point only where allowed.
bool IsPlain(const Handle& handle, bool folder, bool reparsePointAllowed, BY_HANDLE_FILE_INFORMATION& info)
{
    if (!handle.IsOpen() || ::GetFileType(handle.get()) != FILE_TYPE_DISK ||
        !::GetFileInformationByHandle(handle.get(), &info))
        return false;
    return bool(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == folder &&
           (reparsePointAllowed || !(info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT));
}

// Opened for listing (an open for attributes alone counts for no sharing) and
// without FILE_SHARE_DELETE, a folder can be neither renamed nor removed while
// the handle lasts, so the path through it stays the one checked.
// When there is no folder, GetLastError() tells whether there is nothing at
// the path (ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND).
Handle OpenFolderHandle(const std::wstring& path, bool followLinks)
{
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : DWORD(FILE_FLAG_OPEN_REPARSE_POINT));
    Handle folder(::CreateFileW(path.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, flags, nullptr));
    if (!folder.IsOpen()) return folder;
    BY_HANDLE_FILE_INFORMATION info;
    if (IsPlain(folder, true, followLinks, info)) return folder;
    folder.Close();
    ::SetLastError(ERROR_DIRECTORY);
    return folder;
}

bool CreateFolders(const std::wstring& path)
{
    if (::CreateDirectoryW(path.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS) return true;
    if (::GetLastError() != ERROR_PATH_NOT_FOUND) return false;
    const size_t slash = path.find_last_of(L'\\');
    if (slash == path.npos || slash == 0) return false;
    return CreateFolders(path.substr(0, slash)) &&
           (::CreateDirectoryW(path.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
}

// The path of what the handle is open on, without links; empty when the
// system cannot tell.
std::wstring FinalPath(const Handle& handle)
{
    constexpr DWORD kFlags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    std::wstring path(MAX_PATH, L'\0');
    DWORD n = ::GetFinalPathNameByHandleW(handle.get(), path.data(), DWORD(path.size()), kFlags);
    if (n >= path.size()) {
        path.resize(n);
        n = ::GetFinalPathNameByHandleW(handle.get(), path.data(), DWORD(path.size()), kFlags);
    }
    path.resize(n < path.size() ? n : 0);
    return path;
}

// The innermost folder of a path, held open with every folder above it up to
// the root.
struct Folder {
    std::vector<Handle> Held;
    std::wstring Path;
};

std::optional<Folder> OpenFolder(const CachePath& path, bool create)
{
    if (!IsEntryName(path.Name) || !std::all_of(path.Folders.begin(), path.Folders.end(), IsEntryName))
        return std::nullopt;
    Folder folder;
    folder.Path = WidePath(path.Root);
    if (create) CreateFolders(folder.Path);
    folder.Held.push_back(OpenFolderHandle(folder.Path, true));
    if (!folder.Held.back().IsOpen()) return std::nullopt;
    // The root's links resolved once, where the system can tell: the names
    // below are then looked up in the folder held open, whatever the links
    // are changed to meanwhile.
    if (std::wstring resolved = FinalPath(folder.Held.back()); !resolved.empty()) folder.Path = std::move(resolved);
    while (folder.Path.ends_with(L'\\')) folder.Path.pop_back();
    for (const std::string& name : path.Folders) {
        folder.Path += L'\\' + Utf8ToWide(name);
        Handle inside = OpenFolderHandle(folder.Path, false);
        const DWORD error = ::GetLastError();
        if (!inside.IsOpen() && create && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) &&
            (::CreateDirectoryW(folder.Path.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS))
            inside = OpenFolderHandle(folder.Path, false);
        if (!inside.IsOpen()) return std::nullopt;
        folder.Held.push_back(std::move(inside));
    }
    return folder;
}

std::time_t UnixSeconds(const FILETIME& time)
{
    // FILETIME counts 100 ns since 1601-01-01.
    constexpr std::int64_t kPerSecond = 10'000'000;
    constexpr std::int64_t kTo1970 = 11'644'473'600 * kPerSecond;
    const std::int64_t since1970 =
        std::int64_t((std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime) - kTo1970;
    return std::time_t(since1970 / kPerSecond - (since1970 % kPerSecond < 0 ? 1 : 0));
}

}  // namespace

std::optional<CacheFile> ReadCacheFile(const CachePath& path, std::int64_t maxBytes)
{
    const std::optional<Folder> folder = OpenFolder(path, false);
    if (!folder) return std::nullopt;
    // Shared for deletion so that a writer can rename a new file over this one.
    Handle file(::CreateFileW((folder->Path + L'\\' + Utf8ToWide(path.Name)).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!IsPlain(file, false, false, info)) return std::nullopt;
    const std::int64_t size = std::int64_t((std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    if (size < 0 || size > maxBytes) return std::nullopt;
    CacheFile read;
    read.Modified = UnixSeconds(info.ftLastWriteTime);
    read.Bytes.resize(size_t(size));
    size_t have = 0;
    while (have < read.Bytes.size()) {
        DWORD n = 0;
        const DWORD want = DWORD(std::min<size_t>(read.Bytes.size() - have, 1u << 30));
        if (!::ReadFile(file.get(), read.Bytes.data() + have, want, &n, nullptr) || n == 0) break;
        have += n;
    }
    read.Bytes.resize(have);
    return read;
}

bool WriteCacheFile(const CachePath& path, std::string_view bytes)
{
    static std::atomic<unsigned> written{0};
    const std::optional<Folder> folder = OpenFolder(path, true);
    if (!folder) return false;
    const std::wstring name = folder->Path + L'\\' + Utf8ToWide(path.Name);
    const std::wstring temporary = folder->Path + L"\\.~" + Utf8ToWide(path.Name) + L'.' +
                                   std::to_wstring(::GetCurrentProcessId()) + L'.' + std::to_wstring(written++);
    Handle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.IsOpen()) return false;
    bool stored = true;
    while (stored && !bytes.empty()) {
        DWORD n = 0;
        stored = ::WriteFile(file.get(), bytes.data(), DWORD(std::min<size_t>(bytes.size(), 1u << 30)), &n, nullptr) &&
                 n > 0;
        bytes.remove_prefix(n);
    }
    // The rename replaces what is at the name (a link itself, not what it
    // points to); a folder there is not replaced.
    stored = file.Close() && stored && ::MoveFileExW(temporary.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (!stored) ::DeleteFileW(temporary.c_str());
    return stored;
}

}  // namespace qm
