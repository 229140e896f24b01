#include "map/profile.h"

#include <algorithm>
#include <cmath>

namespace qm {

SpeedBars SpeedProfile(const TrackPoints& points, const std::vector<SpeedRun>& runs, int slices)
{
    SpeedBars bars;
    if (points.empty() || slices < 1 || !(points.back().DateTime > points.front().DateTime)) return bars;
    const double start = points.front().DateTime;
    const double width = (points.back().DateTime - start) / slices;
    auto slice = [&](double time) { return std::clamp(int((time - start) / width), 0, slices - 1); };
    std::array<std::vector<double>, kBandCount> tops;
    for (const SpeedRun& run : runs) {
        std::vector<double>& top = tops[run.Band];
        if (top.empty()) top.assign(slices, 0);
        // The last slice is the one the run's end reaches into, not one it only touches.
        const int first = slice(points[run.First].DateTime);
        const int last = std::max(first, slice(std::nextafter(points[run.Last].DateTime, start)));
        for (int s = first; s <= last; ++s) top[s] = std::max(top[s], run.Speed);
    }
    for (int band = 0; band < kBandCount; ++band) {
        std::vector<ProfilePoint>& bar = bars[band];
        for (int s = 0; s < int(tops[band].size()); ++s) {
            const double value = tops[band][s];
            const double from = start + s * width, to = start + (s + 1) * width;
            const bool risen = !bar.empty() && bar.back().Value > 0;
            if (!(value > 0)) {
                if (risen) bar.push_back({from, 0});
            } else if (risen && bar.back().Value == value) {
                bar.back().DateTime = to;
            } else {
                if (!risen) bar.push_back({from, 0});
                bar.insert(bar.end(), {{from, value}, {to, value}});
            }
        }
        if (!bar.empty() && bar.back().Value > 0) bar.push_back({bar.back().DateTime, 0});
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
            if (!point.Height) continue;
            if (!low || *point.Height < *low->Height) low = &point;
            if (!high || *point.Height > *high->Height) high = &point;
        }
        if (!low) continue;
        const TrackPoint* first = low->DateTime <= high->DateTime ? low : high;
        const TrackPoint* second = first == low ? high : low;
        profile.push_back({first->DateTime, *first->Height});
        if (second != first) profile.push_back({second->DateTime, *second->Height});
    }
    return profile;
}

}  // namespace qm
