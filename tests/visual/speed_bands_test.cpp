#include "visual/speed_bands.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(SpeedBands, BoxesShowRoundedUpperBoundsAndBandsStartAtThePreviousUpper)
{
    SpdCatSet scale{"x", DefaultBands()};
    scale.Categories[0].Upper = 2.5;  // shown as 2
    scale.Categories[1].Upper = 3.5;  // shown as 4
    scale.Categories[2].Lower = 99;   // the scale's own lower bounds are not used
    SpeedBands bands = MakeSpeedBands(ScaleBandBoxes(scale));
    const double expected[][2] = {{0, 2}, {2, 4}, {4, 10}, {10, 15}, {15, 20},
                                  {20, 25}, {25, 30}, {30, 35}, {35, 40}, {40, 1000}};
    for (int i = 0; i < kBandCount; ++i) {
        EXPECT_EQ(std::make_pair(bands[i].Lower, bands[i].Upper), std::make_pair(expected[i][0], expected[i][1])) << i;
        EXPECT_EQ(bands[i].Color, scale.Categories[i].Color) << i;
    }
}

TEST(FindBand, UpperBoundBelongsToItsBandAndTooFastGoesToBandZero)
{
    SpeedBands bands = MakeSpeedBands(ScaleBandBoxes(SpdCatSet{"1", DefaultBands()}));
    const std::pair<double, int> cases[] = {{0, 0},  {2, 0},      {2.0000001, 1}, {5, 1},       {5.5, 2}, {10, 2},
                                            {15, 3}, {39.99, 8}, {40, 8},        {40.5, 9},    {1000, 9}, {1000.001, 0},
                                            {-1, 0}};
    for (auto [speed, band] : cases) EXPECT_EQ(FindBand(bands, speed), band) << speed;
}

TEST(FindBand, BoundsThatDoNotRiseGiveTheFirstBandThatFits)
{
    // A hand-edited scale, which GPX and KML output accept.
    BandBoxes boxes;
    const double uppers[kBandCount] = {5, 3, 10, 10, 8, 20, 30, 40, 50, 100};
    for (int k = 0; k < kBandCount; ++k) boxes[k].Upper = uppers[k];
    const SpeedBands bands = MakeSpeedBands(boxes);
    const std::pair<double, int> cases[] = {{4, 0}, {5, 0}, {6, 2}, {9, 2}, {10, 2}, {11, 5}, {60, 9}, {101, 0}};
    for (auto [speed, band] : cases) EXPECT_EQ(FindBand(bands, speed), band) << speed;
}

}  // namespace
}  // namespace qm
