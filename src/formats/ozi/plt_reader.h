#pragma once

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
    // In order: why the file cannot be used (one message, or the error of a
    // number that does not convert, a point line with fewer than five commas
    // or a read error), or that the track was cut before a time that does not
    // increase.
    std::vector<Message> Messages;
};

// Reads and checks an OziExplorer track file.
TrackReading LoadTrack(const std::string& path);

// Fills point from one point line; an empty line leaves it untouched. Throws
// Error when a number does not convert.
void ParseTrackPoint(std::string_view line, TrackPoint& point);

}  // namespace qm
