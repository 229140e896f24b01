#pragma once

#include "map/web_mercator.h"
#include "platform/message_sink.h"
#include "settings/settings.h"
#include "track/track.h"
#include "visual/speed_bands.h"
#include "visual/visualisation.h"

#include <memory>
#include <string>
#include <vector>

namespace qm {

// What the map shows of a track: the track as read, the runs and stops the
// visualisation computes for it (the same that its files hold) and the
// points on the Web Mercator plane.
struct MapTrip {
    qm::Track Track;
    qm::Visualisation Visualisation;
    std::vector<WorldPoint> World;
    std::vector<int32_t> Breaks;  // BreakPoints of the track
};

struct MapTripReading {
    std::shared_ptr<const MapTrip> Trip;  // null when the track cannot be shown
    // What the user must read, in order: the reader's messages and errors.
    std::vector<Message> Messages;
};

// The visualisation of a track with the bands the boxes show and the
// settings (TIMEINTRVL above 0), writing no file.
std::shared_ptr<const MapTrip> MakeMapTrip(Track track, const BandBoxes& boxes, const Settings& settings);

// Reads the track and makes its trip; an interval of 0 or less is refused.
MapTripReading LoadMapTrip(const std::string& trackPath, const BandBoxes& boxes, const Settings& settings);

}  // namespace qm
