#include "map/track_lines.h"

#include <algorithm>
#include <cmath>

namespace qm {
namespace {

// Builds the lines of one stretch of a run, first to last inclusive.
class LineBuilder {
public:
    LineBuilder(std::vector<TrackLine>& lines, int32_t band, double pixels)
        : lines_(lines), band_(band), pixels_(pixels)
    {
    }

    void Add(const WorldPoint& world, int32_t index)
    {
        const LinePoint point{world.X * pixels_, world.Y * pixels_, index};
        if (!line_.Points.empty()) {
            const LinePoint& last = line_.Points.back();
            if (std::abs(point.X - last.X) < 1 && std::abs(point.Y - last.Y) < 1) {
                pending_ = point;
                hasPending_ = true;
                return;
            }
        }
        Append(point);
    }

    // The stretch ends: its last point is kept even when it is close.
    void Finish()
    {
        if (hasPending_) Append(pending_);
        if (line_.Points.size() >= 2) Close();
        line_.Points.clear();
        hasPending_ = false;
    }

private:
    void Append(const LinePoint& point)
    {
        hasPending_ = false;
        line_.Points.push_back(point);
        if (line_.Points.size() == kLinePoints) {
            Close();
            line_.Points.assign(1, point);
        }
    }

    void Close()
    {
        TrackLine& line = lines_.emplace_back();
        line.Band = band_;
        line.Points = line_.Points;
        const auto [minX, maxX] = std::minmax_element(line.Points.begin(), line.Points.end(),
                                                      [](auto& a, auto& b) { return a.X < b.X; });
        const auto [minY, maxY] = std::minmax_element(line.Points.begin(), line.Points.end(),
                                                      [](auto& a, auto& b) { return a.Y < b.Y; });
        line.MinX = minX->X;
        line.MaxX = maxX->X;
        line.MinY = minY->Y;
        line.MaxY = maxY->Y;
    }

    std::vector<TrackLine>& lines_;
    int32_t band_;
    double pixels_;
    TrackLine line_;
    LinePoint pending_;
    bool hasPending_ = false;
};

}  // namespace

std::vector<WorldPoint> ProjectTrack(const TrackPoints& points)
{
    std::vector<WorldPoint> world;
    world.reserve(points.size());
    for (const TrackPoint& point : points) world.push_back(Project(point.Latitude, point.Longitude));
    return world;
}

std::vector<TrackLine> RunLines(const std::vector<WorldPoint>& world, const TrackPoints& points,
                                const std::vector<SpeedRun>& runs, int zoom)
{
    std::vector<TrackLine> lines;
    const double pixels = WorldPixels(zoom);
    for (const SpeedRun& run : runs) {
        LineBuilder builder(lines, run.Band, pixels);
        for (int32_t i = run.First; i <= run.Last; ++i) {
            if (i > run.First && points[i].BreakCode != 0) builder.Finish();
            builder.Add(world[i], i);
        }
        builder.Finish();
    }
    return lines;
}

}  // namespace qm
