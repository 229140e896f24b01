#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qm {

struct TrackPoint {
    double Latitude = 0;   // decimal degrees, north positive
    double Longitude = 0;  // decimal degrees, east positive
    int32_t BreakCode = 0; // 1: a new track piece starts here; others kept as read
    int32_t Altitude = 0;  // the file's unit (feet); -777 marks a missing value
    double DateTime = 0;   // days since 1899-12-30 00:00
};

using TTrackRecArray = std::vector<TrackPoint>;

// The file's lines 1 to 5, byte for byte, without their line ends.
using TrackHeader = std::array<std::string, 5>;

// A track as the reader leaves it. PointCount 0 means the track cannot be
// used and the user has been told why; otherwise Points holds PointCount
// points whose times strictly increase.
struct Track {
    int32_t PointCount = 0;
    TrackHeader Header;
    TTrackRecArray Points;
};

}  // namespace qm
