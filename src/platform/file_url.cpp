#include "platform/file_url.h"

#include "platform/ascii_case.h"

#include <algorithm>

namespace qm {
namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    c = AsciiLower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The text with its "%XX" escapes decoded; a "%" that starts none stays as it is.
std::string PercentDecoded(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low >= 0) {
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

bool IsDriveLetter(std::string_view path, size_t at)
{
    if (path.size() < at + 2 || path[at + 1] != ':') return false;
    const char letter = AsciiLower(path[at]);
    return letter >= 'a' && letter <= 'z' && (path.size() == at + 2 || path[at + 2] == '/');
}

}  // namespace

std::optional<std::string> LocalPathOfUrl(std::string_view url, PathStyle style)
{
    constexpr std::string_view kScheme = "file:";
    if (url.size() < kScheme.size() || !SameTextAnyCase(url.substr(0, kScheme.size()), kScheme)) return std::nullopt;
    std::string_view rest = url.substr(kScheme.size());
    rest = rest.substr(0, rest.find_first_of("?#"));

    std::string_view host;
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const size_t slash = std::min(rest.find('/'), rest.size());
        host = rest.substr(0, slash);
        rest.remove_prefix(slash);
    }
    if (SameTextAnyCase(host, "localhost")) host = {};
    std::string path = PercentDecoded(rest);
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string::npos) return std::nullopt;

    if (style == PathStyle::Posix) {
        if (!host.empty()) return std::nullopt;
        return path;
    }
    if (!host.empty())
        path = "//" + PercentDecoded(host) + path;
    else if (IsDriveLetter(path, 1))
        path.erase(0, 1);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace qm
