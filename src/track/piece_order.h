#pragma once

#include "track/track.h"

#include <cstdint>
#include <vector>

namespace qm {

// Where each point of a track came from (the file of a trip), carried along
// while its points are reordered and left out; empty when there is one source.
using PointSources = std::vector<uint32_t>;

// Puts the pieces in the order of their first point's time, those of the
// same time in their given order.
void OrderPieces(Track& track, PointSources& sources);

// Leaves out every point whose time is not later than that of the last
// point kept; a piece that starts on a point left out starts on the next
// point kept. Gives the number left out of each source (one count when
// sources is empty).
std::vector<size_t> DropTimesNotLater(Track& track, PointSources& sources);

}  // namespace qm
