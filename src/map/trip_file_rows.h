#pragma once

#include "map/map_trip.h"
#include "settings/settings.h"

#include <optional>
#include <string>
#include <vector>

namespace qm {

// One file of a trip as the map window lists it.
struct TripFileRow {
    std::string Path;
    std::string Name;  // the name part of Path
    // Of the file's points the trip kept: the first one's time (days, UTC)
    // and the distance (km) the statistics give them alone, as the Track row
    // of that file's own report would, had the trip left none of its points
    // out. None kept: no time, no distance.
    std::optional<double> FirstTime;
    double Distance = 0;
};

// The rows of the files of a trip, in the order of its files.
std::vector<TripFileRow> TripFileRows(const MapTrip& whole, const Settings& settings);

}  // namespace qm
