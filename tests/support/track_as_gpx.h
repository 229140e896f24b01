#pragma once

#include "track/track.h"

#include <string>

namespace qm::test {

// The track as one GPX <trk>, a new <trkseg> at each break code 1, with the
// same coordinates, heights and times; the way a track comes from a GPX file.
std::string TrackAsGpx(const Track& track);

}  // namespace qm::test
