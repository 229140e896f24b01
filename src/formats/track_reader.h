#pragma once

#include "platform/message_sink.h"
#include "track/track.h"

#include <optional>
#include <string>
#include <vector>

namespace qm {

// What reading a track file gave.
struct TrackReading {
    // Set when the file holds a usable track.
    std::optional<qm::Track> Track;
    // In order: why the file cannot be used (one message, or the error of a
    // number that does not convert, a point line with fewer than five commas
    // or a read error, the first two with the line's number), what was left
    // out, and that the track was cut before a time that does not increase.
    std::vector<Message> Messages;
};

// Reads and checks a track file of either format, decided by its content: a
// file that starts as XML does (after a byte-order mark and blanks) is read
// as GPX, any other as an OziExplorer track.
TrackReading LoadTrack(const std::string& path);

}  // namespace qm
