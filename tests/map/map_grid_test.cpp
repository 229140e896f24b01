#include "map/map_grid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qm {
namespace {

// 7 pixels a byte.
double FakeWidth(const std::string& text, bool) { return 7.0 * double(text.size()); }

MapViewport ViewOf(double latitude, double longitude, int zoom, int width = 800, int height = 600)
{
    MapViewport view;
    view.Resize(width, height);
    view.Fit({Project(latitude, longitude)}, 0);
    view.ZoomBy(zoom - view.Zoom(), {width / 2.0, height / 2.0});
    return view;
}

TEST(MapGrid, RoundDegreesAtMostTheSpacingApart)
{
    const struct {
        int zoom;
        double step;
    } cases[] = {{3, 10}, {8, 0.5}, {12, 0.02}, {18, 0.0005}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        const MapViewport view = ViewOf(55.75, 37.62, c.zoom);
        const MapGrid grid = MakeGrid(view, 100);
        EXPECT_NEAR(grid.Step, c.step, c.step * 1e-9);
        ASSERT_GE(grid.Meridians.size(), 2u);
        ASSERT_GE(grid.Parallels.size(), 1u);
        for (std::size_t i = 1; i < grid.Meridians.size(); ++i) {
            const double apart = grid.Meridians[i].Pixel - grid.Meridians[i - 1].Pixel;
            EXPECT_LE(apart, 100 * 1.000001);
            EXPECT_GT(apart, 100 * 0.4);
            EXPECT_NEAR(grid.Meridians[i].Degrees - grid.Meridians[i - 1].Degrees, c.step, c.step * 1e-6);
        }
        for (const GridLine& line : grid.Meridians) {
            EXPECT_GE(line.Pixel, 0);
            EXPECT_LE(line.Pixel, 800);
            EXPECT_NEAR(std::remainder(line.Degrees, c.step), 0, c.step * 1e-6);
        }
    }
}

// Labels in the decimals of the step, whole in the view, clear of each other
// and of the boxes kept.
TEST(MapGrid, LabelsKeepClear)
{
    const MapViewport view = ViewOf(55.75, 37.62, 12);
    const MapGrid grid = MakeGrid(view, 100);
    const PixelBox inside{2, 2, 796, 596}, note{4, 4, 300, 16}, scaleBar{6, 560, 128, 30};
    const std::vector<GridLabel> labels = PlaceGridLabels(grid, ',', FakeWidth, 14, 24, inside, {note, scaleBar});
    ASSERT_GE(labels.size(), 4u);
    // Two decimals after the separator for a step of 0.02°.
    EXPECT_EQ(labels[0].Text.size() - labels[0].Text.find(','), 1 + 2 + std::string("°").size()) << labels[0].Text;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE(labels[i].Text);
        EXPECT_EQ(labels[i].Box.Width, FakeWidth(labels[i].Text, false) + 2);
        EXPECT_TRUE(inside.Contains(labels[i].Box));
        EXPECT_FALSE(labels[i].Box.Overlaps(note));
        EXPECT_FALSE(labels[i].Box.Overlaps(scaleBar));
        for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(labels[i].Box.Overlaps(labels[j].Box));
    }
    // A note across the whole top leaves the meridians without labels there.
    const std::vector<GridLabel> under = PlaceGridLabels(grid, ',', FakeWidth, 14, 4, inside, {{0, 0, 800, 40}});
    EXPECT_LT(under.size(), labels.size());
}

TEST(MapGrid, ScaleBarIsARoundDistanceNoLongerThanAllowed)
{
    for (int zoom : {2, 7, 12, 17}) {
        SCOPED_TRACE(zoom);
        const MapViewport view = ViewOf(55.75, 37.62, zoom);
        const ScaleBar bar = MakeScaleBar(view, 120);
        EXPECT_LE(bar.Pixels, 120);
        EXPECT_GT(bar.Pixels, 120 * 0.4);  // the next round distance would not fit
        const double mantissa = bar.Metres / std::pow(10, std::floor(std::log10(bar.Metres) + 1e-12));
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9)
            << bar.Metres;
        EXPECT_NEAR(bar.Metres, bar.Pixels * MetresPerPixel(55.75, zoom), bar.Metres * 1e-3);
    }
}

}  // namespace
}  // namespace qm
