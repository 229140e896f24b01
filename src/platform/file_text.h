#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

// Text read from a file (the settings file in either form) as UTF-8: the
// bytes as they are when they are valid UTF-8, otherwise taken as Windows-1251,
// the code page of the Russian Windows machines these files come from.
std::string FileTextToUtf8(std::string_view bytes);

// The length of the well-formed UTF-8 character that text begins with (1 for
// ASCII); 0 when text is empty or begins with anything else (overlong forms,
// surrogates and code points beyond U+10FFFF included).
size_t Utf8CharacterLength(std::string_view text);

// The Unicode code point of a Windows-1251 byte; -1 for 0x98, the one byte
// the code page leaves unassigned.
int Windows1251CodePoint(unsigned char byte);

}  // namespace qm
