#pragma once

#include "settings/track_files.h"
#include "platform/message_sink.h"
#include "settings/settings.h"
#include "stats/stat_row.h"

#include <optional>
#include <string>

namespace qm {

// The statistics command: loads the track's files, fits the latitude
// scale and gives the statistics table. A track that cannot be used gives
// nothing, after the reader's messages or, when the reader gave none,
// MessageId::NoDataToCompute through sink.
std::optional<StatTable> TrackStatistics(const TrackFiles& track, const Settings& settings, MessageSink& sink);

}  // namespace qm
