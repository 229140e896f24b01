#pragma once

#include "settings/settings.h"

#include <algorithm>
#include <cstdint>

namespace qm {

// TRACKWIDTH as a line is drawn and written: 1 to 50 pixels, whatever the
// settings file or the dialog gave.
inline int32_t LineWidth(const Settings& settings) { return std::clamp<int32_t>(settings.TRACKWIDTH, 1, 50); }

}  // namespace qm
