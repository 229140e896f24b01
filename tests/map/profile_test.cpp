#include "map/profile.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(HeightProfile, LowestAndHighestOfEachSliceInTimeOrder)
{
    TrackPoints points;
    const int altitudes[] = {100, 300, -777, 200, 50, 400, -777, -777};
    for (int i = 0; i < 8; ++i) points.push_back({0, 0, 0, altitudes[i], 40000 + i / 24.0});
    const std::vector<ProfilePoint> profile = HeightProfile(points, 2);
    // Slice 1: points 0 to 3 (up to half the span, 3.5 hours); slice 2: points 4 to 7.
    const std::vector<std::pair<int, double>> expected = {{0, 100}, {1, 300}, {4, 50}, {5, 400}};
    ASSERT_EQ(profile.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(profile[i].DateTime, points[expected[i].first].DateTime);
        EXPECT_DOUBLE_EQ(profile[i].Value, expected[i].second * 0.3048);
    }
}

TEST(SpeedProfile, EachRunABarInItsBand)
{
    TrackPoints points(4);
    for (int i = 0; i < 4; ++i) points[i].DateTime = 40000 + i;
    const SpeedBars bars = SpeedProfile(points, {{0, 1, 0, 0, 3.5, 1}, {1, 3, 0, 0, 12, 3}});
    const std::vector<std::pair<double, double>> band1 = {{40000, 0}, {40000, 3.5}, {40001, 3.5}, {40001, 0}};
    const std::vector<std::pair<double, double>> band3 = {{40001, 0}, {40001, 12}, {40003, 12}, {40003, 0}};
    auto pairs = [](const std::vector<ProfilePoint>& bar) {
        std::vector<std::pair<double, double>> out;
        for (const ProfilePoint& point : bar) out.push_back({point.DateTime, point.Value});
        return out;
    };
    EXPECT_EQ(pairs(bars[1]), band1);
    EXPECT_EQ(pairs(bars[3]), band3);
    EXPECT_TRUE(bars[0].empty());
}

}  // namespace
}  // namespace qm
