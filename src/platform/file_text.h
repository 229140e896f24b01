#pragma once

#include <string>
#include <string_view>

namespace qm {

// Text read from a file (the settings file in either form) as UTF-8: the
// bytes as they are when they are valid UTF-8, otherwise taken as Windows-1251,
// the code page of the Russian Windows machines these files come from.
std::string FileTextToUtf8(std::string_view bytes);

}  // namespace qm
