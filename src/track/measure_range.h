#pragma once

#include "track/track.h"

#include <array>

namespace qm {

// The values a device really gives for a measure, bounds included. A value
// outside (a heart rate of 0 or 300, 5,000 W) is a fault of the sensor or the
// file: it counts as no value wherever values are summed or coloured.
struct MeasureRange {
    double Low = 0;
    double High = 0;

    constexpr bool Holds(double value) const { return value >= Low && value <= High; }
};

inline constexpr MeasureRange PlausibleRange(Measure measure)
{
    constexpr std::array<MeasureRange, kMeasureCount> kRanges = {{
        {25, 250},   // heart rate, beats/min
        {0, 250},    // cadence, 1/min (a run's steps per minute too)
        {0, 3000},   // power, W
        {-60, 70},   // temperature, °C
    }};
    return kRanges[static_cast<size_t>(measure)];
}

inline constexpr bool IsPlausible(Measure measure, double value) { return PlausibleRange(measure).Holds(value); }

// The heights a track really has, metres: from below the shore of the Dead
// Sea (-430 m) with room for a receiver's error to above where aircraft
// other than record gliders and balloons fly. A height outside is a fault
// like a measure's.
inline constexpr MeasureRange kPlausibleHeight = {-1000, 20000};

inline constexpr bool IsPlausibleHeight(double metres) { return kPlausibleHeight.Holds(metres); }

}  // namespace qm
