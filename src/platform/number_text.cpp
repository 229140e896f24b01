#include "platform/number_text.h"

#include "platform/error.h"
#include "platform/message_text.h"
#include "platform/quoted_input.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
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

}  // namespace

namespace {

std::optional<double> ParseReal(std::string_view text)
{
    const char* const end = text.data() + text.size();
    if (double value; const char* read = ReadShortDecimal(text.data(), end, value))
        if (read == end) return value;
    auto body = RealBody(text);
    if (!body) return std::nullopt;
    std::string_view number = *body;
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    auto [converted, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (LeadingExponent(number) >= 0) return std::nullopt;
        value = 0;  // too small for a double: it reads as zero
    } else if (ec != std::errc() || converted != number.data() + number.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                             1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";
constexpr double kNegPow10[] = {1e0, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5};

constexpr uint64_t kIntPow10[] = {1,
                                  10,
                                  100,
                                  1000,
                                  10000,
                                  100000,
                                  1000000,
                                  10000000,
                                  100000000,
                                  1000000000,
                                  10000000000,
                                  100000000000,
                                  1000000000000,
                                  10000000000000,
                                  100000000000000,
                                  1000000000000000};

}  // namespace

// The value scaled by one exact power of ten. The product is below 2^50, so
// it is off by at most 1/16 from the exact one; where its fraction is farther
// than that from one half, rounding it rounds the exact value.
bool RoundTo15Digits(double value, uint64_t& digits, int& exponent)
{
    if (!(value >= 1e-5 && value < 1e15)) return false;
    int e = 0;
    if (value >= 1) {
        while (e < 14 && value >= kPow10[e + 1]) ++e;
    } else {
        e = -1;
        while (value < kNegPow10[-e]) --e;
    }
    double scaled = value * kPow10[14 - e];
    // Below 2^53: the conversion rounds down exactly, and faster than floor.
    uint64_t whole = static_cast<uint64_t>(scaled);
    double fraction = scaled - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) < 0.125) return false;
    uint64_t n = whole + (fraction > 0.5 ? 1 : 0);
    if (n < kIntPow10[14] || n >= kIntPow10[15]) return false;  // exponent misjudged
    digits = n;
    exponent = e;
    return true;
}

char* WriteDigits(char* out, uint64_t value, int count)
{
    char* const end = out + count;
    char* p = end;
    // Eight digits at a time in 32 bits, two digits at a time.
    auto pairs = [&](uint32_t digits, int pairCount) {
        for (int i = 0; i < pairCount; ++i) {
            p -= 2;
            std::memcpy(p, kDigitPairs + 2 * (digits % 100), 2);
            digits /= 100;
        }
        return digits;
    };
    for (; count >= 8; count -= 8) {
        pairs(static_cast<uint32_t>(value % 100000000), 4);
        value /= 100000000;
    }
    uint32_t rest = pairs(static_cast<uint32_t>(value % 100000000), count / 2);
    if (count % 2 == 1) *--p = static_cast<char>('0' + rest % 10);
    return end;
}

namespace {

// The common case, fast: the 15 digits of RoundTo15Digits. False when it
// cannot tell.
bool ScaledDigits15(double value, char (&digits)[15], int& exponent)
{
    uint64_t n = 0;
    if (!RoundTo15Digits(value, n, exponent)) return false;
    // Four independent groups of at most four digits, two digits at a time.
    auto fourDigits = [](char* out, uint32_t value) {
        std::memcpy(out, kDigitPairs + 2 * (value / 100), 2);
        std::memcpy(out + 2, kDigitPairs + 2 * (value % 100), 2);
    };
    uint32_t high = static_cast<uint32_t>(n / 100000000);  // 7 digits
    uint32_t low = static_cast<uint32_t>(n % 100000000);   // 8 digits
    fourDigits(digits + 11, low % 10000);
    fourDigits(digits + 7, low / 10000);
    fourDigits(digits + 3, high % 10000);
    uint32_t top = high / 10000;  // 3 digits
    digits[0] = static_cast<char>('0' + top / 100);
    std::memcpy(digits + 1, kDigitPairs + 2 * (top % 100), 2);
    return true;
}

}  // namespace

int Digits15(double value, char (&digits)[15])
{
    int exponent = 0;
    if (ScaledDigits15(value, digits, exponent)) return exponent;
    char buffer[48];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view text(buffer, result.ptr - buffer);
    size_t e = text.find('e');  // d.dddddddddddddde+XX
    digits[0] = text[0];
    std::copy_n(text.data() + 2, 14, digits + 1);
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    return exponent;
}

namespace {

struct Decimal15 {
    std::string digits;
    int exponent;
};

Decimal15 ToDecimal15(double value)
{
    char digits[15];
    Decimal15 d;
    d.exponent = Digits15(std::fabs(value), digits);
    int count = 15;
    while (count > 1 && digits[count - 1] == '0') --count;
    d.digits.assign(digits, count);
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

}  // namespace

std::string NonFiniteText(double value)
{
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string NotIntegerMessage(std::string_view text)
{
    return MessageText(MessageId::NotInteger, {QuotedInput(text)});
}

std::string NotFloatMessage(std::string_view text) { return MessageText(MessageId::NotFloat, {QuotedInput(text)}); }

int32_t TextToInt(std::string_view text, IntSyntax syntax)
{
    if (auto value = ParseInt(text, syntax)) return *value;
    throw Error(NotIntegerMessage(text));
}

std::optional<int32_t> TryTextToInt(std::string_view text, IntSyntax syntax)
{
    return ParseInt(text, syntax);
}

double TextToFloat(std::string_view text)
{
    if (auto value = ParseReal(text)) return *value;
    throw Error(NotFloatMessage(text));
}

std::optional<double> TryTextToFloat(std::string_view text) { return ParseReal(text); }

double RoundHalfEven(double value)
{
    // Below 2^52 in magnitude, fast: the whole part in an integer is exact.
    // Zero keeps its sign.
    if (std::fabs(value) < 0x1p52 && value != 0) {
        // Without branches: which way a track's values go is anyone's guess.
        auto whole = static_cast<int64_t>(value);  // toward zero
        whole -= static_cast<double>(whole) > value;
        const double fraction = value - static_cast<double>(whole);
        whole += (fraction > 0.5) | ((fraction == 0.5) & (whole & 1));
        return static_cast<double>(whole);
    }
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
    if (!std::isfinite(value)) return NonFiniteText(value);
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

std::string FloatToText(double value, char separator)
{
    std::string text = FloatToText(value);
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

}  // namespace qm
