#include "map/picture_format.h"

#include "platform/ascii_case.h"
#include "platform/path_text.h"

#include <string>

namespace qm {

std::optional<PictureFormat> PictureFormatOf(std::string_view path)
{
    const std::string name = PathNamePart(path);
    // A leading dot starts a hidden file's name, not an extension.
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return PictureFormat::Png;
    const std::string_view extension = std::string_view(name).substr(dot + 1);
    if (SameTextAnyCase(extension, "png")) return PictureFormat::Png;
    if (SameTextAnyCase(extension, "jpg") || SameTextAnyCase(extension, "jpeg")) return PictureFormat::Jpeg;
    return std::nullopt;
}

}  // namespace qm
