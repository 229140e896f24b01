#pragma once

#include "formats/coloured_file.h"
#include "track/track.h"
#include "visual/stop_detector.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// A coloured track as one GPX 1.1 file at path: the stops as waypoints
// named and described as in the stop waypoint file, then one <trk> per band,
// named with its name and carrying its colour and trackWidth in the
// gpx_style extension, one <trkseg> per run. Its path is added to `written`
// once it is complete; an Error leaves no file.
void WriteGpxVisualisation(const std::string& path, const Track& track, const ColouredFile& bands,
                           const std::vector<TrackStop>& stops, int32_t trackWidth, std::vector<std::string>& written);

}  // namespace qm
