#include "map/web_mercator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qm {
namespace {

// The latitude at which the square world of the tile servers ends.
constexpr double kLatitudeLimit = 85.05112877980659;
constexpr double kEquatorMetres = 40075016.685578488;

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

}  // namespace

WorldPoint Project(double latitude, double longitude)
{
    const double phi = Radians(std::clamp(latitude, -kLatitudeLimit, kLatitudeLimit));
    return {(longitude + 180) / 360, (1 - std::log(std::tan(phi) + 1 / std::cos(phi)) / std::numbers::pi) / 2};
}

double WorldXNear(double x, double anchor) { return x - std::round(x - anchor); }

double LatitudeOf(double y)
{
    return std::atan(std::sinh(std::numbers::pi * (1 - 2 * y))) * 180 / std::numbers::pi;
}

double LongitudeOf(double x) { return x * 360 - 180; }

double WorldPixels(int zoom) { return std::ldexp(double(kTileSize), zoom); }

double MetresPerPixel(double latitude, int zoom)
{
    return kEquatorMetres * std::cos(Radians(latitude)) / WorldPixels(zoom);
}

}  // namespace qm
