#include "visual/visualisation.h"

#include "track/distance.h"

namespace qm {

Visualisation Visualise(const TrackPoints& points, const BandBoxes& boxes, const Settings& settings)
{
    Visualisation result;
    result.Bands = MakeSpeedBands(boxes);
    StopDetector stops(points, settings);
    result.Runs = SegmentTrack(points, FitLatitudeScale(points), settings.TIMEINTRVL / 1440, result.Bands, stops);
    result.Stops = stops.Stops();
    return result;
}

}  // namespace qm
