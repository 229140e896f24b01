#include "track/piece_order.h"

#include <algorithm>
#include <utility>

namespace qm {
namespace {

// Rebuilds values from the ranges [first, end) in their given order.
template <typename Values>
void Reorder(Values& values, const std::vector<std::pair<size_t, size_t>>& ranges)
{
    if (values.empty()) return;
    Values ordered;
    ordered.reserve(values.size());
    for (const auto& [first, end] : ranges) ordered.insert(ordered.end(), values.begin() + first, values.begin() + end);
    values = std::move(ordered);
}

}  // namespace

void OrderPieces(Track& track, PointSources& sources)
{
    TrackPoints& points = track.Points;
    std::vector<std::pair<size_t, size_t>> pieces;  // [first, end)
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0 || points[i].StartsPiece) pieces.emplace_back(i, i);
        pieces.back().second = i + 1;
    }
    auto earlier = [&](const auto& a, const auto& b) { return points[a.first].DateTime < points[b.first].DateTime; };
    if (std::is_sorted(pieces.begin(), pieces.end(), earlier)) return;
    std::stable_sort(pieces.begin(), pieces.end(), earlier);
    Reorder(points, pieces);
    for (MeasureColumn& column : track.Measures) Reorder(column, pieces);
    Reorder(sources, pieces);
}

std::vector<size_t> DropTimesNotLater(Track& track, PointSources& sources)
{
    TrackPoints& points = track.Points;
    std::vector<size_t> dropped(sources.empty() ? 1 : *std::max_element(sources.begin(), sources.end()) + 1);
    size_t kept = 0;
    bool pieceStarts = false;
    for (size_t i = 0; i < points.size(); ++i) {
        TrackPoint& point = points[i];
        if (kept > 0 && !(point.DateTime > points[kept - 1].DateTime)) {
            pieceStarts = pieceStarts || point.StartsPiece;
            ++dropped[sources.empty() ? 0 : sources[i]];
            continue;
        }
        point.StartsPiece = point.StartsPiece || pieceStarts;
        pieceStarts = false;
        if (kept != i) {
            points[kept] = point;
            for (MeasureColumn& column : track.Measures)
                if (!column.empty()) column[kept] = column[i];
            if (!sources.empty()) sources[kept] = sources[i];
        }
        ++kept;
    }
    points.resize(kept);
    for (MeasureColumn& column : track.Measures)
        if (!column.empty()) column.resize(kept);
    if (!sources.empty()) sources.resize(kept);
    return dropped;
}

}  // namespace qm
