#include "stats/report_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qm {
namespace {

struct Case {
    double value;
    int32_t decimals;
    const char* text;
};

TEST(ReportNumber, RoundsHalfAwayFromZeroToSevenDigitsThenToTheDecimals)
{
    const Case cases[] = {
        {123.4, 1, "123,4"},        {123.4, 0, "123"},          {123.4, 2, "123,40"},
        {0.15, 1, "0,2"},           {-0.15, 1, "-0,2"},         {2.5, 0, "3"},
        {-2.5, 0, "-3"},            {0.05, 1, "0,1"},           {0.0449, 1, "0,0"},
        {9.96, 1, "10,0"},          {999.96, 1, "1000,0"},      {0.96, 0, "1"},
        {123456.75, 1, "123456,8"}, {123456.75, 2, "123456,80"}, {1234567.89, 1, "1234568,0"},
        {1234.56789, 4, "1234,5680"}, {0.049999996, 1, "0,1"}, {1.5, 5, "1,50000"}, {0.000012345, 1, "0,0"},
        {1.25, -1, "1"},            {0, 1, "0,0"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReportNumber(c.value, c.decimals, ','), c.text) << c.value;
    EXPECT_EQ(ReportNumber(123.4, 1, '.'), "123.4");
}

TEST(ReportNumber, NeverWritesMinusZeroAndUsesTheExponentFormFromTenMillionOn)
{
    const Case cases[] = {
        {-0.04, 1, "0,0"},        {-0.0, 2, "0,00"},   {-0.4, 0, "0"},       {-0.05, 1, "-0,1"},
        {9999999.4, 1, "9999999,0"}, {9999999.6, 1, "1E7"}, {12345678, 1, "1,234568E7"}, {-2.5e10, 0, "-2,5E10"},
        {std::numeric_limits<double>::infinity(), 1, "INF"}, {std::nan(""), 1, "NAN"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReportNumber(c.value, c.decimals, ','), c.text) << c.value;
}

}  // namespace
}  // namespace qm
