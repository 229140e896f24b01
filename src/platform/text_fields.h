#pragma once

#include <string_view>

namespace qm {

// The text before the first separator, which is then cut off with it; without
// a separator the field is empty and nothing is cut. Field k of a line is
// thus the text between its (k-1)-th and its k-th separator.
inline std::string_view TakeField(std::string_view& text, char separator)
{
    size_t at = text.find(separator);
    if (at == std::string_view::npos) return {};
    std::string_view field = text.substr(0, at);
    text.remove_prefix(at + 1);
    return field;
}

}  // namespace qm
