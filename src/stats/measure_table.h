#pragma once

#include "stats/measure_summary.h"

#include <array>
#include <string>
#include <vector>

namespace qm {

// The words of the measures table in the reader's language.
struct MeasureTableWords {
    std::array<std::string, kMeasureCount> Titles;  // per Measure, with its unit
    std::string Date, Mean, Max, Track, Day, NoData;
};

// The words in the messages' language (MessageText).
MeasureTableWords CatalogueMeasureWords();

// The summary as text in aligned columns (widths count characters): a line
// of the measures' titles, a line of the column names, then one line for the
// track and one for each day (Day, its number, its date).
// Means have one decimal, maxima none but the temperature's one, written with
// the separator given; a measure without values in a row reads NoData. No
// line ends in a blank.
std::vector<std::string> MeasureTableLines(const MeasureSummary& summary, const MeasureTableWords& words,
                                           char decimalSeparator);

}  // namespace qm
