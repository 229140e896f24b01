#pragma once

#include "map/track_lines.h"

#include <cstdint>
#include <vector>

namespace qm {

// Marks that would overlap, drawn as one: the place of its first member (in
// pixels of one zoom level) and the members, by their index in the list given.
struct MarkGroup {
    double X = 0;
    double Y = 0;
    std::vector<int32_t> Members;
};

// Groups the places in order: a place joins the first group whose place lies
// nearer than `spacing` pixels in both axes, else opens a new one. No two
// groups lie nearer than that in both axes; where no two places do, every
// place is a group of its own.
std::vector<MarkGroup> GroupMarks(const std::vector<LinePoint>& places, double spacing);

}  // namespace qm
