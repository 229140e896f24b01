#pragma once

#include "platform/message_sink.h"
#include "track/track.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// A measure's value as a reader found it; NaN for one the file gives but
// that is no usable number.
using OfferedMeasures = std::array<std::optional<double>, kMeasureCount>;

// A point as a reader found it, before the rules every track's point obeys.
// A value the file gives but that is no usable number is NaN.
struct OfferedPoint {
    std::optional<double> Latitude;   // decimal degrees, north positive
    std::optional<double> Longitude;  // decimal degrees, east positive
    std::optional<double> Time;       // days since 1899-12-30 00:00 UTC
    std::optional<double> Height;     // metres
    OfferedMeasures Measures;
};

// What became of a point offered.
enum class Admitted {
    Kept,
    LeftOut,
    // Its time is not later than that of the last point kept, under
    // NotLaterRule::EndsTrack: neither it nor any point after it is read.
    EndsTrack,
};

// What a point whose time is not later than that of the last point kept does.
enum class NotLaterRule {
    // It is left out after the pieces are put in the order of their first
    // times (a file may store its tracks in another order).
    LeftOut,
    // The track ends before it, the pieces in the file's order: a track
    // file is used up to the first time that does not increase.
    EndsTrack,
};

// How the messages name a format's point and its time ("<trkpt>", "<time>").
struct PointWords {
    std::string_view Point;
    std::string_view Time;
};

// The one way points come into a track. Each point offered is counted, then
// left out when it has no position, a position out of range (the next point
// kept starts a piece), no time, or a time no format can write (the same);
// a height or measure that is no usable number is left out of a point kept.
// Each kind left out is counted in one message of the checked track.
class PointAdmission {
public:
    explicit PointAdmission(NotLaterRule rule = NotLaterRule::LeftOut) : rule_(rule) {}

    // Room for about `points` points, so that a large file's points are not
    // moved while they fill: a guess from the file's size, so capped.
    void Expect(size_t points);
    // The next point kept starts a piece: at a track, segment or file of
    // the format's own.
    void StartPiece() { pieceStarts_ = true; }

    Admitted Offer(const OfferedPoint& point);
    // Counts points offered without a time whose positions were not read.
    void OfferUntimed(size_t points);
    // Sets a measure of the point kept `kept`-th (from 0), which a format
    // may give after the point itself; the rules are those of Offer.
    void SetMeasure(size_t kept, Measure measure, double value);

    size_t KeptCount() const { return points_.size(); }
    const TrackPoint& LastKept() const { return points_.back(); }

    // The track of the points kept; a file without a usable point, or with
    // more than any real track holds (ten million), is refused with one
    // message naming path. Under NotLaterRule::LeftOut the pieces
    // are put in the order of their first point's time, those of the same
    // time in the file's order, and every point whose time is not later than
    // that of the last point kept is left out (a piece that starts on it
    // starts on the next point kept). Gives up the points it holds.
    std::optional<Track> CheckedTrack(PointWords words, const std::string& path, std::vector<Message>& messages);

private:
    std::optional<float> Value(std::optional<double> offered);

    NotLaterRule rule_;
    TrackPoints points_;
    MeasureColumns measures_;  // as in Track: empty, or one value per point kept
    bool pieceStarts_ = true;
    size_t offered_ = 0;
    size_t unplaced_ = 0;
    size_t untimed_ = 0;
    size_t outOfRange_ = 0;
    size_t wrongValues_ = 0;
    size_t beyondMost_ = 0;  // points that would have been kept past the most a track holds
};

}  // namespace qm
