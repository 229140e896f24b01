#pragma once

#include "track/track.h"

#include <optional>
#include <string>

namespace qm::test {

// The track GPSBabel reads from the file at path with its input format
// (`gpsbabel -t -i FORMAT -f PATH -o gpx`), taken through our GPX reader, so
// that it obeys the rules every track follows once read (pieces in time
// order, a time not later than the last one kept left out). filter, when
// given, is the option of one of GPSBabel's filters applied after reading
// ("track,name=GNSSALTTRK"). Nothing when GPSBabel fails or its GPX holds no
// track.
std::optional<Track> GpsBabelTrack(const std::string& format, const std::string& path, const std::string& filter = "");

// How far two readings of one file may differ.
struct ReadingTolerance {
    double Degrees = 1e-6;
    double Seconds = 1;
    double Metres = 0.1;
};

// The first difference between two readings of one file (point count, or
// the first point whose position, time or height differs beyond
// the tolerance, described with its number); empty when they agree.
std::string ReadingDifference(const Track& ours, const Track& theirs, ReadingTolerance tolerance = {});

}  // namespace qm::test
