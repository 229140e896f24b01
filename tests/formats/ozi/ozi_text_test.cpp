#include "formats/ozi/ozi_text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace qm {
namespace {

TEST(OziText, FixedWidthNumberNeverHasAnExponent)
{
    struct { double value; int width; const char* text; } cases[] = {
        {-114.06445, 9, "-114.0644"}, {50, 9, "50.000000"}, {36558.70025462963, 13, "36558.7002546"},
        {1.5e-07, 10, "0.00000015"}, {1.5e-07, 12, "0.0000001500"}, {1e20, 5, "10000"}, {55.75, 3, "55."}};
    for (const auto& c : cases) EXPECT_EQ(FixedWidthNumber(c.width, c.value), c.text) << c.text;
}

TEST(OziText, ReplaceFieldReplacesTheNthFieldWithItsBlanksAndAddsMissingFields)
{
    const char* line = "0,2,65280, my name ,0,0,2,8421376";
    const std::tuple<const char*, int, const char*> cases[] = {
        {line, 4, "0,2,65280,x,0,0,2,8421376"}, {line, 1, "x,2,65280, my name ,0,0,2,8421376"},
        {line, 8, "0,2,65280, my name ,0,0,2,x"}, {"a,,c", 2, "a,x,c"}, {"0,2", 4, "0,2,,x"}, {"", 2, ",x"}};
    for (auto [text, n, result] : cases) EXPECT_EQ(ReplaceField(text, n, "x"), result) << text << " " << n;
}

}  // namespace
}  // namespace qm
