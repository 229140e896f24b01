#pragma once

#include "visual/speed_bands.h"

#include <optional>
#include <string>
#include <vector>

namespace qm {

// A scale whose upper bounds do not rise can give two bands the same upper
// bound and so the same band file (bandFiles[k] is band k's), the second
// replacing the first. The message that refuses such a scale, naming the file
// and both bands; nothing when every band has a file of its own.
std::optional<std::string> ScaleClashMessage(const SpeedBands& bands, const std::vector<std::string>& bandFiles);

}  // namespace qm
