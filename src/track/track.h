#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace qm {

struct TrackPoint {
    double Latitude = 0;   // decimal degrees, north positive
    double Longitude = 0;  // decimal degrees, east positive
    double DateTime = 0;   // days since 1899-12-30 00:00 UTC, IsTrackTime
    std::optional<double> Height;  // metres; nothing when not known
    bool StartsPiece = false;      // a new piece of the track starts here (the first point starts one anyway)
};

using TrackPoints = std::vector<TrackPoint>;

// Whether a day count lies within the years 1 to 9999 UTC, where every
// point's time lies: every format we write can hold them.
inline bool IsTrackTime(double days)
{
    constexpr double kFirstDay = -693593;  // 0001-01-01
    constexpr double kEndDay = 2958466;    // the day after 9999-12-31
    return days >= kFirstDay && days < kEndDay;
}

// What a device may measure beside the position.
enum class Measure { HeartRate, Cadence, Power, Temperature };  // beats/min, 1/min, W, °C
inline constexpr size_t kMeasureCount = 4;

// One value per point, nothing where the point has none.
using MeasureColumn = std::vector<std::optional<float>>;

// Each measure's column: empty when no point of the track has it, else one
// value per point of the track.
using MeasureColumns = std::array<MeasureColumn, kMeasureCount>;

inline MeasureColumn& ColumnOf(MeasureColumns& columns, Measure measure)
{
    return columns[static_cast<size_t>(measure)];
}
inline const MeasureColumn& ColumnOf(const MeasureColumns& columns, Measure measure)
{
    return columns[static_cast<size_t>(measure)];
}

// More points than any real track holds (nearly four months at one point a
// second); a track or trip of more is refused, which bounds its memory.
inline constexpr size_t kMostTrackPoints = 10000000;

// A usable track: at least one point, times strictly increasing.
struct Track {
    TrackPoints Points;
    MeasureColumns Measures;
};

}  // namespace qm
