#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace qm {

// The grouping level of a statistics row.
enum StatLevel : int32_t { kTrackLevel = 0, kDayLevel = 1, kPartLevel = 2 };

// One row of the statistics table: the whole track, a day or a part of a day.
struct StatRow {
    int32_t Level = kTrackLevel;
    int32_t Number = 0;      // day within the track, or part within its day, from 1; 0 for the track
    double Date = 0;         // whole day count (days since 1899-12-30)
    double Dist = 0;         // km
    double TimeSum = 0;      // days
    double TimeMov = 0;      // days
    double SpdSum = 0;       // km/h over the total time
    double SpdMov = 0;       // km/h: the whole Dist over the moving time; 0 without moving time
    double Climb = 0;        // m
    // m, of the known heights that count; nothing when none does
    std::optional<double> MinHgt;
    std::optional<double> MaxHgt;
    int32_t FirstPoint = 0;  // 0-based index into the track
    int32_t LastPoint = 0;
};

// The whole track first, then each day directly followed by its parts.
using StatTable = std::vector<StatRow>;

}  // namespace qm
