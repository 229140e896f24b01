#pragma once

#include "settings/settings.h"
#include "track/track.h"
#include "visual/segmentation.h"
#include "visual/speed_bands.h"
#include "visual/stop_detector.h"

#include <vector>

namespace qm {

// What the visualisation computes for a track; the file formats write it and
// a view can draw it.
struct Visualisation {
    // The bands of the scale, each with the steps of the runs put into it.
    SpeedBands Bands;
    // The track cut into runs of one speed band each, in track order.
    std::vector<SpeedRun> Runs;
    // The places where the traveller stood still, in track order.
    std::vector<TrackStop> Stops;
};

// The one pass over a track's points with the bands the boxes show and the
// settings' TIMEINTRVL, DISPERSION, MINSPD and MAXBREAK. TIMEINTRVL must be
// above 0 once turned into days.
Visualisation Visualise(const TrackPoints& points, const BandBoxes& boxes, const Settings& settings);

}  // namespace qm
