#pragma once

#include "map/web_mercator.h"
#include "track/track.h"
#include "visual/segmentation.h"

#include <cstdint>
#include <vector>

namespace qm {

// A point of a drawn line: its place in pixels of one zoom level and the
// index of the track point it stands for.
struct LinePoint {
    double X = 0;
    double Y = 0;
    int32_t Index = 0;
};

// A stretch of one run drawn in its band's colour without a gap, with the box
// around it in the same pixels, so that a view can skip what it does not show.
struct TrackLine {
    int32_t Band = 0;
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
    std::vector<LinePoint> Points;  // two or more
};

// The track's points on the Web Mercator plane, computed once per track.
// Each lies within half a world's width of the one before it, in the next
// copy of the world where the track crosses the 180° meridian (x beyond 0 or
// 1), so that its line goes on across the edge.
std::vector<WorldPoint> ProjectTrack(const TrackPoints& points);
// The points after the first that start a piece of the track, in order.
std::vector<int32_t> BreakPoints(const TrackPoints& points);

// The runs as lines at one zoom level, keeping only what a pixel can show: a
// point is kept when it lies a pixel or more from the last one kept, and the
// last point of every stretch always. A run is cut where a point after its
// first is a break point (the jump to it is not drawn), as the track files
// start a new piece there; long stretches are cut into lines of at most
// kLinePoints points that share their end points.
inline constexpr std::size_t kLinePoints = 256;
std::vector<TrackLine> RunLines(const std::vector<WorldPoint>& world, const std::vector<int32_t>& breaks,
                                const std::vector<SpeedRun>& runs, int zoom);

// The file of a trip (an index into its files) a line belongs to: that of
// its first point, lines being cut where a piece starts and every file
// starting one; 0 without sources (one file).
uint32_t LineSource(const TrackLine& line, const std::vector<uint32_t>& sources);

}  // namespace qm
