#pragma once

#include "settings/colour_scale.h"
#include "settings/percent_bases.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// A colour scale as the settings dialog edits it.

// The bounds as the dialog shows them: "60; 70; 80; 90", empty for none.
std::string BoundsEditText(const std::vector<double>& bounds);

// Bounds as the user types them: numbers separated by ";" or blanks; none
// for a blank text. Throws Error as ParseBounds does; a text too long to hold
// kMostColourBands bands is refused without reading it.
std::vector<double> ParseTypedBounds(std::string_view text);

// The colours the dialog shows, low to high: one for each band, or without
// bounds the scale's colours themselves, as they spread over each track's
// bands.
std::vector<int32_t> ShownColors(const ColourScale& scale);

// The scale's colours once the shown colour at index (below
// ShownColors().size()) is changed: the shown colours with that one replaced.
std::vector<int32_t> WithShownColor(const ColourScale& scale, size_t index, int32_t color);

}  // namespace qm
