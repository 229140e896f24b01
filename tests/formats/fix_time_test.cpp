#include "formats/fix_time.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(FixTime, DatesAsLoggersWriteThem)
{
    const struct {
        const char* text;
        std::optional<int64_t> day;
    } kCases[] = {
        {"231019", 43761},  // 2019-10-23
        {"160701", 37088},  // 2001-07-16
        {"010180", 29221},  // 1980-01-01: years from 80 on are of the last century
        {"311279", 65745},  // 2079-12-31
        {"290200", 36585},  // 2000 is a leap year
        {"290201", {}},
        {"320101", {}},
        {"011301", {}},
        {"00010a", {}},
        {"23101", {}},
        {"2310199", {}},
    };
    for (const auto& c : kCases) EXPECT_EQ(DdMmYyDay(c.text), c.day) << c.text;
}

TEST(FixTime, DatesAsZdaWritesThem)
{
    const struct {
        const char *day, *month, *year;
        std::optional<int64_t> count;
    } kCases[] = {
        {"23", "10", "2019", 43761}, {"31", "12", "2079", 65745}, {"01", "01", "1980", 29221},
        {"29", "02", "2100", {}},    {"1", "10", "2019", {}},     {"23", "10", "19", {}},
        {"23", "1x", "2019", {}},    {"", "", "", {}},
    };
    for (const auto& c : kCases) EXPECT_EQ(ZdaDay(c.day, c.month, c.year), c.count) << c.day << c.month << c.year;
}

TEST(FixTime, TimesOfDayWithOrWithoutFraction)
{
    const struct {
        const char* text;
        std::optional<double> second;
    } kCases[] = {
        {"000000", 0},
        {"222507", 80707},
        {"222509.", 80709},
        {"222510.1", 80710.1},
        {"222514.0009", 80714.0009},
        {"235959.999", 86399.999},
        {"240000", {}},
        {"226000", {}},
        {"222560", {}},
        {"222515.x", {}},
        {"222523.0x", {}},
        {".1", {}},
        {"22251", {}},
        {"222517 ", {}},
        {"222517,1", {}},
        {"222510.-1", {}},
    };
    for (const auto& c : kCases) EXPECT_EQ(HhMmSsSeconds(c.text), c.second) << c.text;
}

}  // namespace
}  // namespace qm
