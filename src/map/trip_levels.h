#pragma once

#include "map/map_trip.h"
#include "map/mark_groups.h"
#include "map/track_lines.h"

#include <map>
#include <memory>
#include <vector>

namespace qm {

// What a map view draws of a trip at a zoom level: its runs as lines and its
// stops as marks (those nearer than stopSpacing pixels merged), in pixels of
// that level. A level is computed when it is prepared; the last few prepared
// are kept.
class TripLevels {
public:
    TripLevels() = default;
    TripLevels(std::shared_ptr<const MapTrip> trip, double stopSpacing);

    void Prepare(int zoom);
    // Of a prepared level; empty without a trip.
    const std::vector<TrackLine>& Lines(int zoom) const;
    const std::vector<MarkGroup>& StopMarks(int zoom) const;
    // The index of the track point whose place at a prepared level lies
    // nearest to (x, y), less than radius away; -1 when none does.
    int NearestPoint(int zoom, double x, double y, double radius) const;

private:
    struct Level {
        std::vector<TrackLine> Lines;
        std::vector<MarkGroup> StopMarks;
    };
    const Level& At(int zoom) const;

    std::shared_ptr<const MapTrip> trip_;
    double stopSpacing_ = 0;
    std::map<int, Level> levels_;
};

}  // namespace qm
