#pragma once

#include "formats/track_reader.h"

#include <string>
#include <string_view>

namespace qm {

// Whether the content starts as a ZIP archive does, as a KMZ file is one.
bool StartsAsKmz(std::string_view content);

// Reads the track of the KML document a KMZ archive holds: its doc.kml, or
// else its first member named .kml, unpacked in memory and read as
// ReadKmlTrack reads one (its messages name the member within path). An
// archive that cannot be opened, holds no KML or whose member unpacks to
// more than 256 MiB or more than 100 times its packed size is refused with a
// message naming path.
TrackReading ReadKmzTrack(std::string_view content, const std::string& path);

}  // namespace qm
