#pragma once

#include "platform/message_sink.h"
#include "track/track.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The points a reader of a format of timed points kept, in the file's order,
// before the rules every such track obeys.
struct CollectedPoints {
    TrackPoints Points;
    // Columns as in Track: empty, or one value per point of Points.
    MeasureColumns Measures;
    size_t Count = 0;       // every point the file holds
    size_t Unplaced = 0;    // left out: no position
    size_t Untimed = 0;     // left out: no time
    size_t OutOfRange = 0;  // left out: position or time out of range

    // Room for about `points` points, so that a large file's points are not
    // moved while they fill: a guess from the file's size, so capped.
    void Expect(size_t points);
    // The next point kept starts a piece: at a track, segment or file of
    // the format's own.
    void StartPiece() { pieceStarts_ = true; }
    // Counts a point left out for its position or time out of range; the
    // next point kept starts a piece.
    void LeaveOutOfRange()
    {
        ++OutOfRange;
        pieceStarts_ = true;
    }
    // Keeps point with its measures (nothing for those it lacks); it starts
    // a piece when it says so or one was started since the last point kept.
    void Keep(TrackPoint point, const std::array<std::optional<float>, kMeasureCount>& measures = {});

private:
    bool pieceStarts_ = true;
};

// A point's position: latitude and longitude within their ranges (which
// excludes what is not finite), neither a subnormal number.
bool IsUsablePosition(double latitude, double longitude);

// The largest height in metres whose whole feet still fit an int32_t.
inline constexpr double kMaxHeight = 654553015.0;

// How the messages name a format's point and its time ("<trkpt>", "<time>").
struct PointWords {
    std::string_view Point;
    std::string_view Time;
};

// The track of the collected points: the pieces in the order of their first
// point's time (a file may store its tracks in another order), those of the
// same time in the file's order; every point whose time is not later than
// that of the last point kept left out (a piece that starts on it starts on
// the next point kept). Each kind left out is counted in one message; a
// file without a usable point is refused with one message naming path.
std::optional<Track> CheckedTrack(CollectedPoints& collected, PointWords words, const std::string& path,
                                  std::vector<Message>& messages);

}  // namespace qm
