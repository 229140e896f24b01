#pragma once

#include "map/band_totals.h"
#include "settings/colour_measure.h"
#include "settings/settings.h"
#include "track/track.h"
#include "visual/visualisation.h"

#include <optional>
#include <string>
#include <vector>

namespace qm {

// A band of what a trip is coloured by, with what its runs cover.
struct ColourBandTotal {
    // The values above Lower up to Upper in the measure's unit (speed: km/h);
    // -inf and +inf at the open ends.
    double Lower = 0;
    double Upper = 0;
    int32_t Color = 0;      // 0x00BBGGRR
    bool NoData = false;    // the band of the runs without a value
    int32_t StepCount = 0;  // steps of its runs; 0: a band without a run
    BandTotal Total;
};

// What the map, its legend and its profile colour a trip by.
struct TripColouring {
    ColourMeasure Measure = ColourMeasure::Speed;
    // From the lowest band to the highest; by a measure other than speed the
    // band without data last.
    std::vector<ColourBandTotal> Bands;
    // The track cut into runs of one band each, in track order: Band an index
    // into Bands, Speed the run's value in the measure's unit (0 without data).
    std::vector<SpeedRun> Runs;
    // What the colouring tells of values it left out as implausible.
    std::optional<std::string> Warning;
};

// What a track can be coloured by: speed, then height and grade where a point
// has a height, then the device's measures the track has a value of.
std::vector<ColourMeasure> ColourMeasuresOf(const Track& track);

// The track coloured by a measure: by speed, as its visualisation is; by
// another, with the settings' scale of it (ColourTrack). The band totals are
// those of the runs over the statistics' parts (SumBands).
TripColouring ColourTrip(const Track& track, const Visualisation& visualisation, const ScaleCoefficients& scale,
                         const std::vector<TrackPart>& parts, ColourMeasure measure, const Settings& settings);

// A band's range in the legend: "0–5 km/h", "> 50 km/h", "≤ 114 bpm", or
// "-5 – -2 %" where a bound is below 0; decimals after `separator`.
std::string LegendRangeText(double lower, double upper, const std::string& unit, char separator);

}  // namespace qm
