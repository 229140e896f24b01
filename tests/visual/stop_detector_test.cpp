#include "visual/stop_detector.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// 45 minutes is 1/32 of a day, exact in binary: the interval and the times
// below compare without rounding.
constexpr double kInterval = 1.0 / 32;
constexpr double kBoxLimit = 50 / 111.0 / 1000;  // DISPERSION 50 m in degrees

TrackPoint At(double latitude, double longitude, double dateTime) { return {latitude, longitude, dateTime, {}, false}; }

// The stops found when the steps ending at points from to to are slow (or
// fast), with an interval of 45 minutes, a box of 50 m, MINSPD 1 and MAXBREAK 5.
class Detector : public StopDetector {
public:
    explicit Detector(const TrackPoints& points) : StopDetector(points, Options()) {}
    explicit Detector(TrackPoints&&) = delete;  // the detector keeps a reference to the points
    static Settings Options()
    {
        Settings settings;
        settings.TIMEINTRVL = 45, settings.DISPERSION = 50, settings.MINSPD = 1, settings.MAXBREAK = 5;
        return settings;
    }
    Detector& Steps(int from, int to, bool slow)
    {
        for (int p = from; p <= to; ++p) Step(p, slow ? 0.001 : 1, 1.0 / 1440);
        return *this;
    }
};

TEST(StopDetector, OpensAtTheLaterPointOfTheFirstSlowStepAndRecordsAtTheFirstPointOutside)
{
    TrackPoints points = {At(50, 30, 40000), At(50.00001, 30, 40000.01), At(50.0002, 30.0002, 40000.02),
                             At(50.0001, 30.0001, 40000.03), At(50.0002, 30, 40000.02 + kInterval),
                             At(50.01, 30, 40000.1)};
    Detector detector(points);
    const std::vector<TrackStop>& stops = detector.Steps(1, 1, false).Steps(2, 5, true).Stops();
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(std::make_pair(stops[0].First, stops[0].Last), std::make_pair(2, 5));
    EXPECT_DOUBLE_EQ(stops[0].Duration, 40000.1 - 40000.02);
}

TEST(StopDetector, TheBoxMustStayNarrowerThanTheLimitInEachAxis)
{
    for (bool latitude : {true, false}) {
        for (double offset : {kBoxLimit, -kBoxLimit, kBoxLimit * 0.999, -kBoxLimit * 0.999}) {
            // Opens at point 1; point 3 lies `offset` from the box, point 4 far away.
            TrackPoints points;
            for (auto [d, time] : {std::pair{0.0, 40000.0}, {0.0, 40000.01}, {0.0, 40000.1}, {offset, 40000.2},
                                   {10 * kBoxLimit, 40000.3}})
                points.push_back(latitude ? At(50 + d, 30, time) : At(50, 30 + d, time));
            Detector detector(points);
            const std::vector<TrackStop>& stops = detector.Steps(1, 4, true).Stops();
            ASSERT_EQ(stops.size(), 1u);
            EXPECT_EQ(stops[0].Last, std::abs(offset) == kBoxLimit ? 3 : 4) << latitude << " " << offset;
        }
    }
}

// A traveller standing on the 180° meridian stays in the box whichever
// side each fix falls on; one that walks off still leaves it.
TEST(StopDetector, TheBoxSpansThe180DegreeMeridian)
{
    for (double start : {179.99999, -179.99999}) {
        const double across = start > 0 ? -179.99999 : 179.99999;
        TrackPoints points = {At(-17, start, 40000), At(-17, start, 40000.01), At(-17, across, 40000.1),
                              At(-17, start, 40000.2), At(-17, across + (start > 0 ? 1 : -1), 40000.3)};
        Detector detector(points);
        const std::vector<TrackStop>& stops = detector.Steps(1, 4, true).Stops();
        ASSERT_EQ(stops.size(), 1u) << start;
        EXPECT_EQ(std::make_pair(stops[0].First, stops[0].Last), std::make_pair(1, 4)) << start;
    }
}

TEST(StopDetector, AStopMustLastAtLeastTheIntervalAndEndBeforeTheTrack)
{
    for (double end : {40000 + kInterval, 40000 + kInterval - 1e-9}) {
        TrackPoints points = {At(50, 30, 39999.99), At(50, 30, 40000), At(50, 30, 40000.01), At(51, 30, end)};
        EXPECT_EQ(Detector(points).Steps(1, 3, true).Stops().size(), end == 40000 + kInterval ? 1u : 0u) << end;
    }
    TrackPoints open = {At(50, 30, 40000), At(50, 30, 40000.01), At(50, 30, 40001)};
    Detector detector(open);
    detector.Steps(1, 2, true).End();
    EXPECT_TRUE(detector.Stops().empty());
}

TEST(StopDetector, ALongJumpDropsTheCandidateAShortOneKeepsIt)
{
    TrackPoints points = {At(50, 30, 40000),   At(50, 30, 40000.01), At(50, 30, 40000.2),
                             At(50.5, 30, 40000.3), At(50, 30, 40000.4),  At(51, 30, 40000.5)};
    for (double jump : {5.0, 5.001}) {
        Detector detector(points);
        detector.Steps(1, 2, true);  // open since point 1, already longer than the interval
        detector.Break(jump);
        // The break point 3 is not tested against the box; point 4 is inside, point 5 outside.
        // Their steps are fast: only the opening step's speed counts.
        const std::vector<TrackStop>& stops = detector.Steps(4, 5, false).Stops();
        if (jump > 5) {
            EXPECT_TRUE(stops.empty());
        } else {
            ASSERT_EQ(stops.size(), 1u);
            EXPECT_EQ(std::make_pair(stops[0].First, stops[0].Last), std::make_pair(1, 5));
        }
    }
}

}  // namespace
}  // namespace qm
