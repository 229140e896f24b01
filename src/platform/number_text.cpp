#include "platform/number_text.h"

#include "platform/error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace qm {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<int32_t> ParseInt(std::string_view text, IntSyntax syntax)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    int base = 10;
    if (syntax == IntSyntax::DecimalOrHex) {
        if (i < text.size() && text[i] == '$') {
            base = 16;
            ++i;
        } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
            base = 16;
            i += 2;
        }
    }
    if (i == text.size()) return std::nullopt;

    // Decimal values must fit a signed 32-bit integer; hexadecimal ones may use
    // all 32 bits, as colours written 0xFFFFFFFF do.
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        int digit = base == 16 ? HexValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    uint32_t bits = static_cast<uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
}

// Checks the syntax and returns the number without blanks, or nothing.
std::optional<std::string_view> RealBody(std::string_view text)
{
    size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ') ++begin;
    size_t end = text.size();
    while (end > begin && text[end - 1] == ' ') --end;
    std::string_view body = text.substr(begin, end - begin);

    size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
    size_t digits = 0;
    while (i < body.size() && IsDigit(body[i])) ++i, ++digits;
    if (i < body.size() && body[i] == '.') {
        ++i;
        while (i < body.size() && IsDigit(body[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < body.size() && IsDigit(body[i])) ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != body.size()) return std::nullopt;
    return body;
}

// Decimal exponent of the first non-zero digit of a checked, unsigned real
// text; used only to tell an underflow from an overflow.
long LeadingExponent(std::string_view number)
{
    size_t e = number.find_first_of("eE");
    std::string_view mantissa = number.substr(0, e);
    size_t point = std::min(mantissa.find('.'), mantissa.size());
    size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return std::numeric_limits<long>::min();
    long lead = first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    long exponent = 0;
    if (e != std::string_view::npos) {
        size_t k = e + 1;
        bool negative = number[k] == '-';
        if (number[k] == '+' || number[k] == '-') ++k;
        for (; k < number.size() && exponent < 1000000; ++k) exponent = exponent * 10 + (number[k] - '0');
        if (negative) exponent = -exponent;
    }
    return lead + exponent;
}

std::optional<double> ParseReal(std::string_view text)
{
    auto body = RealBody(text);
    if (!body) return std::nullopt;
    std::string_view number = *body;
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (LeadingExponent(number) >= 0) return std::nullopt;
        value = 0;  // too small for a double: it reads as zero
    } else if (ec != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// Digits (without trailing zeros) and decimal exponent of the value rounded
// to 15 significant digits; the value is finite and not zero.
struct Decimal15 {
    std::string digits;
    int exponent;
};

Decimal15 ToDecimal15(double value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                std::chars_format::scientific, 14);
    std::string_view text(buffer, result.ptr - buffer);
    size_t e = text.find('e');
    Decimal15 d;
    for (char c : text.substr(0, e))
        if (c != '.') d.digits += c;
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), d.exponent);
    return d;
}

std::string PlainDecimal(const Decimal15& d)
{
    std::string out;
    if (d.exponent < 0) {
        out = "0." + std::string(-d.exponent - 1, '0') + d.digits;
    } else if (static_cast<size_t>(d.exponent) + 1 >= d.digits.size()) {
        out = d.digits + std::string(d.exponent + 1 - d.digits.size(), '0');
    } else {
        out = d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
    }
    return out;
}

std::string NonFinite(double value)
{
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

}  // namespace

int32_t TextToInt(std::string_view text, IntSyntax syntax)
{
    if (auto value = ParseInt(text, syntax)) return *value;
    throw Error("'" + std::string(text) + "' is not a valid integer value");
}

std::optional<int32_t> TryTextToInt(std::string_view text, IntSyntax syntax)
{
    return ParseInt(text, syntax);
}

double TextToFloat(std::string_view text)
{
    if (auto value = ParseReal(text)) return *value;
    throw Error("'" + std::string(text) + "' is not a valid floating point value");
}

std::optional<double> TryTextToFloat(std::string_view text) { return ParseReal(text); }

double RoundHalfEven(double value)
{
    double lower = std::floor(value);
    double fraction = value - lower;
    if (fraction > 0.5) return lower + 1;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

std::string IntToText(int64_t value)
{
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FloatToText(double value)
{
    if (!std::isfinite(value)) return NonFinite(value);
    if (value == 0) return "0";
    Decimal15 d = ToDecimal15(value);
    std::string sign = value < 0 ? "-" : "";
    if (d.exponent < -5 || d.exponent >= 15) {
        std::string mantissa = d.digits.substr(0, 1);
        if (d.digits.size() > 1) mantissa += "." + d.digits.substr(1);
        return sign + mantissa + "E" + IntToText(d.exponent);
    }
    return sign + PlainDecimal(d);
}

std::string FixedWidthNumber(int width, double value)
{
    std::string text;
    if (!std::isfinite(value)) {
        text = NonFinite(value);
    } else if (value == 0) {
        text = "0";
    } else {
        text = (value < 0 ? "-" : "") + PlainDecimal(ToDecimal15(value));
    }
    if (text.find('.') == std::string::npos) text += '.';
    text.append(width, '0');
    return text.substr(0, width);
}

}  // namespace qm
