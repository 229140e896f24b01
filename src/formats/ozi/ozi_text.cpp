#include "formats/ozi/ozi_text.h"

#include "platform/number_text.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

constexpr uint64_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000,
                               10000000000, 100000000000, 1000000000000, 10000000000000, 100000000000000,
                               1000000000000000};

// The common case, fast: a magnitude from 1 to 1E14, whose text is its
// integer digits, the point and its fraction digits, cut at the room left.
// Only the digits shown are written.
bool WriteShortFixed(char*& out, char* end, double magnitude)
{
    uint64_t digits = 0;
    int exponent = 0;
    if (!RoundTo15Digits(magnitude, digits, exponent) || exponent < 0 || exponent > 13) return false;
    const int integerDigits = exponent + 1;
    const int room = static_cast<int>(end - out);
    if (room <= integerDigits) {
        out = WriteDigits(out, digits / kPow10[15 - room], room);
        return true;
    }
    const int fractionDigits = std::min(room - integerDigits - 1, 15 - integerDigits);
    out = WriteDigits(out, digits / kPow10[15 - integerDigits], integerDigits);
    *out++ = '.';
    out = WriteDigits(out, digits / kPow10[15 - integerDigits - fractionDigits], fractionDigits);
    return true;
}

}  // namespace

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
        if (!WriteShortFixed(out, end, std::fabs(value))) {
            char digits[15];
            const int exponent = Digits15(std::fabs(value), digits);
            if (exponent >= 14) {
                for (char c : digits) put(c);
                for (int i = 14; i < exponent && out != end; ++i) put('0');
                put('.');
            } else if (exponent >= 0) {
                for (int i = 0; i < 15; ++i) {
                    put(digits[i]);
                    if (i == exponent) put('.');
                }
            } else {
                put('0');
                put('.');
                for (int i = -1; i > exponent && out != end; --i) put('0');
                for (char c : digits) put(c);
            }
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

std::string HeaderLineText(std::string_view line)
{
    std::string text(line);
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

}  // namespace qm
