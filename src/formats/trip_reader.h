#pragma once

#include "formats/track_reader.h"
#include "track/piece_order.h"

#include <string>
#include <vector>

namespace qm {

// One file of a trip as read.
struct TripFile {
    std::string Path;
    std::optional<FileVersion> Version;
    // What reading it told (in a trip of several files each message names
    // the file), and how many of its points the trip left out for times it
    // already had.
    std::vector<Message> Warnings;
    size_t PointsKept = 0;
};

// What reading the files of a trip gave: one track, as if the files were one.
struct TripReading {
    // Set when every file gave a usable track.
    std::optional<qm::Track> Track;
    // Set when a file of the trip was an OziExplorer track: the first such
    // file's header, every such file's break codes.
    std::optional<PltDetails> Plt;
    // The file of each point of Track, as an index into Files.
    PointSources PointFiles;
    std::vector<TripFile> Files;
    // Why the trip cannot be used: the messages of the file that could not
    // be read, then the trip's own refusal.
    std::vector<Message> Refusal;
};

// What reading the files told of the track they gave, file by file.
std::vector<Message> TripWarnings(const std::vector<TripFile>& files);

// Reads every file and puts their pieces together in the order of their
// first times, each file starting a piece; a point whose time is not later
// than that of the last point kept is left out (a day recorded twice counts
// once). A file that cannot be used refuses the whole trip. A trip of one
// file is that file's reading, its messages as they are.
TripReading LoadTrip(const std::vector<std::string>& paths);

// The trip's messages through sink: each file's warnings as that version's
// (MessageSink::ShowWarnings), or the refusal one by one.
void ShowTripMessages(const TripReading& trip, MessageSink& sink);

}  // namespace qm
