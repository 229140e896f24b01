#include "formats/ozi/ozi_text.h"

#include "platform/number_text.h"

#include <algorithm>
#include <cmath>

namespace qm {

char* WriteFixedWidthNumber(char* out, int width, double value)
{
    if (width <= 0) return out;
    // Room for the plain decimal text of any double.
    char text[352];
    char* p = text;
    if (!std::isfinite(value)) {
        std::string name = NonFiniteText(value);
        p = std::copy(name.begin(), name.end(), p);
        *p++ = '.';
    } else if (value == 0) {
        *p++ = '0';
        *p++ = '.';
    } else {
        if (value < 0) *p++ = '-';
        char digits[15];
        int exponent = Digits15(std::fabs(value), digits);
        if (exponent >= 14) {
            p = std::copy_n(digits, 15, p);
            p = std::fill_n(p, exponent - 14, '0');
            *p++ = '.';
        } else if (exponent >= 0) {
            for (int i = 0; i < 15; ++i) {
                *p++ = digits[i];
                if (i == exponent) *p++ = '.';
            }
        } else {
            *p++ = '0';
            *p++ = '.';
            p = std::fill_n(p, -exponent - 1, '0');
            p = std::copy_n(digits, 15, p);
        }
    }
    const size_t length = static_cast<size_t>(p - text);
    const size_t size = static_cast<size_t>(width);
    if (length >= size) return std::copy_n(text, size, out);
    out = std::copy_n(text, length, out);
    return std::fill_n(out, size - length, '0');
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
