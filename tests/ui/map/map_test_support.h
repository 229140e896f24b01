#pragma once

#include "map/map_trip.h"
#include "ui/qt_color.h"
#include "visual/visual_test_support.h"

#include <QColor>

#include <memory>
#include <vector>

namespace qm::test {

using Minute = WalkStep;

// A made-up trip that starts at 50° N at day 40000, with the runs and stops
// the visualisation gives it under the settings.
inline std::shared_ptr<const MapTrip> WalkedTrip(const std::vector<Minute>& minutes, const Settings& settings = {})
{
    Track track;
    track.Points = Walk(minutes, 328);
    Visualisation visualisation = Visualise(track.Points, ScaleBandBoxes(settings.CurrentScale()), settings);
    return MakeMapTrip(std::move(track), std::move(visualisation), settings);
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
    return ColorOf(trip.Visualisation.Bands[band].Color);
}

}  // namespace qm::test
