#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// The altitude of a point whose height is not known.
inline constexpr int32_t kNoAltitude = -777;
inline constexpr double kMetresPerFoot = 0.3048;

struct TrackPoint {
    double Latitude = 0;   // decimal degrees, north positive
    double Longitude = 0;  // decimal degrees, east positive
    int32_t BreakCode = 0; // 1: a new track piece starts here; others kept as read
    int32_t Altitude = 0;  // feet; kNoAltitude marks a missing value
    double DateTime = 0;   // days since 1899-12-30 00:00
};

using TrackPoints = std::vector<TrackPoint>;

// The first five lines of an OziExplorer track file, byte for byte, without
// their line ends; the track files we write start with them.
using TrackHeader = std::array<std::string, 5>;

// A usable track: at least one point, times strictly increasing.
struct Track {
    TrackHeader Header;
    TrackPoints Points;
};

}  // namespace qm
