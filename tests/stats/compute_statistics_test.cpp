#include "stats/compute_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qm {
namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double kFoot = 0.3048;

// A point `km` north along one meridian, `minutes` after 2009-07-06 06:00.
TrackPoint At(double km, double minutes, int32_t feet = 0)
{
    return TrackPoint{km / 111, 30, 40000.25 + minutes * kMinute, feet * kFoot};
}

StatTable Compute(const TrackPoints& track, const Settings& settings = Settings{})
{
    return ComputeStatistics(track, FitLatitudeScale(track), settings);
}

// Levels, numbers and point ranges: "T0:0-6 D1:0-6 P1:0-1 ...".
std::string Shape(const StatTable& table)
{
    std::string shape;
    for (const StatRow& row : table)
        shape += std::string(shape.empty() ? "" : " ") + "TDP"[row.Level] + std::to_string(row.Number) + ":" +
                 std::to_string(row.FirstPoint) + "-" + std::to_string(row.LastPoint);
    return shape;
}

TEST(ComputeStatistics, OneAndTwoPointTracks)
{
    StatTable one = Compute({At(0, 0, 1000)});
    ASSERT_EQ(Shape(one), "T0:0-0");
    EXPECT_EQ(one[0].Dist + one[0].TimeSum + one[0].TimeMov + one[0].SpdSum + one[0].SpdMov + one[0].Climb, 0);
    EXPECT_EQ(one[0].MinHgt, 1000 * kFoot);

    StatTable two = Compute({At(0, 0, 100), At(1, 6, 200)});
    ASSERT_EQ(Shape(two), "T0:0-1 D1:0-1 P1:0-1");
    for (const StatRow& row : two) {
        EXPECT_NEAR(row.SpdSum, 10, 1e-6);
        EXPECT_EQ(row.MaxHgt, 100 * kFoot);  // the last point's height is never compared
        EXPECT_EQ(row.Date, 40000);
    }
}

TEST(ComputeStatistics, GapsEndPartsAndCountInNoRow)
{
    // 2-hour pauses after points 1 and 2 (a gap right after a gap), a 6 km jump after point 4.
    TrackPoints track = {At(0, 0), At(0.1, 10), At(0.2, 130), At(0.3, 250), At(0.4, 260), At(6.4, 270),
                            At(6.5, 280)};
    StatTable table = Compute(track);
    ASSERT_EQ(Shape(table), "T0:0-6 D1:0-6 P1:0-1 P2:2-4 P3:5-6");
    EXPECT_NEAR(table[0].TimeSum, 150 * kMinute, 1e-9);
    EXPECT_NEAR(table[1].Dist, 0.4, 1e-9);

    // A segment of exactly MAXBREAK km or exactly MAXSTOP minutes is no gap.
    Settings settings;
    settings.MAXBREAK = MeasureSegment(track, FitLatitudeScale(track), 4, 5).Distance;
    EXPECT_EQ(Shape(Compute(track, settings)), "T0:0-6 D1:0-6 P1:0-1 P2:2-6");
    settings.MAXSTOP = 90;  // 1/16 day, as the times below are exactly
    EXPECT_EQ(Shape(Compute({{0, 30, 40000.25, 0.0}, {0.001, 30, 40000.3125, 0.0}, {0.002, 30, 40000.375, 0.0}},
                            settings)),
              "T0:0-2 D1:0-2 P1:0-2");
}

TEST(ComputeStatistics, GmtmodGivesThePartTheLocalDateOfItsMidpoint)
{
    TrackPoints evening = {{0, 30, 40000 + 21.0 / 24, 0.0}, {0.01, 30, 40000 + 23.0 / 24, 0.0}};
    TrackPoints night = {{0, 30, 40000 + 1.0 / 24, 0.0}, {0.01, 30, 40000 + 2.0 / 24, 0.0}};
    Settings settings;
    EXPECT_EQ(Compute(evening, settings)[1].Date, 40001);
    EXPECT_EQ(Compute(night, settings)[1].Date, 40000);
    settings.GMTMOD = -3;
    EXPECT_EQ(Compute(evening, settings)[1].Date, 40000);
    EXPECT_EQ(Compute(night, settings)[1].Date, 39999);
}

TEST(ComputeStatistics, PartOpeningANewDayStandsOnceUnderThatDay)
{
    TrackPoints track = {At(0, 0, 10), At(1, 10, 20), At(2, 100, 5), At(3, 110, 40), At(4, 1540, 50),
                            At(5, 1550, 60), At(6, 1560, 70)};
    StatTable table = Compute(track);
    ASSERT_EQ(Shape(table), "T0:0-6 D1:0-3 P1:0-1 P2:2-3 D2:4-6 P1:4-6");
    EXPECT_EQ(table[1].Date + 1, table[4].Date);
    EXPECT_NEAR(table[4].Dist, 2, 1e-9);
    EXPECT_EQ(table[4].MinHgt, 50 * kFoot);
    EXPECT_EQ(table[0].MinHgt, 5 * kFoot);
    EXPECT_EQ(table[0].MaxHgt, 60 * kFoot);

    // Without splits it is one part on one day, whatever it spans.
    Settings settings;
    settings.SPLTDIST = settings.SPLTTIME = false;
    EXPECT_EQ(Shape(Compute(track, settings)), "T0:0-6 D1:0-6 P1:0-6");

    // Day 0 (1899-12-30) is a date like any other.
    settings = Settings{};
    settings.GMTMOD = 0;
    table = Compute({{0, 30, 0.5, 0.0}, {0.01, 30, 0.51, 0.0}, {0.02, 30, 1.5, 0.0}, {0.03, 30, 1.51, 0.0}},
                    settings);
    EXPECT_EQ(Shape(table), "T0:0-3 D1:0-1 P1:0-1 D2:2-3 P1:2-3");
}

TEST(ComputeStatistics, MovingTimeCountsFromMinspdOn)
{
    TrackPoints track = {At(0, 0), At(0, 10), At(1, 20), At(1.1, 80)};  // 0, 6 and 0.1 km/h
    Settings settings;
    StatRow part = Compute(track, settings)[2];
    EXPECT_NEAR(part.TimeMov, 10 * kMinute, 1e-9);
    EXPECT_NEAR(part.SpdMov, 6.6, 1e-6);  // the whole distance over the moving time

    settings.MINSPD = 0;
    part = Compute(track, settings)[2];
    EXPECT_EQ(part.SpdMov, part.SpdSum);

    Segment step = MeasureSegment(track, FitLatitudeScale(track), 1, 2);
    settings.MINSPD = step.Distance / step.Time / 24;
    EXPECT_NEAR(Compute(track, settings)[2].TimeMov, 10 * kMinute, 1e-9);
    settings.MINSPD = std::nextafter(settings.MINSPD, 100.0);
    EXPECT_EQ(Compute(track, settings)[2].SpdMov, 0);
}

TEST(ComputeStatistics, SlopeAtMaxslopeIsLeftOutOfHeightsAndClimb)
{
    // 10 ft up, 1000 ft up over the next 100 m, then a drop without moving.
    TrackPoints track = {At(0, 0, 0), At(0.1, 1, 10), At(0.2, 2, 1010), At(0.2, 3, 0)};
    Settings settings;
    settings.HGTSPAN = 150;
    settings.MAXSLOPE = (1010 * kFoot - 10 * kFoot) / MeasureSegment(track, FitLatitudeScale(track), 1, 2).Distance;
    StatRow part = Compute(track, settings)[2];
    EXPECT_EQ(part.MaxHgt, 0.0);
    EXPECT_NEAR(part.Climb, 10 * kFoot, 1e-9);  // the trailing window of the first step

    settings.MAXSLOPE = std::nextafter(settings.MAXSLOPE, 1e9);
    part = Compute(track, settings)[2];
    EXPECT_EQ(part.MaxHgt, 10 * kFoot);
    EXPECT_NEAR(part.Climb, 1010 * kFoot, 1e-9);

    // A descent passes however steep, and cancels the rise after it.
    EXPECT_EQ(Compute({At(0, 0, 1000), At(0.1, 1, 0), At(0.2, 2, 20)}, settings)[2].Climb, 0);
}

TEST(ComputeStatistics, ClimbIsTheNetRiseOfEachWindowAndOfALongTrailingWindow)
{
    // Steps of 120 m, one a minute, at the given heights in feet.
    auto climbFeet = [](std::initializer_list<int32_t> feet) {
        TrackPoints track;
        for (int32_t height : feet) track.push_back(At(0.12 * track.size(), track.size(), height));
        return Compute(track)[2].Climb / kFoot;
    };
    // Up and down within one 0.6 km window whose net change is a descent.
    EXPECT_EQ(climbFeet({100, 200, 300, 200, 100, 0}), 0);
    // A 0.6 km window of net 50 ft, then a trailing 0.36 km window of 30 ft.
    EXPECT_NEAR(climbFeet({0, 50, 0, 50, 0, 50, 60, 70, 80}), 80, 1e-9);
    // A trailing window of 0.24 km is too short to count.
    EXPECT_NEAR(climbFeet({0, 50, 0, 50, 0, 50, 60, 70}), 50, 1e-9);
}

// Unknown heights count in nothing: a part's first point gives heights only
// when known; a segment adds to the heights, the window and the climb only
// when both its heights are known; a day and the track combine what their
// parts know.
TEST(ComputeStatistics, UnknownHeightsAreLeftOut)
{
    auto unknown = [](TrackPoint point) {
        point.Height.reset();
        return point;
    };
    Settings settings;
    settings.HGTSPAN = 100;  // every 1 km segment closes its window
    struct Case {
        const char* what;
        TrackPoints track;
        std::optional<double> min, max;
        double climb;
    };
    const Case cases[] = {
        {"a part starting on an unknown height, a drop to one and back",
         {unknown(At(0, 0)), At(1, 6, 100), At(2, 12, 200), unknown(At(3, 18)), At(4, 24, 300), At(5, 30, 310)},
         100 * kFoot, 300 * kFoot, 100 * kFoot + 10 * kFoot},
        {"nothing known", {unknown(At(0, 0)), unknown(At(1, 6)), unknown(At(2, 12))}, std::nullopt, std::nullopt, 0},
        {"known only alone between unknown ones", {unknown(At(0, 0)), At(1, 6, 50), unknown(At(2, 12))}, std::nullopt,
         std::nullopt, 0},
        {"one point", {At(0, 0, 70)}, 70 * kFoot, 70 * kFoot, 0},
    };
    for (const Case& c : cases) {
        for (const StatRow& row : Compute(c.track, settings)) {
            EXPECT_EQ(row.MinHgt, c.min) << c.what << " " << row.Level;
            EXPECT_EQ(row.MaxHgt, c.max) << c.what << " " << row.Level;
            EXPECT_NEAR(row.Climb, c.climb, 1e-9) << c.what << " " << row.Level;
        }
    }
    // Days each with a part: the track takes in what each day knows.
    TrackPoints days = {At(0, 0, 40), At(1, 6, 80), unknown(At(2, 1500)), unknown(At(3, 1506))};
    const StatTable table = Compute(days, settings);
    ASSERT_EQ(Shape(table), "T0:0-3 D1:0-1 P1:0-1 D2:2-3 P1:2-3");
    EXPECT_EQ(table[0].MinHgt, 40 * kFoot);
    EXPECT_EQ(table[0].MaxHgt, 40 * kFoot);
    EXPECT_EQ(table[3].MinHgt, std::nullopt);
}

// A walk across the 180° meridian near Fiji, 0.005° of longitude a minute:
// one part of 2.2 km at about 33 km/h, no jump round the world.
TEST(ComputeStatistics, AWalkAcrossThe180DegreeMeridianIsOnePart)
{
    TrackPoints track;
    const double longitudes[] = {179.99, 179.995, -180, -179.995, -179.99};
    for (int i = 0; i < 5; ++i) track.push_back(TrackPoint{-17, longitudes[i], 40000.25 + i * kMinute, {}});
    StatTable table = Compute(track);
    ASSERT_EQ(Shape(table), "T0:0-4 D1:0-4 P1:0-4");
    const double km = 0.02 * 111 * std::cos(17 * std::acos(-1.0) / 180);
    EXPECT_NEAR(table[0].Dist, km, 1e-3);
    EXPECT_NEAR(table[0].SpdSum, km / (4 * kMinute * 24), 0.05);
}

}  // namespace
}  // namespace qm
