#pragma once

#include "track/track.h"
#include "visual/visualisation.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr std::string_view kKmlFileSuffix = "_speed.kml";

// The visualisation as one KML 2.2 file at path (named with kKmlFileSuffix):
// a legend of the bands in the document's description, a
// line style per band that received a run (its colour, trackWidth), a folder
// of bands, each a placemark of one line per run with the points' heights,
// and a folder of stops, each a point placemark named and described as in
// the stop waypoint file. Its path is added to `written` once it is complete;
// an Error leaves no file.
void WriteKmlVisualisation(const std::string& path, const Track& track, const Visualisation& visualisation,
                           int32_t trackWidth, std::vector<std::string>& written);

}  // namespace qm
