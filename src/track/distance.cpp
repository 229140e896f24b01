#include "track/distance.h"

#include "track/longitude.h"

#include <cmath>
#include <numbers>

namespace qm {
namespace {

double CosDegrees(double degrees) { return std::cos(degrees * std::numbers::pi / 180); }

}  // namespace

ScaleCoefficients FitLatitudeScale(const TrackPoints& track)
{
    double minLat = track[0].Latitude;
    double maxLat = minLat;
    for (size_t i = 1; i < track.size(); ++i) {
        double lat = track[i].Latitude;
        if (lat < minLat)
            minLat = lat;
        else if (lat > maxLat)
            maxLat = lat;
    }
    double r = maxLat - minLat;
    double l1 = minLat + 0.15 * r, l2 = minLat + 0.5 * r, l3 = minLat + 0.85 * r;
    // One latitude, or a range so narrow that the fit's product of
    // differences is no normal number, leaves nothing to fit: the cosine of
    // that latitude serves for the whole track.
    const double spread = (l1 - l2) * (l2 - l3) * (l3 - l1);
    if (!std::isnormal(spread)) return ScaleCoefficients{0, 0, CosDegrees(l2)};

    double y1 = CosDegrees(l1), y2 = CosDegrees(l2), y3 = CosDegrees(l3);
    ScaleCoefficients k;
    k.A = ((y2 - y3) * (l1 - l2) - (y1 - y2) * (l2 - l3)) / spread;
    k.B = ((y1 - y2) - k.A * (l1 * l1 - l2 * l2)) / (l1 - l2);
    k.C = y3 - k.A * l3 * l3 - k.B * l3;
    return k;
}

double LatitudeScale(const ScaleCoefficients& k, double latitude)
{
    return k.A * latitude * latitude + k.B * latitude + k.C;
}

Segment MeasureSegment(const TrackPoints& track, const ScaleCoefficients& k, int i, int j)
{
    if (i < 0) i = 0;
    int last = static_cast<int>(track.size()) - 1;
    if (j > last) j = last;
    const TrackPoint& a = track[i];
    const TrackPoint& b = track[j];
    double dLat = b.Latitude - a.Latitude;
    double dLon = LongitudeNear(b.Longitude, a.Longitude) - a.Longitude;
    double scale = LatitudeScale(k, a.Latitude + dLat / 2);
    double scaledLon = scale * dLon;
    return Segment{111 * std::sqrt(dLat * dLat + scaledLon * scaledLon), b.DateTime - a.DateTime};
}

}  // namespace qm
