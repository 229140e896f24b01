#include "formats/gpx/gpx_time.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// 2020-02-14 is day 43875.
constexpr double kDay = 43875;

TEST(GpxTimeTest, ReadsTheZonesAndFractionsTracksAreWrittenWith)
{
    const std::pair<const char*, double> times[] = {
        {"2020-02-14T18:04:30Z", kDay + (18 * 3600 + 4 * 60 + 30) / 86400.0},
        {" 2020-02-14T18:04:30.250Z\n", kDay + (18 * 3600 + 4 * 60 + 30.25) / 86400},
        {"2020-02-14T01:00:00+03:00", kDay - 2.0 / 24},  // the day before in UTC
        {"2020-02-14T23:00:00-01:30", kDay + 1 + 0.5 / 24},
        {"2020-02-14T12:00:00.000000", kDay + 0.5},      // no zone: UTC
        {"1899-12-30T00:00:00Z", 0},
    };
    for (const auto& [text, days] : times) EXPECT_DOUBLE_EQ(ParseGpxTime(text).value_or(-1), days) << text;
    for (const char* text : {"", "2020-02-14", "2020-02-14 18:04:30Z", "2020-02-30T00:00:00Z", "2020-02-14T24:00:00Z",
                             "2020-02-14T18:04:30.Z", "2020-02-14T18:04:30+3:00", "2020-02-14T18:04:30Zx"})
        EXPECT_FALSE(ParseGpxTime(text).has_value()) << text;
}

// What we write reads back as the very same day count, so a track written as
// GPX keeps its times to the last bit.
TEST(GpxTimeTest, WrittenTimesReadBackExactly)
{
    EXPECT_EQ(GpxTimeText(kDay + 0.75).value_or(""), "2020-02-14T18:00:00Z");
    EXPECT_EQ(GpxTimeText(kDay + 0.5 + 0.25 / 86400).value_or(""), "2020-02-14T12:00:00.25Z");
    EXPECT_EQ(GpxTimeText(-693594).has_value(), false);  // before the year 1
    for (double days : {43875.7531250, 39307.3279977, 38039.0936921, 25569.0, 44000.2500579, 1e-7, 2958465.9999999})
        EXPECT_EQ(ParseGpxTime(GpxTimeText(days).value_or("")).value_or(-1), days) << GpxTimeText(days).value_or("");
}

}  // namespace
}  // namespace qm
