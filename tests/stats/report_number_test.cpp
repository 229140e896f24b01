#include "stats/report_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qm {
namespace {

// Half away from zero to seven significant digits, then to the decimals;
// never a minus zero; the exponent form from ten million on.
TEST(ReportNumber, RoundsToSevenDigitsThenToTheDecimals)
{
    const std::tuple<double, int32_t, const char*> cases[] = {
        {123.4, 0, "123"},          {123.4, 2, "123,40"},       {0.15, 1, "0,2"},       {-0.15, 1, "-0,2"},
        {2.5, 0, "3"},              {-2.5, 0, "-3"},            {0.0449, 1, "0,0"},     {999.96, 1, "1000,0"},
        {123456.75, 1, "123456,8"}, {1234567.89, 1, "1234568,0"}, {0.049999996, 1, "0,1"}, {1.25, -1, "1"},
        {-0.04, 1, "0,0"},          {-0.0, 2, "0,00"},          {-0.4, 0, "0"},         {9999999.4, 1, "9999999,0"},
        {9999999.6, 1, "1E7"},      {12345678, 1, "1,234568E7"}, {-2.5e10, 0, "-2,5E10"},
        {std::numeric_limits<double>::infinity(), 1, "INF"},   {std::nan(""), 1, "NAN"}};
    for (auto [value, decimals, text] : cases) EXPECT_EQ(ReportNumber(value, decimals, ","), text) << value;
    EXPECT_EQ(ReportNumber(123.4, 1, "."), "123.4");
}

}  // namespace
}  // namespace qm
