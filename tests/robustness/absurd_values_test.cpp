// Values far outside any real track: every text made of them stays whole and
// bounded, and both commands run through a track made of them.
#include "robustness/robustness_support.h"

#include "platform/date_time_text.h"
#include "formats/ozi/ozi_text.h"
#include "platform/number_text.h"
#include "stats/report.h"
#include "stats/report_number.h"
#include "commands/statistics.h"
#include "support/test_support.h"
#include "commands/command_test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <limits>

namespace qm {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

TEST(AbsurdValues, NumberTextsKeepTheirWidthAndForm)
{
    EXPECT_EQ(FixedWidthNumber(13, 1e300), "1000000000000");
    EXPECT_EQ(FixedWidthNumber(9, -kMax), "-17976931");
    EXPECT_EQ(FixedWidthNumber(9, kTiny), "0.0000000");
    EXPECT_EQ(FixedWidthNumber(9, -kTiny), "-0.000000");
    EXPECT_EQ(FloatToText(kMax), "1.79769313486232E308");
    EXPECT_EQ(FloatToText(kTiny), "4.94065645841247E-324");
    EXPECT_EQ(ReportNumber(1e300, 2, ","), "1E300");
    EXPECT_EQ(ReportNumber(-kMax, 1, ","), "-1,797693E308");
    EXPECT_EQ(ReportNumber(-kTiny, 18, ","), "0,000000000000000000");
    EXPECT_EQ(ReportNumber(123.456, 1'000'000, "."), "123.456000000000000000");
    EXPECT_EQ(ReportNumber(123.456, -5, "."), "123");
}

TEST(AbsurdValues, DateAndTimeTextsOutsideTheCalendarAreEmpty)
{
    UseFixedDateTimeFormats();
    for (double days : {1e300, -1e300, kMax, -kMax, 1e11, -1e11}) {
        EXPECT_EQ(DateText(days), "") << days;
        EXPECT_EQ(DateTimeText(days), "") << days;
        char text[64];
        EXPECT_EQ(std::string(text, DateAndTimeWriter().Write(text, days, ',')), ",") << days;
    }
    EXPECT_EQ(DurationText(1e300), "");
    EXPECT_EQ(DurationText(-1e11), "-2400000000000:00:00");
    EXPECT_EQ(DateTimeText(kTiny), "30.12.1899");
}

// Coordinates and times at the ends of the double range, every altitude and
// break code at the ends of 32 bits: the points no track can hold are left
// out, the others go through both commands.
TEST(AbsurdValues, BothCommandsRunThroughATrackOfExtremes)
{
    UseFixedDateTimeFormats();
    test::TempDir dir;
    const std::string track = dir.Write(
        "extreme.plt",
        "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\nReserved 3\r\n0,2,255,,0\r\n0\r\n"
        "1e300,-1e300,-2147483648,-2147483648,-1.7976931348623157e308,,\r\n"
        "-1e300,1e300,0,2147483647,-1e300,,\r\n"
        "0,0,0,0,4.9e-324,,\r\n"
        "1e-300,1e-300,0,-777,1e-300,,\r\n"
        "90,180,0,0,40000,,\r\n"
        "-90,-180,0,0,40000.000000001,,\r\n"
        "1e308,1e308,2147483647,0,1e300,,\r\n"
        "1e308,-1e308,0,0,1.7976931348623157e308,,\r\n");
    test::RecordingSink sink;
    Settings settings;
    ASSERT_TRUE(test::VisualiseAndShow(track, dir.path(), settings, sink));
    EXPECT_EQ(sink.messages,
              (std::vector<std::string>{"Пропущено точек с координатами или временем вне допустимых пределов: 4 из 8.",
                                        "трек обработан"}));
    // Runs of infinite or undefined speed go to band 0, like any speed off the scale.
    EXPECT_EQ(test::FileNames(dir.path()), (std::set<std::string>{"extreme.plt", "extreme_2.plt", "extreme_stop.wpt"}));
    const std::string band = test::ReadAll(dir.File("extreme_2.plt"));
    EXPECT_NE(band.find("\r\n0.0000000,0.0000000,1,0,0.00000000000,30.12.1899,0:00:00\r\n"), std::string::npos) << band;
    EXPECT_NE(band.find("\r\n-90.00000,-180.0000,0,0,40000.0000000,06.07.2009,0:00:00\r\n"), std::string::npos);

    std::optional<StatTable> computed = TrackStatistics(track, settings, sink);
    ASSERT_TRUE(computed.has_value());
    const StatTable& table = *computed;
    for (ReportFormat format : {ReportFormat::Txt, ReportFormat::Csv}) {
        settings.SHOWFIELD.fill(true);
        settings.SHOWLEVEL.fill(true);
        Report report = BuildReport(table, settings, track, dir.path(), format);
        ASSERT_EQ(report.Lines.size(), table.size() + (format == ReportFormat::Txt ? 3 : 2));
        for (size_t i = 2; format == ReportFormat::Txt && i < report.Lines.size(); ++i)
            EXPECT_EQ(report.Lines[i].size(), report.Lines[1].size()) << report.Lines[i];
    }
}

}  // namespace
}  // namespace qm
