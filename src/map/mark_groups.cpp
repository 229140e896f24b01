#include "map/mark_groups.h"

#include <cmath>
#include <unordered_map>

namespace qm {

std::vector<MarkGroup> GroupMarks(const std::vector<LinePoint>& places, double spacing)
{
    std::vector<MarkGroup> groups;
    // The groups by the cell of the grid of `spacing` pixels their place lies
    // in: a nearer group lies in the cell of the place or a neighbour.
    std::unordered_map<int64_t, std::vector<int32_t>> cells;
    auto key = [](int64_t x, int64_t y) { return (x << 32) ^ (y & 0xFFFFFFFF); };
    for (std::size_t n = 0; n < places.size(); ++n) {
        const LinePoint& place = places[n];
        const int64_t cx = int64_t(std::floor(place.X / spacing)), cy = int64_t(std::floor(place.Y / spacing));
        int32_t found = -1;
        for (int64_t dx = -1; dx <= 1 && found < 0; ++dx) {
            for (int64_t dy = -1; dy <= 1 && found < 0; ++dy) {
                auto cell = cells.find(key(cx + dx, cy + dy));
                if (cell == cells.end()) continue;
                for (int32_t g : cell->second) {
                    if (std::abs(groups[g].X - place.X) < spacing && std::abs(groups[g].Y - place.Y) < spacing) {
                        found = g;
                        break;
                    }
                }
            }
        }
        if (found < 0) {
            found = int32_t(groups.size());
            groups.push_back({place.X, place.Y, {}});
            cells[key(cx, cy)].push_back(found);
        }
        groups[found].Members.push_back(int32_t(n));
    }
    return groups;
}

}  // namespace qm
