#include "map/track_lines.h"

#include <algorithm>
#include <cmath>

namespace qm {
namespace {

// Builds the lines of one stretch of a run, first to last inclusive, straight
// into the list.
class LineBuilder {
public:
    LineBuilder(std::vector<TrackLine>& lines, int32_t band, double pixels)
        : lines_(lines), band_(band), pixels_(pixels)
    {
    }

    void Add(const WorldPoint& world, int32_t index)
    {
        const LinePoint point{world.X * pixels_, world.Y * pixels_, index};
        if (open_) {
            const LinePoint& last = lines_.back().Points.back();
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
        if (open_ && lines_.back().Points.size() < 2) lines_.pop_back();
        open_ = false;
        hasPending_ = false;
    }

private:
    void Append(const LinePoint& point)
    {
        hasPending_ = false;
        if (open_ && lines_.back().Points.size() == kLinePoints) {
            const LinePoint shared = lines_.back().Points.back();
            Start(shared);
        }
        if (!open_) Start(point);
        TrackLine& line = lines_.back();
        if (line.Points.back().Index == point.Index) return;
        line.Points.push_back(point);
        line.MinX = std::min(line.MinX, point.X);
        line.MaxX = std::max(line.MaxX, point.X);
        line.MinY = std::min(line.MinY, point.Y);
        line.MaxY = std::max(line.MaxY, point.Y);
    }

    void Start(const LinePoint& point)
    {
        TrackLine& line = lines_.emplace_back();
        line.Band = band_;
        line.Points.push_back(point);
        line.MinX = line.MaxX = point.X;
        line.MinY = line.MaxY = point.Y;
        open_ = true;
    }

    std::vector<TrackLine>& lines_;
    int32_t band_;
    double pixels_;
    bool open_ = false;
    LinePoint pending_;
    bool hasPending_ = false;
};

}  // namespace

std::vector<WorldPoint> ProjectTrack(const TrackPoints& points)
{
    std::vector<WorldPoint> world;
    world.reserve(points.size());
    for (const TrackPoint& point : points) {
        WorldPoint place = Project(point.Latitude, point.Longitude);
        if (!world.empty()) place.X = WorldXNear(place.X, world.back().X);
        world.push_back(place);
    }
    return world;
}

std::vector<int32_t> BreakPoints(const TrackPoints& points)
{
    std::vector<int32_t> breaks;
    for (std::size_t i = 1; i < points.size(); ++i)
        if (points[i].StartsPiece) breaks.push_back(int32_t(i));
    return breaks;
}

std::vector<TrackLine> RunLines(const std::vector<WorldPoint>& world, const std::vector<int32_t>& breaks,
                                const std::vector<SpeedRun>& runs, int zoom)
{
    std::vector<TrackLine> lines;
    const double pixels = WorldPixels(zoom);
    for (const SpeedRun& run : runs) {
        LineBuilder builder(lines, run.Band, pixels);
        auto nextBreak = std::upper_bound(breaks.begin(), breaks.end(), run.First);
        for (int32_t i = run.First; i <= run.Last; ++i) {
            if (nextBreak != breaks.end() && *nextBreak == i) {
                builder.Finish();
                ++nextBreak;
            }
            builder.Add(world[i], i);
        }
        builder.Finish();
    }
    return lines;
}

uint32_t LineSource(const TrackLine& line, const std::vector<uint32_t>& sources)
{
    const auto first = static_cast<std::size_t>(line.Points.front().Index);
    return first < sources.size() ? sources[first] : 0;
}

}  // namespace qm
