#include "platform/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qm {
namespace {

constexpr double kSecond = 1.0 / 86400;

class DateTimeTextTest : public ::testing::Test {
protected:
    void SetUp() override { UseFixedDateTimeFormats(); }
};

TEST_F(DateTimeTextTest, FixedFormats)
{
    struct Case {
        double days;
        const char* date;
        const char* time;
        const char* dateTime;
    } cases[] = {
        {39000.5, "10.10.2006", "12:00:00", "10.10.2006 12:00:00"},
        {39307.3279977, "13.08.2007", "7:52:19", "13.08.2007 7:52:19"},
        {39277 + (6 * 3600 + 35 * 60 + 10) * kSecond, "14.07.2007", "6:35:10", "14.07.2007 6:35:10"},
        {40230 + (12 * 60 + 30) * kSecond, "21.02.2010", "0:12:30", "21.02.2010 0:12:30"},
        {25569, "01.01.1970", "0:00:00", "01.01.1970"},
        {0, "30.12.1899", "0:00:00", "30.12.1899"},
        {2, "01.01.1900", "0:00:00", "01.01.1900"},
        // Rounded to the millisecond before the split: this is the next midnight.
        {39000 + 86399.9996 * kSecond, "11.10.2006", "0:00:00", "11.10.2006"},
        // Seconds are whole seconds of the rounded value, never rounded up.
        {39000 + 59.9994 * kSecond, "10.10.2006", "0:00:59", "10.10.2006 0:00:59"},
        {39000 + 59.9996 * kSecond, "10.10.2006", "0:01:00", "10.10.2006 0:01:00"},
        {39000 + 0.0004 * kSecond, "10.10.2006", "0:00:00", "10.10.2006"},
        {39000 + 0.0006 * kSecond, "10.10.2006", "0:00:00", "10.10.2006 0:00:00"},
        {2958465 + 86399 * kSecond, "31.12.9999", "23:59:59", "31.12.9999 23:59:59"},
        {-693593, "01.01.0001", "0:00:00", "01.01.0001"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateText(c.days), c.date) << c.days;
        EXPECT_EQ(TimeText(c.days), c.time) << c.days;
        EXPECT_EQ(DateTimeText(c.days), c.dateTime) << c.days;
        std::string out = "x";
        AppendDateAndTimeText(out, c.days, ", ");
        EXPECT_EQ(out, "x" + std::string(c.date) + ", " + c.time);
    }
}

TEST_F(DateTimeTextTest, OutsideTheYearsOneToNineThousandNineHundredNinetyNineIsEmpty)
{
    for (double days : {-693594.0, 2958466.0, 2958466 - 1e-9, 1e300, -1e300, double(NAN), double(INFINITY)}) {
        EXPECT_EQ(DateText(days), "") << days;
        EXPECT_EQ(TimeText(days), "") << days;
        EXPECT_EQ(DateTimeText(days), "") << days;
        std::string out;
        AppendDateAndTimeText(out, days, ",");
        EXPECT_EQ(out, ",");
    }
}

TEST(DurationText, TotalHoursNotAClockTime)
{
    struct Case {
        double days;
        const char* text;
    } cases[] = {{(26 * 60 + 5) / 1440.0, "26:05:00"}, {25 / 24.0, "25:00:00"},  {0, "0:00:00"},
                 {0.9996 * kSecond, "0:00:01"},         {0.9994 * kSecond, "0:00:00"}, {59 * 60 * kSecond, "0:59:00"},
                 {100 + 3723 * kSecond, "2401:02:03"}};
    for (const Case& c : cases) EXPECT_EQ(DurationText(c.days), c.text) << c.days;
}

}  // namespace
}  // namespace qm
