#pragma once

#include "settings/speed_scale.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// A band of the current scale as it is shown and used: the upper bound
// rounded to a whole number (halves to the even neighbour) and the colour.
struct BandBox {
    double Upper = 0;
    int32_t Color = 0;
};
using BandBoxes = std::array<BandBox, kBandCount>;

BandBoxes ScaleBandBoxes(const SpdCatSet& scale);

// The visualisation's working copy of one band. Lower is always the previous
// band's Upper (0 for band 0); the scale's own lower bounds are not used.
struct SpeedBand {
    double Lower = 0;
    double Upper = 0;
    int32_t Color = 0;
    int32_t StepCount = 0;  // steps of all runs put into the band
};
using SpeedBands = std::array<SpeedBand, kBandCount>;

SpeedBands MakeSpeedBands(const BandBoxes& boxes);

// The band's speed range: "5-10 km/h" as its files name it; the windows and
// messages give their own unit and dash.
std::string BandRangeText(const SpeedBand& band, std::string_view unit = "km/h", std::string_view dash = "-");

// The band of a speed: the first band whose Upper is not below it, also when
// the bounds do not rise. A speed below band 0's Lower or above band 9's Upper
// goes to band 0.
int FindBand(const SpeedBands& bands, double speed);

}  // namespace qm
