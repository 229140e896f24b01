#pragma once

#include <string_view>

namespace qm {

// The text after the UTF-8 byte-order mark some editors put before it.
inline std::string_view WithoutUtf8Bom(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

}  // namespace qm
