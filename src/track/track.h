#pragma once

#include <optional>
#include <vector>

namespace qm {

struct TrackPoint {
    double Latitude = 0;   // decimal degrees, north positive
    double Longitude = 0;  // decimal degrees, east positive
    double DateTime = 0;   // days since 1899-12-30 00:00 UTC
    std::optional<double> Height;  // metres; nothing when not known
    bool StartsPiece = false;      // a new piece of the track starts here (the first point starts one anyway)
};

using TrackPoints = std::vector<TrackPoint>;

// A usable track: at least one point, times strictly increasing.
struct Track {
    TrackPoints Points;
};

}  // namespace qm
