#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm {

// The files of a track: one file, or the files of a trip read as one track
// (LoadTrip). Name is the path the outputs are named after: the file's own,
// or the trip's name.
struct TrackFiles {
    // One file, named after itself.
    TrackFiles(const std::string& path) : Paths{path}, Name(path) {}
    TrackFiles(const char* path) : TrackFiles(std::string(path)) {}
    TrackFiles(std::vector<std::string> paths, std::string name) : Paths(std::move(paths)), Name(std::move(name)) {}

    std::vector<std::string> Paths;
    std::string Name;
};

// One file, or several as a trip named after its first file (TripName).
TrackFiles TrackFilesOf(std::vector<std::string> paths);

// The track the track field's text names (TrackListOfText): one file, or
// several as a trip named after its first file (TripName).
TrackFiles TrackFilesOfText(std::string_view text);

}  // namespace qm
