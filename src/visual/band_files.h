#pragma once

#include "track/track.h"
#include "visual/segmentation.h"
#include "visual/work_bands.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The line with its n-th comma-separated field (counted from 1) replaced by
// value; all other fields and commas stay. A line with fewer fields first
// gets empty ones up to field n.
std::string ReplaceField(std::string_view line, int n, std::string_view value);

// Header line 5 of a band file: line width, the band's colour and its speed
// range ("5-10 km/h") put into fields 2, 3 and 4 of the track's own line 5.
std::string BandDisplayLine(std::string_view line5, const WorkBand& band, int32_t trackWidth);

// The end of a band file's name: "_", the band's upper bound and ".plt".
std::string BandFileSuffix(const WorkBand& band);

// One point line of a track file we write, with its line end.
void AppendPointLine(std::string& out, const TrackPoint& point, int32_t breakCode);

// Writes one track file per band with a StepCount above 0, named after the
// track with "_" and the band's upper bound: the track's header, the band's
// line 5, the StepCount and the points of the band's runs, each run starting
// with break code 1. The files appear in band order; on an Error the files of
// the bands before the failing one stay and no other file is left.
void WriteBandFiles(const std::string& outputDir, const std::string& trackPath, const Track& track,
                    const std::vector<SpeedRun>& runs, const WorkBands& bands, int32_t trackWidth);

}  // namespace qm
