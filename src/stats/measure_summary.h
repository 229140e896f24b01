#pragma once

#include "stats/stat_row.h"
#include "track/track.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace qm {

// The mean and the highest value of one measure over a row.
struct MeasureFigures {
    double Mean = 0;
    double Max = 0;
};

// The figures of the track or of one day of its statistics table.
struct MeasureSummaryRow {
    int32_t Level = kTrackLevel;  // kTrackLevel or kDayLevel
    int32_t Number = 0;           // day within the track, from 1; 0 for the track
    double Date = 0;              // the day's local date, as the table gives it
    // Per Measure; nothing where the row has no plausible value of it.
    std::array<std::optional<MeasureFigures>, kMeasureCount> Figures;
};

struct MeasureSummary {
    // The measures the track has (a column of values), in the order of Measure.
    std::vector<Measure> Measures;
    // The track, then each day; empty when the track has no measure.
    std::vector<MeasureSummaryRow> Rows;
    // Values of the track outside their plausible range (IsPlausible), left
    // out of every figure.
    size_t Implausible = 0;
};

// The summary of the track's measures over the rows of its statistics table
// (ComputeStatistics of the same points), so that the days are the table's.
// A row's values are those of its points. Its mean is weighted by time: each
// step between two neighbouring points of one of its parts, both with a
// value, weighs its duration and takes the mean of the two values; a gap
// between parts is no step. A row with values but no such step takes the
// plain mean of its values. Its maximum is its highest value.
MeasureSummary SummariseMeasures(const Track& track, const StatTable& table);

}  // namespace qm
