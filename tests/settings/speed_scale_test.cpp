#include "settings/speed_scale.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

const std::string kDefaultText = "0;2;255;2;5;20735;5;10;45055;10;15;65535;15;20;53456;20;25;45184;25;30;49248;30;35;"
                                 "53312;35;40;57376;40;1000;61456;";

auto Fields(const SpeedCategory& band) { return std::make_tuple(band.Lower, band.Upper, band.Color); }

TEST(SpeedScale, ScaleDataRoundTrip)
{
    ScaleBands bands{};
    ParseScaleData(kDefaultText, bands);
    EXPECT_EQ(Fields(bands[1]), std::make_tuple(2.0, 5.0, 20735));
    EXPECT_EQ(Fields(bands[9]), std::make_tuple(40.0, 1000.0, 61456));
    EXPECT_EQ(FormatScaleData(bands), kDefaultText);
    for (const SpdCatSet& scale : DefaultScales()) EXPECT_EQ(FormatScaleData(scale.Categories), kDefaultText);

    bands[0].Upper = 2.5;  // fractional bounds come only from an old-format file
    bands[1].Lower = 3.5;
    bands[1].Upper = -2.5;
    EXPECT_EQ(FormatScaleData(bands).substr(0, 16), "0;2;255;4;-2;207");
}

TEST(SpeedScale, ScaleDataFieldsAreIntegersEachEndedBySemicolon)
{
    const std::string cases[][2] = {
        {kDefaultText.substr(0, kDefaultText.size() - 1), "'' is not a valid integer value"},
        {kDefaultText.substr(0, kDefaultText.size() - 6), "'' is not a valid integer value"},
        {"0;2.5;255;" + kDefaultText, "'2.5' is not a valid integer value"},
        {"0;;255;" + kDefaultText, "'' is not a valid integer value"}};
    for (const auto& c : cases) {
        ScaleBands bands = DefaultBands();
        EXPECT_EQ(test::Thrown([&] { ParseScaleData(c[0], bands); }), c[1]) << c[0];
    }
    ScaleBands bands = DefaultBands();
    ParseScaleData(" 0; +2;-1;" + kDefaultText.substr(8) + "9;x;", bands);  // what follows the tenth band is not read
    EXPECT_EQ(Fields(bands[0]), std::make_tuple(0.0, 2.0, -1));
    EXPECT_EQ(test::Thrown([&] { ParseScaleData("1;3;7;x;", bands); }), "'x' is not a valid integer value");
    EXPECT_EQ(bands[0].Upper, 3);  // bands converted before the failure keep their new values
}

TEST(SpeedScale, OldFormatCategoryLine)
{
    EXPECT_EQ(Fields(ParseCategoryLine(" 2.5, 5.5, 255")), std::make_tuple(2.5, 5.5, 255));
    const char* failures[][2] = {{"2.5,5.5", "'' is not a valid floating point value"},
                                 {"2,5,255x", "'255x' is not a valid integer value"},
                                 {"2,5,255,1", "'255,1' is not a valid integer value"}};
    for (const auto& f : failures) EXPECT_EQ(test::Thrown([&] { ParseCategoryLine(f[0]); }), f[1]) << f[0];
}

}  // namespace
}  // namespace qm
