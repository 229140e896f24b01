#include "map/map_viewport.h"

#include <algorithm>
#include <cmath>

namespace qm {

void MapViewport::Resize(int width, int height)
{
    width_ = width;
    height_ = height;
}

void MapViewport::Fit(const std::vector<WorldPoint>& points, double margin)
{
    if (points.empty()) return;
    double minX = 1, minY = 1, maxX = 0, maxY = 0;
    for (const WorldPoint& point : points) {
        minX = std::min(minX, point.X);
        maxX = std::max(maxX, point.X);
        minY = std::min(minY, point.Y);
        maxY = std::max(maxY, point.Y);
    }
    centre_ = {(minX + maxX) / 2, (minY + maxY) / 2};
    zoom_ = kMinZoom;
    for (int zoom = kMaxZoom; zoom >= kMinZoom; --zoom) {
        const double pixels = WorldPixels(zoom);
        if ((maxX - minX) * pixels <= width_ - margin && (maxY - minY) * pixels <= height_ - margin) {
            zoom_ = zoom;
            return;
        }
    }
}

bool MapViewport::ZoomBy(int levels, ViewPoint anchor)
{
    const int zoom = std::clamp(zoom_ + levels, kMinZoom, kMaxZoom);
    if (zoom == zoom_) return false;
    const double before = WorldPixels(zoom_);
    const double dx = anchor.X - width_ / 2.0, dy = anchor.Y - height_ / 2.0;
    const WorldPoint anchored{centre_.X + dx / before, centre_.Y + dy / before};
    zoom_ = zoom;
    const double after = WorldPixels(zoom_);
    centre_ = {anchored.X - dx / after, anchored.Y - dy / after};
    return true;
}

void MapViewport::Pan(double dx, double dy)
{
    const double pixels = WorldPixels(zoom_);
    centre_ = {centre_.X - dx / pixels, centre_.Y - dy / pixels};
}

ViewPoint MapViewport::Origin() const
{
    const double pixels = WorldPixels(zoom_);
    return {centre_.X * pixels - width_ / 2.0, centre_.Y * pixels - height_ / 2.0};
}

ViewPoint MapViewport::ToView(WorldPoint world) const
{
    const double pixels = WorldPixels(zoom_);
    const ViewPoint origin = Origin();
    return {world.X * pixels - origin.X, world.Y * pixels - origin.Y};
}

double MapViewport::MiddleLatitude() const { return LatitudeOf(centre_.Y); }

std::vector<MapViewport::Tile> MapViewport::Tiles() const
{
    std::vector<Tile> shown;
    const ViewPoint origin = Origin();
    const int count = 1 << zoom_;
    const int firstX = int(std::floor(origin.X / kTileSize));
    const int firstY = std::max(0, int(std::floor(origin.Y / kTileSize)));
    const int lastX = int(std::floor((origin.X + width_ - 1) / kTileSize));
    const int lastY = std::min(count - 1, int(std::floor((origin.Y + height_ - 1) / kTileSize)));
    for (int y = firstY; y <= lastY; ++y)
        for (int x = firstX; x <= lastX; ++x)
            shown.push_back({((x % count) + count) % count, y, int(std::floor(x * kTileSize - origin.X + 0.5)),
                             int(std::floor(y * kTileSize - origin.Y + 0.5))});
    return shown;
}

}  // namespace qm
