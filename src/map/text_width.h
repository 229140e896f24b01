#pragma once

#include <functional>
#include <string>

namespace qm {

// How wide a text is drawn in pixels, bold or not: the drawing side measures,
// the layouts of the map's pictures place by it.
using TextWidth = std::function<double(const std::string& text, bool bold)>;

// The text whole when it is no wider than room, else its longest beginning
// (whole UTF-8 characters) that fits with "…" after it; empty when not even
// one character does.
std::string ElidedText(const std::string& text, double room, const TextWidth& textWidth, bool bold = false);

}  // namespace qm
