#include "map/web_mercator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qm {
namespace {

TEST(WebMercator, PlacesAndTheirTiles)
{
    // Tile numbers as the OpenStreetMap wiki's slippy map formulas give them.
    struct {
        double latitude, longitude;
        int zoom, tileX, tileY;
    } cases[] = {
        {0, 0, 1, 1, 1},
        {55.7558, 37.6173, 10, 619, 320},
        {-33.8688, 151.2093, 12, 3768, 2457},
        {89.9, -179.9, 3, 0, 0},  // beyond the projection's limit: its top row
    };
    for (const auto& c : cases) {
        const WorldPoint point = Project(c.latitude, c.longitude);
        const double pixels = WorldPixels(c.zoom);
        EXPECT_EQ(int(point.X * pixels) / kTileSize, c.tileX) << c.latitude << " " << c.longitude;
        EXPECT_EQ(int(point.Y * pixels) / kTileSize, c.tileY) << c.latitude << " " << c.longitude;
        if (std::abs(c.latitude) < 85) {
            EXPECT_NEAR(LatitudeOf(point.Y), c.latitude, 1e-9);
            EXPECT_NEAR(LongitudeOf(point.X), c.longitude, 1e-9);
        }
    }
    EXPECT_NEAR(MetresPerPixel(0, 0), 156543.03, 0.01);
    EXPECT_NEAR(MetresPerPixel(60, 1), 156543.03 / 4, 0.01);
}

// The same longitude in the copy of the world nearest another place: moved
// by whole worlds only, and left as it is within half a world.
TEST(WebMercator, TheWorldCopyNearAPlace)
{
    struct {
        double x, anchor, expected;
    } cases[] = {
        {0.3, 0.6, 0.3}, {0.0002, 0.9998, 1.0002}, {0.9998, 0.0002, -0.0002}, {0.1, 2.95, 3.1}, {0.9, -1.05, -1.1},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(WorldXNear(c.x, c.anchor), c.expected, 1e-12) << c.x << " near " << c.anchor;
    EXPECT_EQ(WorldXNear(0.3, 0.6), 0.3);
}

}  // namespace
}  // namespace qm
