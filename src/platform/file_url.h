#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// How a system writes a local path: "/home/a/x.plt", or "C:\a\x.plt" and
// "\\server\share\x.plt".
enum class PathStyle { Posix, Windows };

#ifdef _WIN32
inline constexpr PathStyle kSystemPathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kSystemPathStyle = PathStyle::Posix;
#endif

// The local path a URL names, in the system's form, as a drag and drop or a
// desktop hands files over: "file:///home/a/x%20y.plt" gives "/home/a/x y.plt",
// "file:///C:/a/x.plt" on Windows "C:\a\x.plt". The scheme and "localhost"
// in any case; "%XX" escapes decoded; a query or fragment left out. A file
// URL with a host names a share: "\\host\share\..." on Windows, nothing
// elsewhere. Nothing for any other URL, one without a path, or one whose
// path would hold a NUL.
std::optional<std::string> LocalPathOfUrl(std::string_view url, PathStyle style = kSystemPathStyle);

}  // namespace qm
