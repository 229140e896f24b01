#pragma once

#include "settings/track_files.h"
#include "platform/message_sink.h"
#include "settings/settings.h"
#include "stats/measure_summary.h"
#include "stats/stat_row.h"

#include <optional>
#include <string>

namespace qm {

// The statistics command: loads the track's files, fits the latitude
// scale and gives the statistics table. A track that cannot be used gives
// nothing, after the reader's messages or, when the reader gave none,
// MessageId::NoDataToCompute through sink.
std::optional<StatTable> TrackStatistics(const TrackFiles& track, const Settings& settings, MessageSink& sink);

struct MeasuredStatistics {
    StatTable Table;
    MeasureSummary Measures;  // over the track and the days of Table
};

// The same, with the summary of the track's measures.
std::optional<MeasuredStatistics> TrackStatisticsAndMeasures(const TrackFiles& track, const Settings& settings,
                                                             MessageSink& sink);

}  // namespace qm
