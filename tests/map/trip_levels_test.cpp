#include "map/trip_levels.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// Ten points going east along the equator, a hundredth of a degree apart,
// one run, stops at points 2, 3 and 8.
std::shared_ptr<const MapTrip> Trip()
{
    auto trip = std::make_shared<MapTrip>();
    for (int i = 0; i < 10; ++i) trip->World.push_back(Project(0, i * 0.01));
    trip->Colouring.Runs = {{0, 9, 0, 0, 0, 4}};
    trip->Visualisation.Stops = {{2, 3, 0}, {3, 4, 0}, {8, 9, 0}};
    return trip;
}

// At level 10 the points are about 7.3 pixels apart, at level 14 about 117.
TEST(TripLevels, LinesAndMarksOfEachLevel)
{
    TripLevels levels(Trip(), 20);
    EXPECT_TRUE(levels.Lines(10).empty());  // not prepared yet
    for (int zoom : {10, 3, 4, 5, 6, 14}) levels.Prepare(zoom);
    const struct {
        int zoom;
        std::size_t marks;
    } cases[] = {{6, 1}, {14, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        ASSERT_EQ(levels.Lines(c.zoom).size(), 1u);
        EXPECT_EQ(levels.Lines(c.zoom)[0].Band, 4);
        EXPECT_EQ(levels.StopMarks(c.zoom).size(), c.marks);
    }
    // Only the last few levels are kept.
    EXPECT_TRUE(levels.Lines(10).empty());
    levels.Prepare(10);
    EXPECT_EQ(levels.StopMarks(10).size(), 2u);
    EXPECT_TRUE(TripLevels().Lines(10).empty());
}

TEST(TripLevels, NearestPointWithinTheRadius)
{
    TripLevels levels(Trip(), 20);
    levels.Prepare(14);
    const double pixels = WorldPixels(14);
    const WorldPoint third = Project(0, 0.03);
    const struct {
        double dx, dy, radius;
        int index;
    } cases[] = {{0, 0, 10, 3}, {5, -4, 10, 3}, {-60, 0, 10, -1}, {-60, 0, 100, 2}, {0, 12, 10, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(levels.NearestPoint(14, third.X * pixels + c.dx, third.Y * pixels + c.dy, c.radius), c.index)
            << c.dx << " " << c.dy;
}

}  // namespace
}  // namespace qm
