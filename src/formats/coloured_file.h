#pragma once

#include "visual/measure_colouring.h"
#include "visual/visualisation.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// A band as the GPX and KML files draw it: Number counts the bands of the
// scale from 1 (a run without data comes after the last), which the KML
// style's id gives; each run its first and last point, in track order.
struct FileBand {
    int32_t Number = 0;
    std::string Name;
    int32_t Color = 0;  // 0x00BBGGRR
    std::vector<std::pair<int32_t, int32_t>> Runs;
};

// What a GPX or KML file of a coloured track holds besides the stops: the
// bands that received runs, in the scale's order, and what the bands are
// of ("Speed bands").
struct ColouredFile {
    std::string Title;
    std::vector<FileBand> Bands;
};

// The speed bands named with their speed range (BandRangeText).
ColouredFile SpeedBandsFile(const Visualisation& visualisation);
// The measure's bands with their names, then the runs without data, named
// kNoDataName and drawn in kNoDataColor.
ColouredFile MeasureBandsFile(const MeasureColouring& colouring);

}  // namespace qm
