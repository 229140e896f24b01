#pragma once

#include "formats/point_admission.h"
#include "formats/track_reader.h"
#include "platform/file_line_reader.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Reads and checks an OziExplorer track file's content, its points admitted
// as every format's are, in the file's order up to the first time that does
// not increase; keeps its header lines and its break codes other than 0 and
// 1 in the reading's Plt. path names the file in messages.
TrackReading ReadPltTrack(std::string_view content, const std::string& path);
// The same, line by line from a file; an error reading it is the reading's
// last message.
TrackReading ReadPltTrack(FileLineReader& file, const std::string& path);

// Whether the first bytes of a file are those of an OziExplorer track.
bool StartsAsPlt(std::string_view head);

// Fills point from one point line and gives its break code; an empty line
// leaves the point untouched and gives 0. A time of 0 is the format's mark
// of a point without one. Throws Error when a number does not convert.
int32_t ParseTrackPoint(std::string_view line, OfferedPoint& point);

}  // namespace qm
