#include "formats/xml/xml_text.h"

#include <charconv>

namespace qm {
namespace {

// Enough for any double in fixed notation with the decimals asked for.
constexpr size_t kMaxDecimal = 400;

std::string WithoutTrailingZeros(std::string text)
{
    if (text.find('.') == std::string::npos) return text;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
    return text;
}

}  // namespace

std::string XmlEscaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') escaped += c;
        }
    }
    return escaped;
}

std::string_view XmlTrimmed(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string XmlElement(std::string_view name, std::string_view text)
{
    return "<" + std::string(name) + ">" + XmlEscaped(text) + "</" + std::string(name) + ">";
}

std::string XmlDecimal(double value, int decimals)
{
    char text[kMaxDecimal];
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return WithoutTrailingZeros(std::string(text, result.ptr));
}

std::string RgbHex(int32_t color)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    const auto bgr = static_cast<uint32_t>(color);
    std::string hex;
    for (int shift : {0, 8, 16}) {
        const uint32_t byte = bgr >> shift & 0xFF;
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

}  // namespace qm
