#include "formats/ozi/ozi_text.h"

#include "platform/number_text.h"

#include <algorithm>
#include <cmath>

namespace qm {

char* WriteFixedWidthNumber(char* out, int width, double value)
{
    if (width <= 0) return out;
    // The text is written straight to out and cut at its end.
    char* const end = out + width;
    auto put = [&](char c) {
        if (out != end) *out++ = c;
    };
    if (!std::isfinite(value)) {
        for (char c : NonFiniteText(value)) put(c);
        put('.');
    } else if (value == 0) {
        put('0');
        put('.');
    } else {
        if (value < 0) put('-');
        char digits[15];
        const int exponent = Digits15(std::fabs(value), digits);
        if (exponent >= 14) {
            for (char c : digits) put(c);
            for (int i = 14; i < exponent && out != end; ++i) put('0');
            put('.');
        } else if (exponent >= 0) {
            // The common case, without a test per character: at most the 15
            // digits with the point after digit `exponent`.
            const int shown = std::min(static_cast<int>(end - out), 16);
            for (int i = 0; i < shown; ++i) out[i] = i <= exponent ? digits[i] : i == exponent + 1 ? '.' : digits[i - 1];
            out += shown;
        } else {
            put('0');
            put('.');
            for (int i = -1; i > exponent && out != end; --i) put('0');
            for (char c : digits) put(c);
        }
    }
    std::fill(out, end, '0');
    return end;
}

std::string FixedWidthNumber(int width, double value)
{
    std::string text(static_cast<size_t>(std::max(width, 0)), '0');
    WriteFixedWidthNumber(text.data(), width, value);
    return text;
}

std::string ReplaceField(std::string_view line, int n, std::string_view value)
{
    size_t start = 0;  // where field `field` begins
    int field = 1;
    for (; field < n; ++field) {
        size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (field < n) return std::string(line) + std::string(n - field, ',') + std::string(value);
    size_t end = line.find(',', start);
    std::string result(line.substr(0, start));
    result += value;
    if (end != std::string_view::npos) result += line.substr(end);
    return result;
}

}  // namespace qm
