#pragma once

#include "track/distance.h"
#include "track/track.h"
#include "visual/speed_bands.h"

#include <cstdint>
#include <vector>

namespace qm {

class StopDetector;

// Consecutive points from First to Last (Last > First) with their average speed.
struct SpeedRun {
    int32_t First = 0;
    int32_t Last = 0;
    double Distance = 0;  // km
    double Duration = 0;  // days
    double Speed = 0;     // km/h
    int32_t Band = 0;
};

// The one pass over the track: cuts it into runs (CutIntoIntervalRuns),
// gives each run its band, adds its steps to the band's StepCount and merges
// it into the run before when that has the same band and the point after it
// is no break point (the track's last run counts as followed by none), even
// when a break lies between the two. Every step goes to the stop detector's
// step rule, every jump over a break point to its break rule. A point after
// the first that starts a piece is a break.
std::vector<SpeedRun> SegmentTrack(const TrackPoints& points, const ScaleCoefficients& scale, double interval,
                                   SpeedBands& bands, StopDetector& stops);

}  // namespace qm
