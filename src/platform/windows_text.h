#pragma once

// Windows only: the program's texts are UTF-8, the Windows API's UTF-16.

#include <string>
#include <string_view>

namespace qm {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// A path for the Windows API: UTF-16, "/" turned into "\", and a path too long
// for MAX_PATH made absolute in the "\\?\" form (UNC names as "\\?\UNC\...").
std::wstring WidePath(std::string_view path);

// Sets errno to the C library's value nearest GetLastError(), so that callers
// report a failure in the same words on every system.
void SetErrnoFromLastError();

}  // namespace qm
