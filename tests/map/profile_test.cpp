#include "map/profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qm {
namespace {

// Points a minute apart, 1 km apart along a meridian, heights 100 feet apart;
// parts as the statistics would cut them.
TrackPoints Minutes(int count)
{
    TrackPoints points;
    for (int i = 0; i < count; ++i) points.push_back({50 + i / 111.0, 30, 40000 + i / 1440.0, 100 * i * 0.3048, false});
    return points;
}

TEST(ProfileAxis, PartsFollowEachOtherWithShortGaps)
{
    TrackPoints points = Minutes(6);
    // A day passes between points 2 and 3.
    for (int i = 3; i < 6; ++i) points[i].DateTime += 1;
    const std::vector<TrackPart> parts = {{0, 2}, {3, 5}};
    const struct {
        ProfileScale over;
        double part;  // each part's length: 2 minutes or 2 km
    } cases[] = {{ProfileScale::Time, 2 / 1440.0}, {ProfileScale::Distance, 2}};
    for (const auto& c : cases) {
        const ProfileAxis axis = MakeProfileAxis(points, {}, parts, c.over, 4);
        ASSERT_EQ(axis.Parts.size(), 2u);
        const double gap = 2 * c.part * 0.02;
        EXPECT_NEAR(axis.Parts[0].End, c.part, 1e-9);
        EXPECT_NEAR(axis.Parts[1].Start, c.part + gap, 1e-9);
        EXPECT_NEAR(axis.Length, 2 * c.part + gap, 1e-9);
        EXPECT_NEAR(axis.At[4], c.part + gap + c.part / 2, 1e-9);
    }
    const ProfileAxis time = MakeProfileAxis(points, {}, parts, ProfileScale::Time, 4);
    EXPECT_DOUBLE_EQ(time.Parts[1].FirstValue, points[3].DateTime + 4 / 24.0);
    EXPECT_TRUE(GapsHoldMostTime(points, parts));
    EXPECT_FALSE(GapsHoldMostTime(Minutes(6), {{0, 5}}));
}

TEST(ProfileColumns, RunsHeightsAndStepsStayInTheirParts)
{
    TrackPoints points = Minutes(5);
    points[2].Height.reset();
    for (int i = 3; i < 5; ++i) points[i].DateTime += 1;
    const std::vector<TrackPart> parts = {{0, 2}, {3, 4}};
    const ProfileAxis axis = MakeProfileAxis(points, {}, parts, ProfileScale::Time, 0);
    // One run over all, so over the gap: it shows in both parts, never in the gap.
    const std::vector<SpeedRun> runs = {{0, 4, 0, 0, 30, 3}};
    const int count = 103;
    const std::vector<SpeedColumn> bars = SpeedColumns(axis, parts, runs, count);
    for (int c = 0; c < count; ++c) {
        const double left = c * axis.Length / count, right = (c + 1) * axis.Length / count;
        const bool inGap = left >= axis.Parts[0].End && right <= axis.Parts[1].Start;
        EXPECT_EQ(bars[c].Band, inGap ? -1 : 3) << c;
    }
    const std::vector<ValueRange> heights = HeightColumns(points, axis, count);
    int known = 0;
    for (const ValueRange& h : heights) known += std::isnan(h.Low) ? 0 : 1;
    EXPECT_EQ(known, 4);  // point 2 has none
    EXPECT_DOUBLE_EQ(heights.back().High, 400 * 0.3048);
    const std::vector<ValueRange> steps = StepSpeedColumns(points, {}, parts, axis, count);
    int speeds = 0;
    for (const ValueRange& s : steps) {
        if (std::isnan(s.Low)) continue;
        ++speeds;
        EXPECT_NEAR(s.Low, 60, 0.01);  // a km a minute; the day's gap is no step
    }
    EXPECT_EQ(speeds, 3);
}

// Each measure's line: the lowest and highest value in each column, nothing
// where no point of the column has one; a column shorter than the track (or a
// value that is no number) leaves the rest without values.
TEST(ProfileColumns, MeasuresKeepTheirValuesAndTheirHoles)
{
    TrackPoints points = Minutes(5);
    for (int i = 3; i < 5; ++i) points[i].DateTime += 1;
    const ProfileAxis axis = MakeProfileAxis(points, {}, {{0, 2}, {3, 4}}, ProfileScale::Time, 0);
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr float kNaNValue = std::numeric_limits<float>::quiet_NaN();
    const struct {
        MeasureColumn values;
        std::vector<ValueRange> expected;  // NaN: no value in that column
    } cases[] = {
        // Three columns: points 0 and 1, point 2, and the second part (points 3 and 4).
        {{120, 130, std::nullopt, 150, 160}, {{120, 130}, {kNaN, kNaN}, {150, 160}}},
        {{-4, 2, 7}, {{-4, 2}, {7, 7}, {kNaN, kNaN}}},
        {{kNaNValue, std::nullopt, 80, std::nullopt, 90}, {{kNaN, kNaN}, {80, 80}, {90, 90}}},
        {{}, {{kNaN, kNaN}, {kNaN, kNaN}, {kNaN, kNaN}}},
    };
    for (const auto& c : cases) {
        const std::vector<ValueRange> columns = MeasureValueColumns(c.values, axis, 3);
        ASSERT_EQ(columns.size(), 3u);
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(k);
            if (std::isnan(c.expected[k].Low)) {
                EXPECT_TRUE(std::isnan(columns[k].Low) && std::isnan(columns[k].High));
            } else {
                EXPECT_EQ(columns[k].Low, c.expected[k].Low);
                EXPECT_EQ(columns[k].High, c.expected[k].High);
            }
        }
    }

    Track track;
    track.Points = points;
    ColumnOf(track.Measures, Measure::Power) = {std::nullopt, 200, std::nullopt, std::nullopt, std::nullopt};
    ColumnOf(track.Measures, Measure::HeartRate) = {100, 101, 102, 103, 104};
    ColumnOf(track.Measures, Measure::Cadence) = MeasureColumn(5);  // a column without a value is none
    EXPECT_EQ(MeasuresOf(track), (std::vector<Measure>{Measure::HeartRate, Measure::Power}));
    EXPECT_TRUE(MeasuresOf(Track{points, {}}).empty());
}

}  // namespace
}  // namespace qm
