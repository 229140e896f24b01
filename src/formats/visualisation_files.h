#pragma once

#include "formats/ozi/plt_details.h"
#include "settings/output_format.h"
#include "track/track.h"
#include "visual/visualisation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qm {

// Writes the visualisation into outputDir in the format: the OziExplorer band
// and stop files (with the header and break codes of plt when the track came
// from a .plt), or one GPX or KML file (see each format's writer). Each path
// is added to `written` once its file is complete; an Error ends the writing
// with the files before it in place.
void WriteVisualisation(OutputFormat format, const std::string& outputDir, const std::string& trackPath,
                        const Track& track, const std::optional<PltDetails>& plt, const Visualisation& visualisation,
                        int32_t trackWidth, std::vector<std::string>& written);

// Every file the visualisation of the track could write in the format,
// whichever bands receive runs.
std::vector<std::string> VisualisationOutputs(OutputFormat format, const std::string& outputDir,
                                              const std::string& trackPath, const SpeedBands& bands);

// Why the bands cannot be written in the format (two OziExplorer band files
// of one name); nothing when they can.
std::optional<std::string> VisualisationClash(OutputFormat format, const SpeedBands& bands,
                                              const std::string& trackPath);

}  // namespace qm
