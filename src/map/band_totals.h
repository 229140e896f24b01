#pragma once

#include "settings/speed_scale.h"
#include "visual/segmentation.h"

#include <array>
#include <vector>

namespace qm {

// What the runs of one band cover: the legend's figures.
struct BandTotal {
    double Distance = 0;  // km
    double Duration = 0;  // days
};
using BandTotals = std::array<BandTotal, kBandCount>;

BandTotals SumBands(const std::vector<SpeedRun>& runs);

}  // namespace qm
