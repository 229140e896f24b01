#include "map/track_lines.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// Points going east along the equator, `step` degrees apart; the listed ones are break points.
TrackPoints East(int count, double step, std::vector<int> breaks = {})
{
    TrackPoints points(count);
    for (int i = 0; i < count; ++i) {
        points[i].Longitude = i * step;
        points[i].DateTime = 40000 + i / 1440.0;
    }
    for (int i : breaks) points[i].StartsPiece = true;
    return points;
}

std::vector<std::vector<int32_t>> Indices(const std::vector<TrackLine>& lines)
{
    std::vector<std::vector<int32_t>> indices;
    for (const TrackLine& line : lines) {
        auto& one = indices.emplace_back();
        for (const LinePoint& point : line.Points) one.push_back(point.Index);
    }
    return indices;
}

TEST(RunLines, StretchesOfEachRun)
{
    // At zoom 10 one pixel is about 0.00137 degrees of longitude.
    struct {
        const char* rule;
        TrackPoints points;
        std::vector<SpeedRun> runs;
        std::vector<std::vector<int32_t>> lines;
        std::vector<int32_t> bands;
    } cases[] = {
        {"each run its own line in its band", East(5, 0.01), {{0, 2, 0, 0, 0, 3}, {2, 4, 0, 0, 0, 7}},
         {{0, 1, 2}, {2, 3, 4}}, {3, 7}},
        {"a break inside a merged run leaves a gap", East(6, 0.01, {3}), {{0, 5, 0, 0, 0, 1}},
         {{0, 1, 2}, {3, 4, 5}}, {1, 1}},
        {"a stretch of one point before a break is not drawn", East(4, 0.01, {1}), {{0, 3, 0, 0, 0, 2}},
         {{1, 2, 3}}, {2}},
        {"points within a pixel of the last kept are dropped, the last kept always", East(6, 0.0004),
         {{0, 5, 0, 0, 0, 4}}, {{0, 4, 5}}, {4}},
        {"a run inside one pixel still shows", East(3, 0.00001), {{0, 2, 0, 0, 0, 5}}, {{0, 2}}, {5}},
    };
    for (const auto& c : cases) {
        const std::vector<TrackLine> lines = RunLines(ProjectTrack(c.points), BreakPoints(c.points), c.runs, 10);
        EXPECT_EQ(Indices(lines), c.lines) << c.rule;
        std::vector<int32_t> bands;
        for (const TrackLine& line : lines) bands.push_back(line.Band);
        EXPECT_EQ(bands, c.bands) << c.rule;
    }
}

TEST(RunLines, LongStretchesShareTheirEndsAndKnowTheirBox)
{
    const TrackPoints points = East(600, 0.01);
    const std::vector<TrackLine> lines = RunLines(ProjectTrack(points), BreakPoints(points), {{0, 599, 0, 0, 0, 0}}, 10);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Points.back().Index, lines[1].Points.front().Index);
    EXPECT_EQ(lines[1].Points.back().Index, lines[2].Points.front().Index);
    EXPECT_EQ(lines[2].Points.back().Index, 599);
    for (const TrackLine& line : lines) {
        EXPECT_LE(line.Points.size(), kLinePoints);
        EXPECT_EQ(line.MinX, line.Points.front().X);
        EXPECT_EQ(line.MaxX, line.Points.back().X);
    }
}

// A track that crosses the 180° meridian, east and back west, is drawn on
// across the edge of the world: no step of its line spans the world.
TEST(RunLines, ATrackAcrossThe180DegreeMeridianGoesOnPastTheEdge)
{
    TrackPoints points = East(7, 0.05);
    const double longitudes[] = {179.9, 179.95, -179.95, -179.9, -179.95, 179.95, 179.9};
    for (size_t i = 0; i < points.size(); ++i) points[i].Longitude = longitudes[i];
    const double steps[] = {0.05, 0.1, 0.05, -0.05, -0.1, -0.05};  // degrees east
    const std::vector<WorldPoint> world = ProjectTrack(points);
    for (size_t i = 1; i < world.size(); ++i) EXPECT_NEAR(world[i].X - world[i - 1].X, steps[i - 1] / 360, 1e-12) << i;
    EXPECT_EQ(world[0].X, Project(0, 179.9).X);
    EXPECT_GT(world[3].X, 1);

    const std::vector<TrackLine> lines = RunLines(world, BreakPoints(points), {{0, 6, 0, 0, 0, 0}}, 10);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Points.size(), 7u);
    EXPECT_NEAR(lines[0].MaxX - lines[0].MinX, 0.2 / 360 * WorldPixels(10), 1e-6);
}

}  // namespace
}  // namespace qm
