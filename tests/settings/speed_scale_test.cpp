#include "platform/error.h"
#include "settings/speed_scale.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

const std::string kDefaultText = "0;2;255;2;5;20735;5;10;45055;10;15;65535;15;20;53456;20;25;45184;25;30;49248;30;35;"
                                 "53312;35;40;57376;40;1000;61456;";

TEST(SpeedScale, DefaultTextRoundTrip)
{
    const double uppers[] = {2, 5, 10, 15, 20, 25, 30, 35, 40, 1000};
    const int32_t colors[] = {255, 20735, 45055, 65535, 53456, 45184, 49248, 53312, 57376, 61456};
    SpeedBands bands{};
    ParseScaleData(kDefaultText, bands);
    for (int i = 0; i < kBandCount; ++i) {
        EXPECT_EQ(bands[i].Lower, i == 0 ? 0 : uppers[i - 1]) << i;
        EXPECT_EQ(bands[i].Upper, uppers[i]) << i;
        EXPECT_EQ(bands[i].Color, colors[i]) << i;
    }
    EXPECT_EQ(FormatScaleData(bands), kDefaultText);
    Scales scales = DefaultScales();
    for (int k = 0; k < kScaleCount; ++k) {
        EXPECT_EQ(scales[k].Name, std::to_string(k + 1));
        EXPECT_EQ(FormatScaleData(scales[k].Categories), kDefaultText);
    }

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
        {"0;2;25x;" + kDefaultText, "'25x' is not a valid integer value"},
        {"0;;255;" + kDefaultText, "'' is not a valid integer value"},
        {" 0; +2;-1;" + kDefaultText.substr(8) + "9;x;", ""}};
    for (const auto& c : cases) {
        SpeedBands bands = DefaultBands();
        try {
            ParseScaleData(c[0], bands);
            EXPECT_EQ(c[1], "") << c[0];
            EXPECT_EQ(bands[0].Upper, 2);
            EXPECT_EQ(bands[0].Color, -1);
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), c[1]) << c[0];
        }
    }
    SpeedBands bands = DefaultBands();
    EXPECT_THROW(ParseScaleData("1;3;7;x;", bands), Error);
    EXPECT_EQ(bands[0].Upper, 3);  // bands converted before the failure keep their new values
}

TEST(SpeedScale, OldFormatCategoryLine)
{
    SpeedCategory band = ParseCategoryLine("2.5,5.5,255");
    EXPECT_EQ(std::make_tuple(band.Lower, band.Upper, band.Color), std::make_tuple(2.5, 5.5, 255));
    EXPECT_EQ(ParseCategoryLine(" 0, 2, 20735").Color, 20735);
    const char* failures[][2] = {{"2.5,5.5", "'' is not a valid floating point value"},
                                 {"2,5,255x", "'255x' is not a valid integer value"},
                                 {"2,5,255,1", "'255,1' is not a valid integer value"},
                                 {"2;5;255", "'' is not a valid floating point value"}};
    for (const auto& f : failures) {
        try {
            ParseCategoryLine(f[0]);
            ADD_FAILURE() << f[0];
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), std::string(f[1])) << f[0];
        }
    }
}

}  // namespace
}  // namespace qm
