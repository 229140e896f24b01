#pragma once

#include "formats/ozi/plt_details.h"
#include "track/track.h"
#include "visual/visualisation.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// The visualisation as OziExplorer files: one track file per band that
// received a run (band k's into bandFiles[k]), then the stop waypoint file.
// Each path is added to `written` once its file is complete; an Error ends
// the writing with the files before it in place.
void WriteOziVisualisation(const std::vector<std::string>& bandFiles, const std::string& stopFile, const Track& track,
                           const PltDetails& details, const Visualisation& visualisation, int32_t trackWidth,
                           std::vector<std::string>& written);

}  // namespace qm
