#pragma once

#include "track/track.h"

#include <string>

namespace qm {

// What the user reads when point n (counted from 0) is not later than point
// n-1: the track is used up to point n-1 only, whatever the file's format.
std::string TimeOrderMessage(const TrackPoints& points, size_t n);

}  // namespace qm
