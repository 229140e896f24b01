#include "map/band_totals.h"

#include <algorithm>
#include <cmath>

namespace qm {

std::vector<TrackPart> TrackParts(const StatTable& table)
{
    std::vector<TrackPart> parts;
    for (const StatRow& row : table)
        if (row.Level == kPartLevel) parts.push_back({row.FirstPoint, row.LastPoint});
    return parts;
}

std::vector<BandTotal> SumBands(const TrackPoints& points, const ScaleCoefficients& scale,
                                const std::vector<SpeedRun>& runs, const std::vector<TrackPart>& parts,
                                std::size_t bandCount)
{
    std::vector<BandTotal> bands(bandCount);
    for (const SpeedRun& run : runs) {
        bands[run.Band].Distance += run.Distance;
        bands[run.Band].Duration += run.Duration;
    }
    // A run that goes on over a gap gives the gap back, unless the gap is a
    // jump to a break point, which no run holds.
    for (std::size_t n = 1; n < parts.size(); ++n) {
        const int32_t before = parts[n - 1].Last;
        if (points[before + 1].StartsPiece) continue;
        auto run = std::upper_bound(runs.begin(), runs.end(), before,
                                    [](int32_t point, const SpeedRun& r) { return point < r.First; });
        if (run == runs.begin() || (--run)->Last <= before) continue;
        const Segment gap = MeasureSegment(points, scale, before, before + 1);
        bands[run->Band].Distance -= gap.Distance;
        bands[run->Band].Duration -= gap.Time;
    }
    return bands;
}

TripTotals SumTrip(const TrackPoints& points, const ScaleCoefficients& scale, const std::vector<SpeedRun>& runs,
                   const StatTable& table)
{
    TripTotals totals;
    if (table.empty()) return totals;
    totals.Distance = table.front().Dist;
    totals.Duration = table.front().TimeSum;
    double banded = 0;
    for (const BandTotal& band : SumBands(points, scale, runs, TrackParts(table), kBandCount))
        banded += band.Duration;
    totals.Pauses = std::max(0.0, points.back().DateTime - points.front().DateTime - banded);
    for (const SpeedRun& run : runs)
        if (run.Duration > 0 && std::isfinite(run.Speed)) totals.MaxSpeed = std::max(totals.MaxSpeed, run.Speed);
    return totals;
}

}  // namespace qm
