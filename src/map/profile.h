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

// The runs' speeds (km/h) as bars over the track's time cut into `slices`
// equal slices, an outline per band: a slice that a run of the band
// overlaps rises to the highest speed of those runs; neighbouring risen
// slices join into one outline that starts and ends on zero.
using SpeedBars = std::array<std::vector<ProfilePoint>, kBandCount>;
SpeedBars SpeedProfile(const TrackPoints& points, const std::vector<SpeedRun>& runs, int slices);

// Heights in metres over time, at most two points per time slice of the
// track (its lowest and highest, in time order) for `slices` slices; points
// without an altitude (-777) are left out.
std::vector<ProfilePoint> HeightProfile(const TrackPoints& points, int slices);

}  // namespace qm
