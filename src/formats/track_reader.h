#pragma once

#include "formats/ozi/plt_details.h"
#include "platform/message_sink.h"
#include "track/track.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// What reading a track file gave.
struct TrackReading {
    // Set when the file holds a usable track.
    std::optional<qm::Track> Track;
    // Set when the track came from an OziExplorer track file.
    std::optional<PltDetails> Plt;
    // In order: why the file cannot be used (one message, or the error of a
    // value that does not convert, with the line's number where it is known),
    // that a damaged file may have been read only in part, what was left
    // out, and that the track was cut before a time that does not increase.
    std::vector<Message> Messages;
    // The version of the file read, when it was read from a file.
    std::optional<FileVersion> File;
};

// The name of the format a file's first bytes show, tried in this order:
// "FIT" for a FIT header; "XML" for text that starts as XML does (after a
// byte-order mark and blanks, in UTF-8 or UTF-16 of either byte order),
// read by its root element as TCX, KML or else GPX; "KMZ" for a ZIP
// archive; "IGC" for an IGC flight log; "NMEA" for a log of NMEA sentences;
// "PLT" for any other, read as an OziExplorer track.
std::string_view TrackFormatName(std::string_view head);

// Reads and checks a track held in memory, in the format its content shows.
// path names the file in messages.
TrackReading ReadTrack(std::string_view content, const std::string& path);

// Reads the file at path once and gives it to ReadTrack.
TrackReading LoadTrack(const std::string& path);

}  // namespace qm
