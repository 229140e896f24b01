#pragma once

#include "ui/map_trip.h"

#include <QColor>

#include <memory>
#include <vector>

namespace qm::test {

// One minute of a walk north along the meridian 30° E: its speed and the
// break code of the point it ends at.
struct Minute {
    double speed;  // km/h
    int breakCode = 0;
};

// A made-up trip that starts at 50° N at day 40000, with the runs and stops
// the visualisation gives it under the settings.
inline std::shared_ptr<const MapTrip> WalkedTrip(const std::vector<Minute>& minutes, const Settings& settings = {})
{
    Track track;
    TrackPoints& points = track.Points;
    points.push_back(TrackPoint{50, 30, 1, 328, 40000});
    for (const Minute& minute : minutes) {
        TrackPoint next = points.back();
        next.Latitude += minute.speed / 60 / 111;
        next.DateTime += 1.0 / 1440;
        next.BreakCode = minute.breakCode;
        points.push_back(next);
    }
    return MakeMapTrip(std::move(track), ScaleBandBoxes(settings.CurrentScale()), settings);
}

inline std::vector<Minute> Repeat(int count, Minute minute) { return std::vector<Minute>(count, minute); }

inline std::vector<Minute> Join(std::initializer_list<std::vector<Minute>> parts)
{
    std::vector<Minute> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline QColor BandColor(const MapTrip& trip, int band)
{
    const int32_t color = trip.Visualisation.Bands[band].Color;
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

}  // namespace qm::test
