#include "track/distance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qm {
namespace {

double Cos(double degrees) { return std::cos(degrees * std::numbers::pi / 180); }

// Points six hours apart.
TrackPoints Track(std::initializer_list<std::pair<double, double>> points)
{
    TrackPoints track;
    double time = 39000;
    for (auto [lat, lon] : points) track.push_back(TrackPoint{lat, lon, time += 0.25, {}, false});
    return track;
}

TEST(Distance, HundredthOfADegreeOfLatitudeIsAlways1_11Km)
{
    for (double lat : {0.0, 55.0, -70.0, 89.98}) {
        TrackPoints track = Track({{lat, 10}, {lat + 0.01, 10}, {lat - 3, 11}});
        Segment s = MeasureSegment(track, FitLatitudeScale(track), 0, 1);
        EXPECT_NEAR(s.Distance, 1.11, 1e-9) << lat;
        EXPECT_EQ(s.Time, 0.25);
    }
}

TEST(Distance, LongitudeShrinksWithTheFittedCosine)
{
    TrackPoints track = Track({{50, 37}, {60, 37}, {55, 37}, {55, 37.01}});
    ScaleCoefficients k = FitLatitudeScale(track);
    for (double lat : {51.5, 55.0, 58.5}) EXPECT_NEAR(LatitudeScale(k, lat), Cos(lat), 1e-12) << lat;
    for (double lat : {50.0, 53.0, 60.0}) EXPECT_NEAR(LatitudeScale(k, lat), Cos(lat), 1e-4) << lat;
    EXPECT_NEAR(MeasureSegment(track, k, 2, 3).Distance, 0.6367, 1e-4);
}

TEST(Distance, SingleOrNearlySingleLatitudeGivesTheCosine)
{
    // Latitudes 1e-300 apart are distinct, but their fit would divide 0 by 0.
    for (const TrackPoints& track : {Track({{42, 1}}), Track({{42, 1}, {42, 2}}), Track({{1e-300, 1}, {2e-300, 2}})}) {
        ScaleCoefficients k = FitLatitudeScale(track);
        EXPECT_EQ(std::make_tuple(k.A, k.B), std::make_tuple(0.0, 0.0));
        EXPECT_DOUBLE_EQ(k.C, Cos(track[0].Latitude < 1 ? 0 : 42));
    }
    ScaleCoefficients k = FitLatitudeScale(Track({{42, 1}, {42 + 1e-9, 1}}));
    for (double lat : {42.0, 42 + 1e-9}) EXPECT_NEAR(LatitudeScale(k, lat), Cos(42), 1e-6);
}

// A step across the 180° meridian is measured the short way, either way
// round; one of nearly half a turn keeps its own way.
TEST(Distance, LongitudesAreTakenTheShortWayRound)
{
    struct Step {
        double from, to, degrees;
    };
    for (const Step& step : {Step{179.9, -179.9, 0.2}, Step{-179.9, 179.9, 0.2}, Step{-170, 10, 180},
                             Step{-100, 79.5, 179.5}, Step{-100, 80.5, 179.5}}) {
        TrackPoints track = Track({{0, step.from}, {0, step.to}});
        EXPECT_NEAR(MeasureSegment(track, FitLatitudeScale(track), 0, 1).Distance, 111 * step.degrees, 1e-9)
            << step.from << " to " << step.to;
    }
}

TEST(Distance, IndicesAreClamped)
{
    TrackPoints track = Track({{0, 179.9}, {0, -179.9}});
    ScaleCoefficients k = FitLatitudeScale(track);
    EXPECT_EQ(MeasureSegment(track, k, -1, 7).Time, 0.25);
    for (auto [i, j] : {std::pair{-5, 0}, {1, 2}}) {
        Segment s = MeasureSegment(track, k, i, j);
        EXPECT_EQ(std::make_tuple(s.Distance, s.Time), std::make_tuple(0.0, 0.0)) << i << "," << j;
    }
}

}  // namespace
}  // namespace qm
