#pragma once

#include <optional>
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

// The name a trip's outputs are made from: the first file's name with
// "_trip" before its extension, in its folder (day1.plt: day1_trip.plt,
// whose outputs are day1_trip_5.plt and day1_trip_stat.txt).
std::string TripName(const std::string& firstPath);

// One file, or several as a trip. The trip is named tripName (blanks around
// it dropped) with ".trip" in its first file's folder (Alps: Alps.trip, whose
// outputs are Alps_5.plt, Alps_stat.txt), or after its first file (TripName)
// when tripName is blank.
TrackFiles TrackFilesOf(std::vector<std::string> paths, std::string_view tripName = {});

// The track the track field's text names (TrackListOfText), a trip named as
// TrackFilesOf names it.
TrackFiles TrackFilesOfText(std::string_view text, std::string_view tripName = {});

// Why a name the user gives a trip cannot name its files on every system (a
// separator, a character Windows refuses in names, a control character, "."
// or ".."); nothing when it can, and for a blank name, which is the default.
std::optional<std::string> TripNameFault(std::string_view tripName);

}  // namespace qm
