#include "map/profile.h"

namespace qm {
namespace {

constexpr int32_t kNoAltitude = -777;
constexpr double kMetresPerFoot = 0.3048;

}  // namespace

SpeedBars SpeedProfile(const TrackPoints& points, const std::vector<SpeedRun>& runs)
{
    SpeedBars bars;
    for (const SpeedRun& run : runs) {
        const double start = points[run.First].DateTime;
        const double end = points[run.Last].DateTime;
        bars[run.Band].insert(bars[run.Band].end(), {{start, 0}, {start, run.Speed}, {end, run.Speed}, {end, 0}});
    }
    return bars;
}

std::vector<ProfilePoint> HeightProfile(const TrackPoints& points, int slices)
{
    std::vector<ProfilePoint> profile;
    if (points.empty() || slices < 1) return profile;
    const double start = points.front().DateTime;
    const double span = points.back().DateTime - start;
    std::size_t i = 0;
    for (int slice = 0; slice < slices && i < points.size(); ++slice) {
        const double sliceEnd = slice + 1 == slices ? points.back().DateTime : start + span * (slice + 1) / slices;
        const TrackPoint* low = nullptr;
        const TrackPoint* high = nullptr;
        for (; i < points.size() && (points[i].DateTime <= sliceEnd); ++i) {
            const TrackPoint& point = points[i];
            if (point.Altitude == kNoAltitude) continue;
            if (!low || point.Altitude < low->Altitude) low = &point;
            if (!high || point.Altitude > high->Altitude) high = &point;
        }
        if (!low) continue;
        const TrackPoint* first = low->DateTime <= high->DateTime ? low : high;
        const TrackPoint* second = first == low ? high : low;
        profile.push_back({first->DateTime, first->Altitude * kMetresPerFoot});
        if (second != first) profile.push_back({second->DateTime, second->Altitude * kMetresPerFoot});
    }
    return profile;
}

}  // namespace qm
