#pragma once

#include <functional>
#include <string>

namespace qm {

// How wide a text is drawn in pixels, bold or not: the drawing side measures,
// the layouts of the map's pictures place by it.
using TextWidth = std::function<double(const std::string& text, bool bold)>;

}  // namespace qm
