#pragma once

// Windows only: the program's texts are UTF-8, the Windows API's UTF-16.

#include <string>
#include <string_view>

namespace qm {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// The absolute form of a path, as GetFullPathNameW gives it; the path itself
// when it has none.
std::wstring FullPath(const std::wstring& path);

// A path for the Windows API: UTF-16, "/" turned into "\", and a path too long
// for MAX_PATH made absolute in the "\\?\" form (UNC names as "\\?\UNC\...").
std::wstring WidePath(std::string_view path);

// The Windows handle (a HANDLE) of a C runtime descriptor.
void* HandleOf(int fd);

// Sets errno to the C library's value nearest GetLastError(), so that callers
// report a failure in the same words on every system.
void SetErrnoFromLastError();

}  // namespace qm
