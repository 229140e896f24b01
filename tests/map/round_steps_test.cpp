#include "map/round_steps.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(RoundSteps, UpAndDownToOneTwoOrFive)
{
    const struct {
        double spacing, up, down;
    } values[] = {{18.6, 20, 10}, {0.3, 0.5, 0.2}, {7, 10, 5}, {1, 1, 1}, {0.0011, 0.002, 0.001}, {31, 50, 20},
                  {5000, 5000, 5000}, {999, 1000, 500}, {0, 1, 1}};
    for (const auto& v : values) {
        EXPECT_DOUBLE_EQ(RoundStep(v.spacing), v.up) << v.spacing;
        EXPECT_DOUBLE_EQ(RoundStep(v.spacing, Rounding::Down), v.down) << v.spacing;
    }
    EXPECT_EQ(RoundTicks(0, 74, 20), (std::vector<double>{0, 20, 40, 60}));
    EXPECT_EQ(RoundTicks(129, 190, 20), (std::vector<double>{140, 160, 180}));

    const struct {
        double spacingSeconds, stepSeconds;
    } times[] = {{0.5, 1}, {40, 60}, {200, 300}, {4000, 7200}, {50000, 86400}, {100000, 172800}};
    for (const auto& t : times) EXPECT_NEAR(RoundTimeStep(t.spacingSeconds / 86400) * 86400, t.stepSeconds, 1e-6);
}

TEST(RoundSteps, TextsHaveTheDecimalsOfTheStep)
{
    const struct {
        double value, step;
        char separator;
        const char* text;
    } values[] = {{37.6, 0.2, '.', "37.6"},     {40, 20, ',', "40"},
                  {0.25, 0.05, ',', "0,25"},    {-0.5, 0.5, '.', "-0.5"},
                  {55.12345, 1e-5, '.', "55.12345"}, {1e22, 1e21, ',', "10000000000000000000000"},
                  {0.1 + 0.2, 0.1, '.', "0.3"}, {0.001, 0.001, ',', "0,001"},
                  {-0.0, 0.5, '.', "0.0"}};
    for (const auto& v : values)
        EXPECT_EQ(StepText(v.value, v.step, v.separator), v.text) << v.value << " " << v.step;
}

}  // namespace
}  // namespace qm
