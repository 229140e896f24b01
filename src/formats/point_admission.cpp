#include "formats/point_admission.h"

#include "platform/large_pages.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "track/piece_order.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace qm {
namespace {

// A height beyond a million kilometres is none a device measured. Every
// height a track file's whole feet hold lies within it.
constexpr double kMostHeight = 1e9;

// Latitude and longitude within their ranges (which excludes what is not
// finite), neither a subnormal number.
bool IsUsablePosition(double latitude, double longitude)
{
    auto usable = [](double value, double limit) {
        return value >= -limit && value <= limit && std::fpclassify(value) != FP_SUBNORMAL;
    };
    return usable(latitude, 90) && usable(longitude, 180);
}

std::string CountText(size_t count) { return IntToText(static_cast<int64_t>(count)); }

}  // namespace

void PointAdmission::Expect(size_t points)
{
    // A file larger than its points show grows the points as they come.
    constexpr size_t kMostExpected = size_t{1} << 22;
    points_.reserve(std::min(points, kMostExpected));
    AdviseLargePages(points_.data(), points_.capacity() * sizeof(TrackPoint));
}

std::optional<float> PointAdmission::Value(std::optional<double> offered)
{
    if (!offered) return std::nullopt;
    if (std::fabs(*offered) <= std::numeric_limits<float>::max()) return static_cast<float>(*offered);
    ++wrongValues_;
    return std::nullopt;
}

Admitted PointAdmission::Offer(const OfferedPoint& offered)
{
    const bool placed = offered.Latitude && offered.Longitude;
    const bool inRange = placed && IsUsablePosition(*offered.Latitude, *offered.Longitude) &&
                         (!offered.Time || IsTrackTime(*offered.Time));
    if (inRange && rule_ == NotLaterRule::EndsTrack && !points_.empty() &&
        !(offered.Time && *offered.Time > points_.back().DateTime))
        return Admitted::EndsTrack;
    ++offered_;
    if (!placed) {
        ++unplaced_;
        return Admitted::LeftOut;
    }
    if (!inRange) {
        ++outOfRange_;
        pieceStarts_ = true;
        return Admitted::LeftOut;
    }
    if (!offered.Time) {
        ++untimed_;
        return Admitted::LeftOut;
    }
    if (points_.size() == kMostTrackPoints) {
        ++beyondMost_;
        return Admitted::LeftOut;
    }
    if (points_.size() == points_.capacity())
        points_.reserve(std::min(std::max<size_t>(1024, 2 * points_.capacity()), kMostTrackPoints));
    TrackPoint point{*offered.Latitude, *offered.Longitude, *offered.Time, {}, pieceStarts_};
    pieceStarts_ = false;
    if (offered.Height) {
        if (std::fabs(*offered.Height) <= kMostHeight) point.Height = offered.Height;
        else ++wrongValues_;
    }
    for (size_t k = 0; k < kMeasureCount; ++k) {
        const std::optional<float> value = Value(offered.Measures[k]);
        MeasureColumn& column = measures_[k];
        if (column.empty() && !value) continue;
        column.resize(points_.size());
        column.push_back(value);
    }
    points_.push_back(point);
    return Admitted::Kept;
}

void PointAdmission::OfferUntimed(size_t points)
{
    offered_ += points;
    untimed_ += points;
}

void PointAdmission::SetMeasure(size_t kept, Measure measure, double value)
{
    const std::optional<float> checked = Value(value);
    if (!checked) return;
    MeasureColumn& column = ColumnOf(measures_, measure);
    column.resize(points_.size());
    column[kept] = checked;
}

std::optional<Track> PointAdmission::CheckedTrack(PointWords words, const std::string& path,
                                                  std::vector<Message>& messages)
{
    if (offered_ == 0) {
        messages.push_back({false, MessageText(MessageId::NoTrackPoints, {path, words.Point})});
        return std::nullopt;
    }
    if (beyondMost_ > 0) {
        messages.push_back({false, MessageText(MessageId::TooManyPoints, {path, CountText(kMostTrackPoints)})});
        return std::nullopt;
    }
    if (points_.empty()) {
        if (outOfRange_ > 0)
            messages.push_back({false, MessageText(MessageId::NoUsablePoints, {CountText(outOfRange_), CountText(offered_)})});
        else if (untimed_ == 0)
            messages.push_back({false, MessageText(MessageId::NoPlacedPoints, {path, CountText(offered_), words.Point})});
        else
            messages.push_back({false, MessageText(MessageId::NoTimedPoints, {CountText(offered_), path, words.Time})});
        return std::nullopt;
    }
    for (MeasureColumn& column : measures_)
        if (!column.empty()) column.resize(points_.size());
    Track track{std::move(points_), std::move(measures_)};
    size_t notLater = 0;
    if (rule_ == NotLaterRule::LeftOut) {
        PointSources oneSource;
        OrderPieces(track, oneSource);
        notLater = DropTimesNotLater(track, oneSource)[0];
    }
    auto leftOut = [&](MessageId id, size_t left) {
        if (left > 0) messages.push_back({false, MessageText(id, {CountText(left), CountText(offered_)})});
    };
    leftOut(MessageId::LeftOutUnplaced, unplaced_);
    leftOut(MessageId::LeftOutUntimed, untimed_);
    leftOut(MessageId::LeftOutOutOfRange, outOfRange_);
    leftOut(MessageId::LeftOutNotLater, notLater);
    if (wrongValues_ > 0)
        messages.push_back({false, MessageText(MessageId::LeftOutWrongValues, {CountText(wrongValues_)})});
    return track;
}

}  // namespace qm
