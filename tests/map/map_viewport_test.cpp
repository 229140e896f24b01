#include "map/map_viewport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace qm {
namespace {

MapViewport View(int width, int height)
{
    MapViewport view;
    view.Resize(width, height);
    return view;
}

TEST(MapViewport, FitsThePointsAtTheDeepestLevelThatHoldsThem)
{
    const WorldPoint moscow = Project(55.75, 37.62), tula = Project(54.19, 37.62);
    const struct {
        const char* what;
        std::vector<WorldPoint> points;
        int width, height;
        int zoom;
    } cases[] = {
        // 1.56° of latitude there are about 0.0076 of the world: 495 pixels at level 8.
        {"a day's ride", {moscow, tula}, 600, 560, 8},
        {"the same in a low view", {moscow, tula}, 600, 300, 7},
        {"one point: the deepest level", {moscow}, 600, 420, kMaxZoom},
        {"the whole world: the shallowest", {Project(80, -179), Project(-80, 179)}, 300, 200, kMinZoom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MapViewport view = View(c.width, c.height);
        view.Fit(c.points, 24);
        EXPECT_EQ(view.Zoom(), c.zoom);
        // Centred: the box's corners lie as far from the view's edges on each side.
        const ViewPoint first = view.ToView(c.points.front()), last = view.ToView(c.points.back());
        EXPECT_NEAR(first.X + last.X, c.width, 1e-6);
        EXPECT_NEAR(first.Y + last.Y, c.height, 1e-6);
    }
}

TEST(MapViewport, ZoomKeepsTheAnchorAndPanMovesWithTheDrag)
{
    MapViewport view = View(800, 600);
    const WorldPoint place = Project(55.75, 37.62);
    view.Fit({place}, 0);
    view.ZoomBy(-10, {400, 300});
    const ViewPoint anchor{130, 470};
    const auto near = [](ViewPoint a, ViewPoint b) { return std::abs(a.X - b.X) < 1e-6 && std::abs(a.Y - b.Y) < 1e-6; };
    for (int levels : {3, -2, 1}) {
        const ViewPoint before = view.ToView(place);
        const WorldPoint under{place.X + (anchor.X - before.X) / WorldPixels(view.Zoom()),
                               place.Y + (anchor.Y - before.Y) / WorldPixels(view.Zoom())};
        const int zoom = view.Zoom();
        EXPECT_TRUE(view.ZoomBy(levels, anchor));
        EXPECT_EQ(view.Zoom(), zoom + levels);
        EXPECT_TRUE(near(view.ToView(under), anchor)) << levels;
    }
    EXPECT_TRUE(view.ZoomBy(-40, anchor));
    EXPECT_EQ(view.Zoom(), kMinZoom);
    EXPECT_FALSE(view.ZoomBy(-1, anchor));
    const ViewPoint was = view.ToView(place);
    view.Pan(25, -10);
    EXPECT_TRUE(near(view.ToView(place), {was.X + 25, was.Y - 10}));
}

// Tiles cover the view without gaps, on whole pixels, x wrapped round the world.
TEST(MapViewport, TilesCoverTheView)
{
    MapViewport view = View(700, 500);
    view.Fit({Project(10, 179.99)}, 0);
    view.ZoomBy(3 - view.Zoom(), {350, 250});
    const std::vector<MapViewport::Tile> tiles = view.Tiles();
    ASSERT_FALSE(tiles.empty());
    int covered = 0;
    for (const MapViewport::Tile& tile : tiles) {
        EXPECT_GE(tile.X, 0);
        EXPECT_LT(tile.X, 8);
        EXPECT_LT(tile.Left, 700);
        EXPECT_GT(tile.Left + kTileSize, 0);
        covered += (std::min(700, tile.Left + kTileSize) - std::max(0, tile.Left)) *
                   (std::min(500, tile.Top + kTileSize) - std::max(0, tile.Top));
    }
    EXPECT_EQ(covered, 700 * 500);
    // East of 180° come the tiles of the world's west edge again.
    EXPECT_TRUE(std::any_of(tiles.begin(), tiles.end(), [](const auto& t) { return t.X == 0; }));
    EXPECT_TRUE(std::any_of(tiles.begin(), tiles.end(), [](const auto& t) { return t.X == 7; }));
}

}  // namespace
}  // namespace qm
