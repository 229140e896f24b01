#pragma once

#include "track/track.h"

#include <string>

namespace qm::test {

// A real file of tests/data/tracks as its description says it reads: points
// kept, pieces, first and last time in UTC (as GPX writes them) and the one
// message the user is told, if any.
struct RealTrack {
    std::string file;
    size_t points;
    int pieces;
    std::string first, last;
    std::string message = {};
};

std::string RealTrackPath(const std::string& file);
int PieceCount(const TrackPoints& points);

// LoadTrack reads the file as described.
void ExpectReadAsDescribed(const RealTrack& real);
// GPSBabel, the reference reader, finds the same points with its input format.
void ExpectGpsBabelReadsTheSame(const RealTrack& real, const std::string& format);

}  // namespace qm::test
