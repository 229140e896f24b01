#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

enum class IntSyntax { Decimal, DecimalOrHex };

// Optional leading blanks, optional sign, decimal digits; with DecimalOrHex
// also "$" or "0x" followed by hexadecimal digits. Anything else, an empty
// text or a value outside 32 bits throws "'TEXT' is not a valid integer value".
int32_t TextToInt(std::string_view text, IntSyntax syntax = IntSyntax::Decimal);
std::optional<int32_t> TryTextToInt(std::string_view text,
                                    IntSyntax syntax = IntSyntax::Decimal);

// Optional blanks, optional sign, digits with an optional "." fraction, an
// optional exponent, optional trailing blanks. No "nan" or "inf"; a value too
// large for a double throws "'TEXT' is not a valid floating point value".
double TextToFloat(std::string_view text);
std::optional<double> TryTextToFloat(std::string_view text);

// The common number of a track file, fast: blanks, a sign, at most 15 digits
// with an optional point, blanks, read from the start of [text, end) up to
// the first character that does not fit this form, whose place it gives;
// value is what TextToFloat gives for the text read. Nothing for a text that
// does not start with this form; TextToFloat judges every other text.
// Inline: a track file holds millions of such numbers.
inline const char* ReadShortDecimal(const char* text, const char* end, double& value)
{
    constexpr double kExactPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const char* p = text;
    while (p != end && *p == ' ') ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    uint64_t digits = 0;
    int count = 0;
    int decimals = 0;
    for (; p != end && isDigit(*p); ++p, ++count) digits = digits * 10 + static_cast<uint64_t>(*p - '0');
    if (p != end && *p == '.') {
        for (++p; p != end && isDigit(*p); ++p, ++count, ++decimals)
            digits = digits * 10 + static_cast<uint64_t>(*p - '0');
    }
    if (count == 0 || count > 15) return nullptr;
    while (p != end && *p == ' ') ++p;
    // The digits form an integer below 2^53 and the scale is an exact power
    // of ten, so one division rounds correctly.
    const double magnitude = static_cast<double>(digits) / kExactPow10[decimals];
    value = negative ? -magnitude : magnitude;
    return p;
}

// The texts of the conversion errors: "'TEXT' is not a valid integer value"
// and "'TEXT' is not a valid floating point value", TEXT as QuotedInput
// gives it.
std::string NotIntegerMessage(std::string_view text);
std::string NotFloatMessage(std::string_view text);

// Nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

std::string IntToText(int64_t value);

// General format: up to 15 significant digits, no trailing zeros, "." as the
// separator; exponent form (1E-6, 1.5E20) only below 0.00001 in magnitude or
// from 1E15 on.
std::string FloatToText(double value);
// The same with `separator` in place of the ".", for a person to read.
std::string FloatToText(double value, char separator);

// The 15 significant digits (trailing zeros included) of the value rounded
// to 15 significant digits, and its decimal exponent; the value is finite and
// above 0.
int Digits15(double value, char (&digits)[15]);
// The same digits as one integer, fast, for most values from 1E-5 to 1E15;
// false for the others.
bool RoundTo15Digits(double value, uint64_t& digits, int& exponent);

// The last `count` decimal digits of value, with leading zeros; gives the end.
char* WriteDigits(char* out, uint64_t value, int count);

// "NAN", "INF" or "-INF".
std::string NonFiniteText(double value);

}  // namespace qm
