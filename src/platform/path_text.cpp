#include "platform/path_text.h"

#include <algorithm>

namespace qm {
namespace {

constexpr size_t kMaxNameLength = 1000;
constexpr std::string_view kPlt = ".plt";

size_t FindPltAnyCase(std::string_view name)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    auto it = std::search(name.begin(), name.end(), kPlt.begin(), kPlt.end(),
                          [&](char a, char b) { return lower(a) == b; });
    return it == name.end() ? std::string_view::npos : static_cast<size_t>(it - name.begin());
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
    size_t at = name.find(kPlt);
    if (at != std::string::npos) name.replace(at, kPlt.size(), 1, kPathSeparator);
    return name;
}

std::string OutputName(std::string_view trackPath, std::string_view suffix)
{
    std::string name = PathNamePart(trackPath);
    size_t at = name.find(kPlt);
    if (at == std::string::npos) at = FindPltAnyCase(name);
    if (at == std::string::npos) return name + std::string(suffix);
    name.replace(at, kPlt.size(), suffix);
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
