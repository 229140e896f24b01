#include "platform/file_text.h"

#include <array>

namespace qm {
namespace {

// Windows-1251 bytes 0x80 to 0xBF (0x98 is unassigned); 0xC0 to 0xFF are
// U+0410 to U+044F in order.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

bool IsUtf8(std::string_view bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = Utf8CharacterLength(bytes.substr(i));
        if (length == 0) return false;
        i += length;
    }
    return true;
}

void AppendUtf8(std::string& text, char16_t code)
{
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | code >> 6);
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | code >> 12);
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string FileTextToUtf8(std::string_view bytes)
{
    if (IsUtf8(bytes)) return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        const int code = Windows1251CodePoint(c);
        AppendUtf8(text, code < 0 ? char16_t{0xFFFD} : static_cast<char16_t>(code));
    }
    return text;
}

size_t Utf8CharacterLength(std::string_view text)
{
    if (text.empty()) return 0;
    auto byte = [&](size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    const size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                         : 0;
    // The second byte's range also excludes overlong forms, surrogates and
    // code points beyond U+10FFFF.
    const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || byte(1) < low || byte(1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

int Windows1251CodePoint(unsigned char byte)
{
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + byte - 0xC0;
    return byte == 0x98 ? -1 : kHighHalf[byte - 0x80];
}

}  // namespace qm
