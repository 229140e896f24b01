#pragma once

#include "track/track.h"

namespace qm {

// LatitudeScale(phi) = A*phi^2 + B*phi + C approximates cos(phi), phi in
// degrees, over the latitude range of the track it was fitted to.
struct ScaleCoefficients {
    double A = 0;
    double B = 0;
    double C = 1;
};

// Fits the parabola through the cosine at 15 %, 50 % and 85 % of the track's
// latitude range. A track on a single latitude gets A = B = 0 and C = the
// cosine of that latitude. The track holds at least one point.
ScaleCoefficients FitLatitudeScale(const TrackPoints& track);

double LatitudeScale(const ScaleCoefficients& k, double latitude);

struct Segment {
    double Distance;  // km
    double Time;      // days
};

// Flat-earth measure from point i to point j at 111 km per degree, the
// longitude difference taken the short way round (across the 180° meridian
// where that is shorter) and shrunk by LatitudeScale of the middle latitude. i below 0 counts
// as 0, j past the end as the last point.
Segment MeasureSegment(const TrackPoints& track, const ScaleCoefficients& k, int i, int j);

}  // namespace qm
