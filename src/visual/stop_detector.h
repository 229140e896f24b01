#pragma once

#include "settings/settings.h"
#include "track/track.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// A place where the traveller stood still.
struct TrackStop {
    int32_t First = 0;    // the point where the stop begins
    int32_t Last = 0;     // the first point that left the stop's box
    double Duration = 0;  // DateTime(Last) - DateTime(First), days
};

// How the stop files name stop n (counted from 1) and describe a stop: which
// points it spans and how long it lasted.
std::string StopName(int n);
std::string StopDescription(const TrackStop& stop);

// Watches the steps of the segmentation pass for stops: a step slower than
// MINSPD opens a candidate at its later point; the candidate lasts while the
// following points keep its box narrower than DISPERSION in both axes (in
// degrees at 111 km per degree, longitude unscaled), and becomes a stop when
// the first point outside the box is at least the interval after its start.
class StopDetector {
public:
    StopDetector(const TrackPoints& points, const Settings& settings);

    // After a step inside a run that ended at point p.
    void Step(int32_t p, double distance, double time);
    // After the jump from a run's last point to the break point after it.
    void Break(double distance);
    // At the end of the pass: a candidate still open is dropped.
    void End() { open_ = false; }

    const std::vector<TrackStop>& Stops() const { return stops_; }

private:
    // Takes the coordinate into the bounds when they stay narrower than D;
    // false when it lies D or more beyond the opposite bound.
    bool Extend(double value, double& min, double& max) const;

    const TrackPoints& points_;
    double limit_;     // D, degrees
    double interval_;  // days
    double minSpeed_;  // km/h
    double maxBreak_;  // km

    bool open_ = false;
    int32_t first_ = 0;
    double minLat_ = 0, maxLat_ = 0, minLon_ = 0, maxLon_ = 0;
    std::vector<TrackStop> stops_;
};

}  // namespace qm
