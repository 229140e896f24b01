#pragma once

#include "settings/speed_scale.h"
#include "track/track.h"
#include "visual/segmentation.h"

#include <array>
#include <vector>

namespace qm {

// A value over the track's time (days since 1899-12-30).
struct ProfilePoint {
    double DateTime = 0;
    double Value = 0;
};

// Each run's speed (km/h) as a bar from its first to its last point's time,
// outlined on zero, gathered by band: (start, 0), (start, v), (end, v), (end, 0).
using SpeedBars = std::array<std::vector<ProfilePoint>, kBandCount>;
SpeedBars SpeedProfile(const TrackPoints& points, const std::vector<SpeedRun>& runs);

// Heights in metres over time, at most two points per time slice of the
// track (its lowest and highest, in time order) for `slices` slices; points
// without an altitude (-777) are left out.
std::vector<ProfilePoint> HeightProfile(const TrackPoints& points, int slices);

}  // namespace qm
