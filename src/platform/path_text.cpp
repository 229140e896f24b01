#include "platform/path_text.h"

#include "platform/ascii_case.h"

#include <algorithm>

namespace qm {
namespace {

constexpr size_t kMaxNameLength = 1000;
constexpr std::string_view kPlt = ".plt";

size_t FindAnyCase(std::string_view name, std::string_view extension)
{
    auto it = std::search(name.begin(), name.end(), extension.begin(), extension.end(),
                          [](char a, char b) { return AsciiLower(a) == b; });
    return it == name.end() ? std::string_view::npos : static_cast<size_t>(it - name.begin());
}

// The piece of a track's name part that names made from it replace.
struct NamePiece {
    size_t At = std::string_view::npos;  // npos: none
    size_t Length = 0;
};

// In a name ending in ".plt" in any case, its first ".plt" in exactly this
// case (with anyCase, failing that, in any case); in any other name its
// extension, from the last "." that is not the first character.
NamePiece ReplacedExtension(std::string_view name, bool anyCase)
{
    if (name.size() >= kPlt.size() && SameTextAnyCase(name.substr(name.size() - kPlt.size()), kPlt)) {
        size_t at = name.find(kPlt);
        if (at == std::string_view::npos && anyCase) at = FindAnyCase(name, kPlt);
        return {at, kPlt.size()};
    }
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    return {dot, name.size() - dot};
}

// Where the name part of path starts.
size_t NameStart(std::string_view path)
{
    for (size_t i = path.size(); i > 0; --i)
        if (IsPathSeparator(path[i - 1])) return i;
#ifdef _WIN32
    if (path.size() >= 2 && path[1] == ':' && ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z')) return 2;
#endif
    return 0;
}

}  // namespace

bool IsPathSeparator(char c)
{
#ifdef _WIN32
    if (c == '\\') return true;
#endif
    return c == '/';
}

bool EndsWithPathSeparator(std::string_view path) { return !path.empty() && IsPathSeparator(path.back()); }

std::string JoinPath(std::string_view directory, std::string_view name)
{
    std::string path(directory);
    if (!path.empty() && !EndsWithPathSeparator(path)) path += kPathSeparator;
    return path.append(name);
}

std::string PathDirPart(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string PathNamePart(std::string_view path) { return std::string(path.substr(NameStart(path), kMaxNameLength)); }

std::string SubFolderName(std::string_view trackPath)
{
    std::string name = PathNamePart(trackPath);
    const NamePiece extension = ReplacedExtension(name, false);
    if (extension.At != std::string::npos) name.replace(extension.At, extension.Length, 1, kPathSeparator);
    return name;
}

std::string OutputName(std::string_view trackPath, std::string_view suffix)
{
    std::string name = PathNamePart(trackPath);
    const NamePiece extension = ReplacedExtension(name, true);
    if (extension.At == std::string::npos) return name + std::string(suffix);
    name.replace(extension.At, extension.Length, suffix);
    return name;
}

std::string WithNameSuffix(std::string_view trackPath, std::string_view suffix)
{
    std::string name = PathNamePart(trackPath);
    const NamePiece extension = ReplacedExtension(name, true);
    if (extension.At == std::string::npos) return JoinPath(PathDirPart(trackPath), name + std::string(suffix));
    name.insert(extension.At, suffix);
    return JoinPath(PathDirPart(trackPath), name);
}

std::string OutputPath(std::string_view directory, std::string_view trackPath, std::string_view suffix)
{
    return JoinPath(directory, OutputName(trackPath, suffix));
}

}  // namespace qm
