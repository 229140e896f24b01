#include "platform/number_text.h"
#include "platform/quoted_input.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

namespace qm {
namespace {

constexpr IntSyntax kDec = IntSyntax::Decimal, kHex = IntSyntax::DecimalOrHex;

TEST(NumberText, TextToIntAcceptsHexOnlyWhereAllowed)
{
    struct { const char* text; IntSyntax syntax; int32_t value; } cases[] = {
        {"  42", kDec, 42}, {"-7", kDec, -7}, {"+7", kDec, 7}, {"-2147483648", kDec, INT32_MIN},
        {"2147483647", kDec, INT32_MAX}, {"$1F", kHex, 31}, {"0XFF", kHex, 255}, {" -$10", kHex, -16},
        {"$FFFFFFFF", kHex, -1}, {"12", kHex, 12}};
    for (const auto& c : cases) EXPECT_EQ(TextToInt(c.text, c.syntax), c.value) << c.text;
    for (const char* text : {"$", "0x", "$G", "$100000000", "0x 1", "1.5"})
        EXPECT_FALSE(TryTextToInt(text, kHex)) << text;
}

TEST(NumberText, FailuresQuoteTheTextWithItsBlanks)
{
    for (const char* text : {"", " ", "+", "1.5", "5 ", "1e3", "12a", "2147483648", "-2147483649", "$1F", "- 1"})
        EXPECT_EQ(test::Thrown([&] { TextToInt(text); }), "'" + std::string(text) + "' is not a valid integer value");
    for (const char* text : {" 1,5 ", "nan", "-inf", "1e999", "", ".", "e5", "1e+", "0x10", "1.5.2", "1 2"})
        EXPECT_EQ(test::Thrown([&] { TextToFloat(text); }),
                  "'" + std::string(text) + "' is not a valid floating point value");
}

// A quote is one line of at most 80 characters, whatever the input.
TEST(QuotedInput, CutsAndEscapes)
{
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"},
        {std::string("a\0b\tc\nd\re\x1B\x7F", 11), "a\\0b\\tc\\nd\\re\\x1B\\x7F"},
        {"\xC2\x85 \xC2\x9F \xC2\xA0", "\\u0085 \\u009F \xC2\xA0"},  // C1 controls, then a no-break space
        {std::string(80, 'x'), std::string(80, 'x')},
        {std::string(81, 'x'), std::string(80, 'x') + "…"},
        {std::string(40, 'x') + std::string(50, 'y') + "\xD1\x8F", std::string(40, 'x') + std::string(40, 'y') + "…"},
        {"\xD1\x8F" + std::string(100, 'x'), "\xD1\x8F" + std::string(79, 'x') + "…"},  // characters, not bytes
    };
    for (const auto& [text, quoted] : cases) EXPECT_EQ(QuotedInput(text), quoted) << text;
    EXPECT_EQ(test::Thrown([&] { TextToFloat(std::string(1000, '1')); }),
              "'" + std::string(80, '1') + "…' is not a valid floating point value");
}

TEST(NumberText, TextToFloatSyntax)
{
    const std::pair<const char*, double> cases[] = {
        {".5", 0.5}, {"5.", 5}, {"1E-3", 0.001}, {"+1", 1}, {"  3.75  ", 3.75}, {"-1e-999", 0},
        {"4.9e-324", 4.9e-324}, {"1.7976931348623157e308", std::numeric_limits<double>::max()}};
    for (auto [text, value] : cases) EXPECT_EQ(TextToFloat(text), value) << text;
}

TEST(NumberText, FloatToTextGeneralFormat)
{
    const std::pair<double, const char*> cases[] = {
        {2, "2"}, {0.5, "0.5"}, {0, "0"}, {1e-6, "1E-6"}, {-1.5e-7, "-1.5E-7"}, {0.00001, "0.00001"},
        {1e15, "1E15"}, {1.5e20, "1.5E20"}, {-123456789012345, "-123456789012345"}, {0.1 + 0.2, "0.3"},
        {2.0 / 3, "0.666666666666667"}, {999999999999999.9, "1E15"}};
    for (auto [value, text] : cases) EXPECT_EQ(FloatToText(value), text) << text;
}

// Against the standard library's correctly rounded 15 digits, over many
// magnitudes and over exact decimal ties (m.5 with a 15-digit m).
TEST(NumberText, FifteenDigitsAreCorrectlyRounded)
{
    std::mt19937_64 random(20240601);
    std::uniform_real_distribution<double> mantissa(0.5, 1);
    std::uniform_int_distribution<int> exponent(-24, 56);
    std::uniform_int_distribution<int64_t> whole(100000000000000, 999999999999999);
    for (int i = 0; i < 100000; ++i) {
        double value = i % 4 ? std::ldexp(mantissa(random), exponent(random)) : whole(random) + 0.5;
        if (i % 3 == 0) value = -value;
        char text[32];
        double expected = 0;
        std::from_chars(text, std::to_chars(text, text + 32, value, std::chars_format::scientific, 14).ptr, expected);
        ASSERT_EQ(TextToFloat(FloatToText(value)), expected) << FloatToText(value);
    }
}

TEST(NumberText, RoundHalfEven)
{
    const double cases[][2] = {{2.5, 2},
                               {3.5, 4},
                               {-2.5, -2},
                               {-3.5, -4},
                               {0.5, 0},
                               {2.4999, 2},
                               {-0.6, -1},
                               {0x1p52 - 0.5, 0x1p52},
                               {0x1p52 - 1.5, 0x1p52 - 2},
                               {-0x1p52 + 0.5, -0x1p52},
                               {0x1p53 + 2, 0x1p53 + 2},
                               {1e300, 1e300},
                               {HUGE_VAL, HUGE_VAL}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c[0]), c[1]) << c[0];
    // Zero keeps its sign; what rounds to zero from below is +0.
    for (const auto& [value, negative] : {std::pair{-0.0, true}, {0.0, false}, {-0.3, false}, {-0.5, false}})
        EXPECT_EQ(std::signbit(RoundHalfEven(value)), negative) << value;
    EXPECT_TRUE(std::isnan(RoundHalfEven(NAN)));
    // The rounding of the processor, halves to even, on values of every size.
    for (double value = 1e-3; value < 1e17; value *= 1.37)
        for (double v : {value, -value, std::round(value) + 0.5, -std::round(value) - 0.5})
            EXPECT_EQ(RoundHalfEven(v), std::nearbyint(v)) << v;
}

}  // namespace
}  // namespace qm
