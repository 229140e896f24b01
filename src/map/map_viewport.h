#pragma once

#include "map/web_mercator.h"

#include <vector>

namespace qm {

// A place in a view, in its pixels from the top left corner.
struct ViewPoint {
    double X = 0;
    double Y = 0;
};

inline constexpr int kMinZoom = 1;

// What a view of the map shows: the Web Mercator plane at a whole zoom level
// around a centre, in a view of some size in pixels.
class MapViewport {
public:
    void Resize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Zoom() const { return zoom_; }

    // Centres the box around the points and takes the deepest level at
    // which it fits into the view with `margin` pixels to spare (kMinZoom
    // when none does). Nothing changes without points.
    void Fit(const std::vector<WorldPoint>& points, double margin);
    // Zooms by whole levels, within kMinZoom and kMaxZoom, keeping the place
    // under anchor where it is; false when the level stays.
    bool ZoomBy(int levels, ViewPoint anchor);
    // Moves what is shown by that many pixels, as a drag does.
    void Pan(double dx, double dy);

    // The view's top left corner in pixels of its zoom level.
    ViewPoint Origin() const;
    ViewPoint ToView(WorldPoint world) const;
    // The latitude of the view's middle.
    double MiddleLatitude() const;

    // A map tile the view shows: its numbers at the view's level (x taken
    // round the world) and where its top left corner goes, on whole pixels,
    // so that tiles and the grid between them meet without seams.
    struct Tile {
        int X = 0, Y = 0;
        int Left = 0, Top = 0;
    };
    std::vector<Tile> Tiles() const;

private:
    int width_ = 0, height_ = 0;
    int zoom_ = 2;
    WorldPoint centre_{0.5, 0.5};
};

}  // namespace qm
