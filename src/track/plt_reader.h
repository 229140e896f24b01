#pragma once

#include "track/track.h"

#include <string>
#include <string_view>

namespace qm {

class MessageSink;

// Reads and checks an OziExplorer track file. Every problem of the file is
// shown through sink and leaves PointCount 0, except a time that does not
// increase, which cuts the track before that point. A number that does not
// convert, a point line with fewer than five commas or a read error throws
// Error with the text to show; the first two carry the line's number.
Track LoadTrack(const std::string& path, MessageSink& sink);

// Fills point from one point line; an empty line leaves it untouched.
void ParseTrackPoint(std::string_view line, TrackPoint& point);

}  // namespace qm
