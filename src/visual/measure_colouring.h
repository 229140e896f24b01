#pragma once

#include "settings/colour_scale.h"
#include "settings/settings.h"
#include "track/track.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// A band of a colouring: the values above Lower up to Upper (Lower is -inf
// for the first band, Upper +inf for the last), its colour and its name as
// the files give it (MeasureRangeText with the measure's unit).
struct MeasureBand {
    double Lower = 0;
    double Upper = 0;
    int32_t Color = 0;  // 0x00BBGGRR
    std::string Name;
    int32_t StepCount = 0;  // steps of the runs put into the band
};

// The band of a run without the measure; drawn grey and named "no data".
inline constexpr int32_t kNoDataBand = -1;
inline constexpr int32_t kNoDataColor = 0x808080;
inline constexpr std::string_view kNoDataName = "no data";

// Consecutive points First to Last (Last > First) with the measure's value
// over them.
struct MeasureRun {
    int32_t First = 0;
    int32_t Last = 0;
    double Distance = 0;  // km
    double Duration = 0;  // days
    double Value = 0;     // in the measure's unit (ColourMeasureUnit); 0 without data
    int32_t Band = kNoDataBand;
};

// A track coloured by a measure other than speed.
struct MeasureColouring {
    ColourMeasure Measure = ColourMeasure::Height;
    std::vector<MeasureBand> Bands;
    // The track cut into runs of one band each (or of no data), in track order.
    std::vector<MeasureRun> Runs;
    int32_t NoDataSteps = 0;  // steps of the runs without data
    // The values the track holds for the measure (its heights for height and
    // grade), and of them those outside the plausible range, which count as
    // no value.
    int64_t Values = 0;
    int64_t Implausible = 0;
};

// The settings' scale of a measure other than speed in the measure's unit:
// the heart rate's bounds percentages of MAXHR, the power's of FTP.
ColourScale MeasureColourScale(ColourMeasure measure, const Settings& settings);

// Colours the track by a measure other than speed with a scale in the
// measure's unit and the settings' TIMEINTRVL (above 0 once turned into
// days). The track is cut into the runs of the speed visualisation
// (CutIntoIntervalRuns), each run valued by itself:
// - height and a device's measure: the time-weighted mean over the run's
//   steps. A step weighs its duration and is valued at the mean of its two
//   points' values, or at the one point's value when the other has none; a
//   step neither of whose points has a value is left out. Value = sum of
//   duration x value / sum of duration over the steps counted.
// - grade: 100 x (height of Last - height of First) / (1000 x Distance), in
//   %, where both points have a height and Distance is above 0.
// A value outside the plausible range (PlausibleRange, kPlausibleHeight) is
// no value. A run left without a value has no data (kNoDataBand). A run goes
// into the first band whose Upper is not below its value; without bounds
// the scale's bands are RoundStepBounds over the lowest and highest
// plausible value of the track's points, for grade of its runs (0 and 0
// where there is none). Then each run merges into the run
// before when that has the same band (no data being one) and ends at the
// run's first point: runs never merge across a piece start. A merged run's
// Value is the one its steps give together.
MeasureColouring ColourTrack(const Track& track, ColourMeasure measure, const ColourScale& scale,
                             const Settings& settings);

// Even bounds over low to high (low <= high): the smallest step of 1, 2 or 5
// times a power of ten (1 at least) whose multiples from the one at or below
// low to the one at or above high span at most seven steps, and the multiples
// between those two; one bound at least (a step above the lower multiple).
std::vector<double> RoundStepBounds(double low, double high);

// A band's range: "up to 114 bpm" (Lower -inf), "over 10 %" (Upper +inf),
// "120-140 bpm", or "-5 to -2 %" when a bound is below 0.
std::string MeasureRangeText(double lower, double upper, std::string_view unit);

// The message that the colouring left implausible values out, naming the
// measure of the values, their range and counts; nothing when it left none.
std::optional<std::string> ImplausibleValuesMessage(const MeasureColouring& colouring);

}  // namespace qm
