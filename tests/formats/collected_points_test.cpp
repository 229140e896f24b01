#include "formats/collected_points.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TrackPoint At(double day, bool startsPiece = false) { return {55, 37, day, {}, startsPiece}; }

// Pieces stored out of time order are put in order and a time that does not
// rise is left out; the measures stay with their points, and a measure that
// only later points have is nothing before them.
TEST(CheckedTrack, MeasuresFollowTheirPointsThroughOrderAndDrops)
{
    CollectedPoints collected;
    collected.Keep(At(40000.5, true));
    collected.Keep(At(40000.6), {150.0f});
    collected.Keep(At(40000.1, true), {120.0f, 80.0f});
    collected.Keep(At(40000.2));
    collected.Keep(At(40000.2), {125.0f});
    collected.Count = 5;
    std::vector<Message> messages;
    std::optional<Track> track = CheckedTrack(collected, {"<trkpt>", "<time>"}, "t.gpx", messages);
    ASSERT_TRUE(track);
    std::vector<double> times;
    for (const TrackPoint& point : track->Points) times.push_back(point.DateTime);
    EXPECT_EQ(times, (std::vector<double>{40000.1, 40000.2, 40000.5, 40000.6}));
    EXPECT_EQ(ColumnOf(track->Measures, Measure::HeartRate),
              (MeasureColumn{120.0f, std::nullopt, std::nullopt, 150.0f}));
    EXPECT_EQ(ColumnOf(track->Measures, Measure::Cadence), (MeasureColumn{80.0f, std::nullopt, std::nullopt, std::nullopt}));
    EXPECT_TRUE(ColumnOf(track->Measures, Measure::Power).empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Пропущено точек со временем не позже предыдущей точки: 1 из 5.");
}

}  // namespace
}  // namespace qm
