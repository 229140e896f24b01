#pragma once

#include "formats/track_reader.h"

#include <string>
#include <string_view>

namespace qm {

// Reads and checks an OziExplorer track file.
TrackReading LoadPltTrack(const std::string& path);

// Fills point from one point line; an empty line leaves it untouched. Throws
// Error when a number does not convert.
void ParseTrackPoint(std::string_view line, TrackPoint& point);

}  // namespace qm
