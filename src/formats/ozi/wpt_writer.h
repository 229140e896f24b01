#pragma once

#include "formats/ozi/plt_details.h"
#include "track/track.h"
#include "visual/stop_detector.h"

#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr std::string_view kStopFileSuffix = "_stop.wpt";

// The waypoint line of stop n (counted from 1), without its line end.
std::string StopLine(int n, const TrackStop& stop, const TrackPoints& points);

// Writes the OziExplorer waypoint file at path (named with kStopFileSuffix):
// four header lines (line 2 the datum line of the track file's header in
// details) and one line per stop. Gives its path.
std::string WriteStopWaypoints(const std::string& path, const Track& track, const PltDetails& details,
                               const std::vector<TrackStop>& stops);

}  // namespace qm
