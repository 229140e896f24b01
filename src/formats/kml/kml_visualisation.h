#pragma once

#include "formats/coloured_file.h"
#include "track/track.h"
#include "visual/stop_detector.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// A coloured track as one KML 2.2 file at path: a legend of the bands in
// the document's description, a line style per band (its colour,
// trackWidth), a folder of the bands named by the title, each band a
// placemark of one line per run with the points' heights, and a folder of
// stops, each a point placemark named and described as in the stop waypoint
// file. Its path is added to `written` once it is complete; an Error leaves
// no file.
void WriteKmlVisualisation(const std::string& path, const Track& track, const ColouredFile& bands,
                           const std::vector<TrackStop>& stops, int32_t trackWidth, std::vector<std::string>& written);

}  // namespace qm
