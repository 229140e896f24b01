#pragma once

#include <optional>
#include <string_view>

namespace qm {

// The formats a picture of the map is written in.
enum class PictureFormat { Png, Jpeg };

// The format a picture file's name asks for by its extension in any letter
// case: PNG for ".png" and for a name without an extension, JPEG for ".jpg"
// and ".jpeg"; nothing for any other extension.
std::optional<PictureFormat> PictureFormatOf(std::string_view path);

}  // namespace qm
