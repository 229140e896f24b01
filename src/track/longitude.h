#pragma once

namespace qm {

// The longitude moved by a whole turn when that brings it within half a turn
// of `anchor`, so that two places on either side of the 180° meridian are
// taken the short way round; otherwise the longitude itself, unchanged.
inline double LongitudeNear(double longitude, double anchor)
{
    if (longitude - anchor > 180) return longitude - 360;
    if (longitude - anchor < -180) return longitude + 360;
    return longitude;
}

}  // namespace qm
