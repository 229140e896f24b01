#pragma once

#include "track/track.h"
#include "visual/visualisation.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr std::string_view kGpxFileSuffix = "_speed.gpx";

// The visualisation as one GPX 1.1 file at path (named with kGpxFileSuffix):
// the stops as waypoints named and described as in the
// stop waypoint file, then one <trk> per band that received a run, named with
// its speed range and carrying its colour and trackWidth in the gpx_style
// extension, one <trkseg> per run. Its path is added to `written` once it is
// complete; an Error leaves no file.
void WriteGpxVisualisation(const std::string& path, const Track& track, const Visualisation& visualisation,
                           int32_t trackWidth, std::vector<std::string>& written);

}  // namespace qm
