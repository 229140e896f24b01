#include "platform/quoted_input.h"

namespace qm {
namespace {

constexpr size_t kMaxQuotedCharacters = 80;

bool StartsCharacter(unsigned char byte) { return (byte & 0xC0) != 0x80; }

void AppendEscape(std::string& out, unsigned char byte)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    switch (byte) {
        case '\0': out += "\\0"; return;
        case '\t': out += "\\t"; return;
        case '\n': out += "\\n"; return;
        case '\r': out += "\\r"; return;
        default:
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
    }
}

// The text escaped, cut after `most` characters with "…".
std::string Escaped(std::string_view text, size_t most)
{
    std::string out;
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (StartsCharacter(byte) && characters++ == most) return out + "…";
        if (byte < 0x20 || byte == 0x7F) {
            AppendEscape(out, byte);
        } else if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            // A C1 control character, U+0080 to U+009F (U+0085 ends a line for some readers).
            out += "\\u00";
            out += "89"[text[i + 1] & 0x10 ? 1 : 0];
            out += "0123456789ABCDEF"[text[i + 1] & 0xF];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string QuotedInput(std::string_view text) { return Escaped(text, kMaxQuotedCharacters); }

std::string EscapedText(std::string_view text) { return Escaped(text, std::string_view::npos); }

}  // namespace qm
