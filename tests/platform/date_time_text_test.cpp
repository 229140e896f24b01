#include "platform/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qm {
namespace {

constexpr double kSecond = 1.0 / 86400;

TEST(DateTimeText, FixedFormatsOfTheValueRoundedToTheMillisecond)
{
    UseFixedDateTimeFormats();
    struct {
        double days;
        const char* date;
        const char* time;
        bool showsTime;
    } cases[] = {
        {39277 + (6 * 3600 + 35 * 60 + 10) * kSecond, "14.07.2007", "6:35:10", true},
        {40230 + (12 * 60 + 30) * kSecond, "21.02.2010", "0:12:30", true},
        {0, "30.12.1899", "0:00:00", false},
        {39000 + 86399.9996 * kSecond, "11.10.2006", "0:00:00", false},  // the next midnight
        {39000 + 59.9994 * kSecond, "10.10.2006", "0:00:59", true},      // never rounded up to whole seconds
        {39000 + 59.9996 * kSecond, "10.10.2006", "0:01:00", true},
        {39000 + 0.0004 * kSecond, "10.10.2006", "0:00:00", false},
        {39000 + 0.0006 * kSecond, "10.10.2006", "0:00:00", true},
        {2958465 + 86399 * kSecond, "31.12.9999", "23:59:59", true},
        {-693593, "01.01.0001", "0:00:00", false},
    };
    DateAndTimeWriter writer;  // one for all cases: a kept date text must not leak into another day
    for (const auto& c : cases) {
        SCOPED_TRACE(c.days);
        EXPECT_EQ(DateText(c.days), c.date);
        EXPECT_EQ(DateTimeText(c.days), c.date + (c.showsTime ? " " + std::string(c.time) : ""));
        char text[64];
        EXPECT_EQ(std::string(text, writer.Write(text, c.days, ',')), std::string(c.date) + "," + c.time);
    }
    // Outside the years 1 to 9999 every text is empty.
    for (double days : {-693594.0, 2958466 - 1e-9, 1e300, double(NAN)}) {
        EXPECT_EQ(DateText(days) + DateTimeText(days), "") << days;
        char text[64];
        EXPECT_EQ(std::string(text, writer.Write(text, days, ',')), ",");
    }
}

TEST(DurationText, TotalHoursNotAClockTime)
{
    const std::pair<double, const char*> cases[] = {
        {(26 * 60 + 5) / 1440.0, "26:05:00"}, {25 / 24.0, "25:00:00"},           {0, "0:00:00"},
        {0.9996 * kSecond, "0:00:01"},        {0.9994 * kSecond, "0:00:00"},     {100 + 3723 * kSecond, "2401:02:03"}};
    for (auto [days, text] : cases) EXPECT_EQ(DurationText(days), text) << days;
}

}  // namespace
}  // namespace qm
