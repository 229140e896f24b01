#include "map/trip_levels.h"

#include <cmath>

namespace qm {
namespace {

// Levels kept; more are computed again when shown again.
constexpr std::size_t kKeptLevels = 4;

}  // namespace

TripLevels::TripLevels(std::shared_ptr<const MapTrip> trip, double stopSpacing)
    : trip_(std::move(trip)), stopSpacing_(stopSpacing)
{
}

void TripLevels::Prepare(int zoom)
{
    if (!trip_ || levels_.count(zoom)) return;
    if (levels_.size() >= kKeptLevels) levels_.clear();
    Level& level = levels_[zoom];
    level.Lines = RunLines(trip_->World, trip_->Breaks, trip_->Colouring.Runs, zoom);
    std::vector<LinePoint> places;
    const double pixels = WorldPixels(zoom);
    for (const TrackStop& stop : trip_->Visualisation.Stops) {
        const WorldPoint& world = trip_->World[stop.First];
        places.push_back({world.X * pixels, world.Y * pixels, stop.First});
    }
    level.StopMarks = GroupMarks(places, stopSpacing_);
}

const TripLevels::Level& TripLevels::At(int zoom) const
{
    static const Level kNone;
    const auto found = levels_.find(zoom);
    return found == levels_.end() ? kNone : found->second;
}

const std::vector<TrackLine>& TripLevels::Lines(int zoom) const { return At(zoom).Lines; }

const std::vector<MarkGroup>& TripLevels::StopMarks(int zoom) const { return At(zoom).StopMarks; }

int TripLevels::NearestPoint(int zoom, double x, double y, double radius) const
{
    double best = radius;
    int index = -1;
    for (const TrackLine& line : Lines(zoom)) {
        if (line.MaxX < x - best || line.MinX > x + best || line.MaxY < y - best || line.MinY > y + best) continue;
        for (const LinePoint& point : line.Points) {
            const double distance = std::hypot(point.X - x, point.Y - y);
            if (distance < best) {
                best = distance;
                index = point.Index;
            }
        }
    }
    return index;
}

}  // namespace qm
