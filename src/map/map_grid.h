#pragma once

#include "map/map_viewport.h"
#include "map/pixel_box.h"
#include "map/text_width.h"

#include <string>
#include <vector>

namespace qm {

// The latitude/longitude grid drawn where there are no map tiles: lines at
// round degrees across a view.
struct GridLine {
    double Degrees = 0;
    double Pixel = 0;  // a meridian's x, a parallel's y in the view
};
struct MapGrid {
    double Step = 1;  // degrees between two lines
    std::vector<GridLine> Meridians, Parallels;
};

// Lines at steps of 1, 2 or 5 times a power of ten degrees, the largest such
// step that puts meridians at most `spacing` pixels apart.
MapGrid MakeGrid(const MapViewport& view, double spacing);

// A line's label: its degrees with the decimals the step needs after the separator.
struct GridLabel {
    std::string Text;
    PixelBox Box;
};
// Each meridian labelled right of it from `top` down, each parallel above it
// at the left; a label is kept only where it lies whole inside `inside` and
// keeps clear of the boxes in `kept` and of the labels kept before it.
std::vector<GridLabel> PlaceGridLabels(const MapGrid& grid, char separator, const TextWidth& textWidth,
                                       double lineHeight, double top, const PixelBox& inside,
                                       const std::vector<PixelBox>& kept);

// A scale bar: a round distance (1, 2 or 5 times a power of ten metres) at
// the view's middle latitude, as long as it is in pixels, at most maxPixels.
struct ScaleBar {
    double Metres = 0;
    double Pixels = 0;
};
ScaleBar MakeScaleBar(const MapViewport& view, double maxPixels);

}  // namespace qm
