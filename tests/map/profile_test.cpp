#include "map/profile.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(HeightProfile, LowestAndHighestOfEachSliceInTimeOrder)
{
    TrackPoints points;
    const std::optional<double> heights[] = {100, 300, std::nullopt, 200, 50, 400, std::nullopt, std::nullopt};
    for (int i = 0; i < 8; ++i) points.push_back({0, 0, 40000 + i / 24.0, heights[i]});
    const std::vector<ProfilePoint> profile = HeightProfile(points, 2);
    // Slice 1: points 0 to 3 (up to half the span, 3.5 hours); slice 2: points 4 to 7.
    const std::vector<std::pair<int, double>> expected = {{0, 100}, {1, 300}, {4, 50}, {5, 400}};
    ASSERT_EQ(profile.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(profile[i].DateTime, points[expected[i].first].DateTime);
        EXPECT_DOUBLE_EQ(profile[i].Value, expected[i].second);
    }
}

TEST(SpeedProfile, BarsOfEachBandOverTimeSlices)
{
    using Outline = std::vector<std::pair<double, double>>;
    TrackPoints points(5);
    for (int i = 0; i < 5; ++i) points[i].DateTime = 40000 + i;
    struct {
        const char* rule;
        std::vector<SpeedRun> runs;
        int slices;
        Outline band1, band3;
    } cases[] = {
        {"runs as wide as slices: their own bars", {{0, 1, 0, 0, 3.5, 1}, {1, 4, 0, 0, 12, 3}}, 4,
         {{40000, 0}, {40000, 3.5}, {40001, 3.5}, {40001, 0}}, {{40001, 0}, {40001, 12}, {40004, 12}, {40004, 0}}},
        {"a slice the highest of its runs, equal neighbours joined",
         {{0, 1, 0, 0, 3, 1}, {1, 2, 0, 0, 12, 3}, {2, 3, 0, 0, 4, 1}, {3, 4, 0, 0, 4, 1}}, 2,
         {{40000, 0}, {40000, 3}, {40002, 3}, {40002, 4}, {40004, 4}, {40004, 0}},
         {{40000, 0}, {40000, 12}, {40002, 12}, {40002, 0}}},
        {"a band with a gap between its bars", {{0, 1, 0, 0, 3, 1}, {1, 3, 0, 0, 12, 3}, {3, 4, 0, 0, 3, 1}}, 4,
         {{40000, 0}, {40000, 3}, {40001, 3}, {40001, 0}, {40003, 0}, {40003, 3}, {40004, 3}, {40004, 0}},
         {{40001, 0}, {40001, 12}, {40003, 12}, {40003, 0}}},
    };
    auto outline = [](const std::vector<ProfilePoint>& bar) {
        Outline out;
        for (const ProfilePoint& point : bar) out.push_back({point.DateTime, point.Value});
        return out;
    };
    for (const auto& c : cases) {
        const SpeedBars bars = SpeedProfile(points, c.runs, c.slices);
        EXPECT_EQ(outline(bars[1]), c.band1) << c.rule;
        EXPECT_EQ(outline(bars[3]), c.band3) << c.rule;
        EXPECT_TRUE(bars[0].empty()) << c.rule;
    }
}

}  // namespace
}  // namespace qm
