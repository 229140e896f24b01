#include "settings/colour_scale_edit.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

const char* const kBoundsWrong = "Границы полос шкалы: не больше 31 возрастающих чисел от -1000000 до 1000000.";

TEST(ColourScaleEdit, TypedBoundsReadWithEitherSeparatorAndShowAsTheyRead)
{
    const std::pair<std::string, std::vector<double>> cases[] = {
        {"", {}},
        {" ; \t", {}},
        {"60;70;80;90;", {60, 70, 80, 90}},
        {" 60 ; 70  80;;90 ", {60, 70, 80, 90}},
        {"-10 -2.5 1e-6 1E6", {-10, -2.5, 1e-6, 1e6}},
    };
    for (const auto& [text, bounds] : cases) {
        EXPECT_EQ(ParseTypedBounds(text), bounds) << text;
        EXPECT_EQ(ParseTypedBounds(BoundsEditText(bounds)), bounds) << text;
    }
    EXPECT_EQ(BoundsEditText({-10, 0.5, 1e-6}), "-10; 0.5; 1E-6");
    EXPECT_EQ(BoundsEditText({}), "");
}

TEST(ColourScaleEdit, TypedBoundsThatBreakTheScaleAreRefused)
{
    std::string most, tooMany, tooLong(64 * kMostColourBands + 1, ' ');
    for (int k = 1; k < kMostColourBands; ++k) most += std::to_string(k) + " ";
    tooMany = most + "1000";
    const std::pair<std::string, std::string> cases[] = {
        {"60 70 70", kBoundsWrong},
        {"90; 80", kBoundsWrong},
        {"1000001", kBoundsWrong},
        {"-1e7 0", kBoundsWrong},
        {tooMany, kBoundsWrong},
        {tooLong, kBoundsWrong},
        {"60, 70", "'60,' is not a valid floating point value"},
        {"1,5", "'1,5' is not a valid floating point value"},
        {"nan", "'nan' is not a valid floating point value"},
    };
    for (const auto& c : cases) EXPECT_EQ(test::Thrown([&] { ParseTypedBounds(c.first); }), c.second) << c.first;
    EXPECT_EQ(ParseTypedBounds(most).size(), static_cast<size_t>(kMostColourBands - 1));
}

// A changed colour makes the scale's colours those shown: one per band, or
// without bounds the scale's own colours.
TEST(ColourScaleEdit, ShownColoursAndChangingOne)
{
    const std::vector<int32_t> palette = ColourPalette();
    struct Case {
        ColourScale Scale;
        std::vector<int32_t> Shown;
        std::vector<int32_t> AfterFirstSetTo1;
    };
    const Case cases[] = {
        {{{60, 70, 80, 90}, palette}, {palette[0], palette[2], palette[3], palette[4], palette[6]},
         {1, palette[2], palette[3], palette[4], palette[6]}},
        {{{}, palette}, palette, {1, palette[1], palette[2], palette[3], palette[4], palette[5], palette[6]}},
        {{{}, {}}, palette, {1, palette[1], palette[2], palette[3], palette[4], palette[5], palette[6]}},
        {{{5}, {7}}, {7, 7}, {1, 7}},
        {{{5, 6}, {7, 8}}, {7, 7, 8}, {1, 7, 8}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShownColors(c.Scale), c.Shown);
        EXPECT_EQ(WithShownColor(c.Scale, 0, 1), c.AfterFirstSetTo1);
    }
    EXPECT_EQ(WithShownColor({{5}, {7, 8}}, 1, 2), (std::vector<int32_t>{7, 2}));
}

}  // namespace
}  // namespace qm
