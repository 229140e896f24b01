#include "map/map_grid.h"

#include "map/round_steps.h"

#include <algorithm>
#include <cmath>

namespace qm {

MapGrid MakeGrid(const MapViewport& view, double spacing)
{
    const ViewPoint origin = view.Origin();
    const double pixels = WorldPixels(view.Zoom());
    const double west = LongitudeOf(origin.X / pixels), east = LongitudeOf((origin.X + view.Width()) / pixels);
    const double north = LatitudeOf(origin.Y / pixels), south = LatitudeOf((origin.Y + view.Height()) / pixels);
    MapGrid grid;
    grid.Step = RoundStep(std::max(1e-6, (east - west) * spacing / std::max(1, view.Width())), Rounding::Down);
    for (double lon = std::ceil(west / grid.Step) * grid.Step; lon <= east; lon += grid.Step)
        grid.Meridians.push_back({lon, Project(0, lon).X * pixels - origin.X});
    for (double lat = std::ceil(south / grid.Step) * grid.Step; lat <= north; lat += grid.Step)
        grid.Parallels.push_back({lat, Project(lat, 0).Y * pixels - origin.Y});
    return grid;
}

std::vector<GridLabel> PlaceGridLabels(const MapGrid& grid, char separator, const TextWidth& textWidth,
                                       double lineHeight, double top, const PixelBox& inside,
                                       const std::vector<PixelBox>& kept)
{
    std::vector<GridLabel> labels;
    auto clear = [](const auto& boxes, const PixelBox& room, auto boxOf) {
        return std::none_of(boxes.begin(), boxes.end(), [&](const auto& other) { return boxOf(other).Overlaps(room); });
    };
    auto place = [&](const GridLine& line, double left, double labelTop) {
        std::string text = StepText(line.Degrees, grid.Step, separator) + "°";
        const PixelBox box{left, labelTop, textWidth(text, false) + 2, lineHeight};
        const PixelBox room = box.Grown(3, 1);
        if (!inside.Contains(box) || !clear(kept, room, [](const PixelBox& b) { return b; }) ||
            !clear(labels, room, [](const GridLabel& label) { return label.Box; }))
            return;
        labels.push_back({std::move(text), box});
    };
    for (const GridLine& meridian : grid.Meridians) place(meridian, meridian.Pixel + 3, top);
    for (const GridLine& parallel : grid.Parallels) place(parallel, 3, parallel.Pixel - 2 - lineHeight);
    return labels;
}

ScaleBar MakeScaleBar(const MapViewport& view, double maxPixels)
{
    const double metresPerPixel = MetresPerPixel(view.MiddleLatitude(), view.Zoom());
    const double metres = RoundStep(metresPerPixel * maxPixels, Rounding::Down);
    return {metres, metres / metresPerPixel};
}

}  // namespace qm
