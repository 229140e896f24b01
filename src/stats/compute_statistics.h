#pragma once

#include "settings/settings.h"
#include "stats/stat_row.h"
#include "track/distance.h"
#include "track/track.h"

namespace qm {

// The statistics table of a loaded track, measured with the coefficients
// fitted to it. A part is a run of points without a gap in distance or time
// (apart from its first segment); a day is a run of parts whose midpoints
// share a local date (GMTMOD); a gap segment counts in no row. Uses MINSPD,
// SPLTDIST, MAXBREAK, SPLTTIME, MAXSTOP, MAXSLOPE, HGTSPAN and GMTMOD. An
// empty track gives an empty table.
StatTable ComputeStatistics(const TrackPoints& track, const ScaleCoefficients& scale,
                                const Settings& settings);

}  // namespace qm
