#include "platform/path_text.h"

#include "platform/ascii_case.h"

#include <algorithm>

namespace qm {
namespace {

constexpr size_t kMaxNameLength = 1000;
// The extensions of the track formats, in the order they are looked for.
constexpr std::string_view kTrackExtensions[] = {".plt", ".gpx"};
constexpr size_t kExtensionLength = 4;

size_t FindAnyCase(std::string_view name, std::string_view extension)
{
    auto it = std::search(name.begin(), name.end(), extension.begin(), extension.end(),
                          [](char a, char b) { return AsciiLower(a) == b; });
    return it == name.end() ? std::string_view::npos : static_cast<size_t>(it - name.begin());
}

// Where the first track extension starts in name, looked for extension by
// extension, each in exactly its case and then, with anyCase, in any case.
size_t FindTrackExtension(std::string_view name, bool anyCase)
{
    for (std::string_view extension : kTrackExtensions) {
        size_t at = name.find(extension);
        if (at == std::string_view::npos && anyCase) at = FindAnyCase(name, extension);
        if (at != std::string_view::npos) return at;
    }
    return std::string_view::npos;
}

}  // namespace

std::string PathDirPart(std::string_view path)
{
    size_t slash = path.rfind(kPathSeparator);
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string PathNamePart(std::string_view path)
{
    size_t slash = path.rfind(kPathSeparator);
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(name.substr(0, kMaxNameLength));
}

std::string SubFolderName(std::string_view trackPath)
{
    std::string name = PathNamePart(trackPath);
    size_t at = FindTrackExtension(name, false);
    if (at != std::string::npos) name.replace(at, kExtensionLength, 1, kPathSeparator);
    return name;
}

std::string OutputName(std::string_view trackPath, std::string_view suffix)
{
    std::string name = PathNamePart(trackPath);
    const bool plt = name.size() >= kExtensionLength &&
                     SameTextAnyCase(std::string_view(name).substr(name.size() - kExtensionLength), ".plt");
    if (plt) {
        name.replace(FindTrackExtension(name, true), kExtensionLength, suffix);
        return name;
    }
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return name + std::string(suffix);
    name.replace(dot, std::string::npos, suffix);
    return name;
}

std::string OutputPath(std::string_view directory, std::string_view trackPath, std::string_view suffix)
{
    std::string path(directory);
    // No directory means the current one, not the root.
    if (!path.empty() && path.back() != kPathSeparator) path += kPathSeparator;
    return path + OutputName(trackPath, suffix);
}

}  // namespace qm
