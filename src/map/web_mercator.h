#pragma once

namespace qm {

// A place on the Web Mercator plane of the tile servers, in units of the
// whole world's width: x from 0 (180° W) to 1 (180° E), y from 0 (85.0511° N)
// to 1 (85.0511° S). At zoom level z the world is 256 · 2^z pixels wide.
struct WorldPoint {
    double X = 0;
    double Y = 0;
};

inline constexpr int kTileSize = 256;
inline constexpr int kMaxZoom = 19;

// Latitudes beyond the projection's limit are drawn at the limit.
WorldPoint Project(double latitude, double longitude);
// The x of the same longitude in the copy of the world, to the west or the
// east of this one, that lies within half a world of `anchor`: a line between
// the two then crosses the 180° meridian instead of the whole world.
double WorldXNear(double x, double anchor);
double LatitudeOf(double y);
double LongitudeOf(double x);

// The width of the world in pixels at a zoom level.
double WorldPixels(int zoom);

// The ground length of one pixel at a latitude and zoom level, in metres.
double MetresPerPixel(double latitude, int zoom);

}  // namespace qm
