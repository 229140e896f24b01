#pragma once

#include "settings/speed_scale.h"
#include "stats/stat_row.h"
#include "track/distance.h"
#include "track/track.h"
#include "visual/segmentation.h"

#include <vector>

namespace qm {

// Points first to last of one part of the statistics: a stretch without a
// gap in distance or time.
struct TrackPart {
    int32_t First = 0;
    int32_t Last = 0;
};

// The parts of a statistics table in track order; between two neighbours
// lies one gap segment, from the Last of the one to the First of the next.
std::vector<TrackPart> TrackParts(const StatTable& table);

// What the runs of one band cover.
struct BandTotal {
    double Distance = 0;  // km
    double Duration = 0;  // days
};

// What the runs of each of bandCount bands cover (each run's Band below
// bandCount): their steps but for the gaps between the parts that a run goes
// on over. The jump to a break point is no step of a run even where runs of
// one band merge over it.
std::vector<BandTotal> SumBands(const TrackPoints& points, const ScaleCoefficients& scale,
                                const std::vector<SpeedRun>& runs, const std::vector<TrackPart>& parts,
                                std::size_t bandCount);

// The legend's figures but for the bands' own (SumBands). The whole is the
// statistics' Track row, so that the legend and the report agree.
struct TripTotals {
    double Distance = 0;  // km, the Track row's Dist
    double Duration = 0;  // days, the Track row's Time sum
    // Days from the first point to the last that no speed band holds: the
    // gaps between the parts and the jumps to break points.
    double Pauses = 0;
    // km/h: the highest of the runs' speeds, each the average over its
    // calculation interval (or over the runs of one band merged), which the
    // bands are made of; one bad fix moves it little. 0 without a run.
    double MaxSpeed = 0;
};

TripTotals SumTrip(const TrackPoints& points, const ScaleCoefficients& scale, const std::vector<SpeedRun>& runs,
                   const StatTable& table);

}  // namespace qm
