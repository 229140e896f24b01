#pragma once

#include "formats/track_reader.h"
#include "platform/file_line_reader.h"

#include <cstdint>
#include <string_view>

namespace qm {

// Reads and checks an OziExplorer track file's content; keeps its header
// lines and its break codes other than 0 and 1 in the reading's Plt.
TrackReading ReadPltTrack(std::string_view content);
// The same, line by line from a file; an error reading it is the reading's
// last message.
TrackReading ReadPltTrack(FileLineReader& file);

// Whether the first bytes of a file are those of an OziExplorer track.
bool StartsAsPltTrack(std::string_view head);

// Fills point from one point line and gives its break code; an empty line
// leaves the point untouched and gives 0. Throws Error when a number does
// not convert.
int32_t ParseTrackPoint(std::string_view line, TrackPoint& point);

}  // namespace qm
