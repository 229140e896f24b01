#include "visual/stop_detector.h"

#include "platform/date_time_text.h"
#include "platform/number_text.h"
#include "track/longitude.h"

namespace qm {

std::string StopName(int n) { return "stop " + IntToText(n); }

std::string StopDescription(const TrackStop& stop)
{
    return "points " + IntToText(stop.First) + " - " + IntToText(stop.Last) + " stop time " +
           DurationText(stop.Duration);
}

StopDetector::StopDetector(const TrackPoints& points, const Settings& settings)
    : points_(points),
      limit_(settings.DISPERSION / 111.0 / 1000),
      interval_(settings.TIMEINTRVL / 1440),
      minSpeed_(settings.MINSPD),
      maxBreak_(settings.MAXBREAK)
{
}

bool StopDetector::Extend(double value, double& min, double& max) const
{
    if (value > max) {
        if (!(value < min + limit_)) return false;
        max = value;
    } else if (value < min) {
        if (!(value > max - limit_)) return false;
        min = value;
    }
    return true;
}

void StopDetector::Step(int32_t p, double distance, double time)
{
    const TrackPoint& point = points_[p];
    if (!open_ && distance / time / 24 < minSpeed_) {
        open_ = true;
        first_ = p;
        minLat_ = maxLat_ = point.Latitude;
        minLon_ = maxLon_ = point.Longitude;
    }
    if (!open_) return;

    // Both axes are tested (and widened) even when the first has closed the candidate.
    bool latInside = Extend(point.Latitude, minLat_, maxLat_);
    // A stop on the 180° meridian keeps its box on the side where it began.
    bool lonInside = Extend(LongitudeNear(point.Longitude, points_[first_].Longitude), minLon_, maxLon_);
    if (latInside && lonInside) return;

    open_ = false;
    double duration = point.DateTime - points_[first_].DateTime;
    if (duration >= interval_) stops_.push_back(TrackStop{first_, p, duration});
}

void StopDetector::Break(double distance)
{
    if (open_ && distance > maxBreak_) open_ = false;
}

}  // namespace qm
