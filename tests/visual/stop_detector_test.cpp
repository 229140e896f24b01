#include "visual/stop_detector.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// 45 minutes is 1/32 of a day, exact in binary: the interval and the times
// below compare without rounding.
constexpr double kInterval = 1.0 / 32;

Settings StopSettings()
{
    Settings settings;
    settings.TIMEINTRVL = 45;
    settings.DISPERSION = 50;
    settings.MINSPD = 1;
    settings.MAXBREAK = 5;
    return settings;
}

double BoxLimit() { return 50 / 111.0 / 1000; }

TrackPoint At(double latitude, double longitude, double dateTime) { return {latitude, longitude, 0, 0, dateTime}; }

// Feeds the steps between the points to the detector: each step slow or
// fast as given, ending at point p.
void Steps(StopDetector& detector, int from, int to, bool slow)
{
    for (int p = from; p <= to; ++p) detector.Step(p, slow ? 0.001 : 1, 1.0 / 1440);
}

TEST(StopDetector, OpensAtTheLaterPointOfTheFirstSlowStepAndRecordsAtTheFirstPointOutside)
{
    TTrackRecArray points = {At(50, 30, 40000),          At(50.00001, 30, 40000.01),
                             At(50.0002, 30.0002, 40000.02), At(50.0001, 30.0001, 40000.03),
                             At(50.0002, 30, 40000.02 + kInterval), At(50.01, 30, 40000.1)};
    StopDetector detector(points, StopSettings());
    Steps(detector, 1, 1, false);
    Steps(detector, 2, 5, true);
    ASSERT_EQ(detector.Stops().size(), 1u);
    EXPECT_EQ(detector.Stops()[0].First, 2);
    EXPECT_EQ(detector.Stops()[0].Last, 5);
    EXPECT_DOUBLE_EQ(detector.Stops()[0].Duration, 40000.1 - 40000.02);
}

TEST(StopDetector, TheBoxMustStayNarrowerThanTheLimitInEachAxis)
{
    const double d = BoxLimit();
    for (bool latitude : {true, false}) {
        for (double side : {1.0, -1.0}) {
            for (double width : {d, d * 0.999}) {
                auto point = [&](double offset, double time) {
                    return latitude ? At(50 + offset, 30, time) : At(50, 30 + offset, time);
                };
                // Opens at point 1; point 3 lies `width` from the box, point 4 far away.
                TTrackRecArray points = {point(0, 40000), point(0, 40000.01), point(0, 40000.1),
                                         point(side * width, 40000.2), point(side * 10 * d, 40000.3)};
                StopDetector detector(points, StopSettings());
                Steps(detector, 1, 4, true);
                ASSERT_EQ(detector.Stops().size(), 1u);
                EXPECT_EQ(detector.Stops()[0].Last, width == d ? 3 : 4) << latitude << side << width;
            }
        }
    }
}

TEST(StopDetector, AStopMustLastAtLeastTheInterval)
{
    for (double end : {40000 + kInterval, 40000 + kInterval - 1e-9}) {
        TTrackRecArray points = {At(50, 30, 39999.99), At(50, 30, 40000), At(50, 30, 40000.01), At(51, 30, end)};
        StopDetector detector(points, StopSettings());
        Steps(detector, 1, 3, true);
        EXPECT_EQ(detector.Stops().size(), end == 40000 + kInterval ? 1u : 0u) << end;
    }
}

TEST(StopDetector, ALongJumpDropsTheCandidateAShortOneKeepsIt)
{
    TTrackRecArray points = {At(50, 30, 40000), At(50, 30, 40000.01), At(50, 30, 40000.2),
                             At(50.5, 30, 40000.3), At(50, 30, 40000.4), At(51, 30, 40000.5)};
    for (double jump : {5.0, 5.001}) {
        StopDetector detector(points, StopSettings());
        Steps(detector, 1, 2, true);  // open since point 1, already longer than the interval
        detector.Break(jump);
        // The break point 3 is not tested against the box; point 4 is inside, point 5 outside.
        // Their steps are fast: only the opening step's speed counts.
        Steps(detector, 4, 5, false);
        if (jump > 5) {
            EXPECT_TRUE(detector.Stops().empty());
        } else {
            ASSERT_EQ(detector.Stops().size(), 1u);
            EXPECT_EQ(detector.Stops()[0].First, 1);
            EXPECT_EQ(detector.Stops()[0].Last, 5);
        }
    }
}

TEST(StopDetector, ACandidateStillOpenAtTheEndIsDropped)
{
    TTrackRecArray points = {At(50, 30, 40000), At(50, 30, 40000.01), At(50, 30, 40001)};
    StopDetector detector(points, StopSettings());
    Steps(detector, 1, 2, true);
    detector.End();
    EXPECT_TRUE(detector.Stops().empty());
}

}  // namespace
}  // namespace qm
