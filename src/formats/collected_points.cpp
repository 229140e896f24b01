#include "formats/collected_points.h"

#include "platform/large_pages.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

#include <algorithm>
#include <cmath>
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

// The pieces in the order of their first point's time, those of the same
// time in the file's order.
void OrderPieces(TrackPoints& points, MeasureColumns& measures)
{
    std::vector<std::pair<size_t, size_t>> pieces;  // [first, end)
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0 || points[i].StartsPiece) pieces.emplace_back(i, i);
        pieces.back().second = i + 1;
    }
    auto earlier = [&](const auto& a, const auto& b) { return points[a.first].DateTime < points[b.first].DateTime; };
    if (std::is_sorted(pieces.begin(), pieces.end(), earlier)) return;
    std::stable_sort(pieces.begin(), pieces.end(), earlier);
    Reorder(points, pieces);
    for (MeasureColumn& column : measures) Reorder(column, pieces);
}

// Leaves out every point whose time is not later than that of the last
// point kept; a piece that starts on a point left out starts on the next
// point kept. Gives the number left out.
size_t DropTimesNotLater(TrackPoints& points, MeasureColumns& measures)
{
    size_t kept = 0;
    bool pieceStarts = false;
    for (size_t i = 0; i < points.size(); ++i) {
        TrackPoint& point = points[i];
        if (kept > 0 && !(point.DateTime > points[kept - 1].DateTime)) {
            pieceStarts = pieceStarts || point.StartsPiece;
            continue;
        }
        point.StartsPiece = point.StartsPiece || pieceStarts;
        pieceStarts = false;
        if (kept != i) {
            points[kept] = point;
            for (MeasureColumn& column : measures)
                if (!column.empty()) column[kept] = column[i];
        }
        ++kept;
    }
    const size_t dropped = points.size() - kept;
    points.resize(kept);
    for (MeasureColumn& column : measures)
        if (!column.empty()) column.resize(kept);
    return dropped;
}

std::string CountText(size_t count) { return IntToText(static_cast<int64_t>(count)); }

}  // namespace

bool IsUsablePosition(double latitude, double longitude)
{
    auto usable = [](double value, double limit) {
        return value >= -limit && value <= limit && std::fpclassify(value) != FP_SUBNORMAL;
    };
    return usable(latitude, 90) && usable(longitude, 180);
}

void CollectedPoints::Expect(size_t points)
{
    // A file larger than its points show grows the points as they come.
    constexpr size_t kMostExpected = size_t{1} << 22;
    Points.reserve(std::min(points, kMostExpected));
    AdviseLargePages(Points.data(), Points.capacity() * sizeof(TrackPoint));
}

void CollectedPoints::Keep(TrackPoint point, const std::array<std::optional<float>, kMeasureCount>& measures)
{
    point.StartsPiece = point.StartsPiece || pieceStarts_;
    pieceStarts_ = false;
    for (size_t k = 0; k < kMeasureCount; ++k) {
        MeasureColumn& column = Measures[k];
        if (column.empty() && !measures[k]) continue;
        column.resize(Points.size());
        column.push_back(measures[k]);
    }
    Points.push_back(point);
}

std::optional<Track> CheckedTrack(CollectedPoints& collected, PointWords words, const std::string& path,
                                  std::vector<Message>& messages)
{
    const size_t count = collected.Count;
    if (count == 0) {
        messages.push_back({false, MessageText(MessageId::NoTrackPoints, {path, words.Point})});
        return std::nullopt;
    }
    TrackPoints& points = collected.Points;
    if (points.empty()) {
        if (collected.OutOfRange > 0)
            messages.push_back(
                {false, MessageText(MessageId::NoUsablePoints, {CountText(collected.OutOfRange), CountText(count)})});
        else if (collected.Untimed == 0)
            messages.push_back(
                {false, MessageText(MessageId::NoPlacedPoints, {path, CountText(count), words.Point})});
        else
            messages.push_back({false, MessageText(MessageId::NoTimedPoints, {CountText(count), path, words.Time})});
        return std::nullopt;
    }
    for (MeasureColumn& column : collected.Measures)
        if (!column.empty()) column.resize(points.size());
    OrderPieces(points, collected.Measures);
    if (points[0].DateTime == 0) {
        messages.push_back({false, MessageText(MessageId::NoTimeData)});
        return std::nullopt;
    }
    auto leftOut = [&](MessageId id, size_t left) {
        if (left > 0) messages.push_back({false, MessageText(id, {CountText(left), CountText(count)})});
    };
    leftOut(MessageId::LeftOutUnplaced, collected.Unplaced);
    leftOut(MessageId::LeftOutUntimed, collected.Untimed);
    leftOut(MessageId::LeftOutOutOfRange, collected.OutOfRange);
    leftOut(MessageId::LeftOutNotLater, DropTimesNotLater(points, collected.Measures));
    return Track{std::move(points), std::move(collected.Measures)};
}

}  // namespace qm
