#pragma once

#include "formats/ozi/plt_details.h"
#include "settings/output_format.h"
#include "track/track.h"
#include "visual/measure_colouring.h"
#include "visual/visualisation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qm {

// The names of the files one visualisation writes, planned once from the
// track path, the output directory, the format and the bands. The batch
// check, the writers and the result's list of files written all take their
// names from here.
struct VisualisationFiles {
    // OziExplorer: band k's track file, written when the band receives runs;
    // empty in GPX and KML.
    std::vector<std::string> BandFiles;
    // OziExplorer: the stop waypoint file; GPX or KML: the one file. Written last.
    std::string LastFile;

    // Every file the visualisation could write, whichever bands receive runs,
    // in the order they are written.
    std::vector<std::string> All() const;
};

// GPX and KML name the one file after the measure it is coloured by
// (TRACK_speed.gpx, TRACK_heart-rate.kml); the OziExplorer files are coloured
// by speed only, and their plan takes no other measure.
VisualisationFiles PlanVisualisationFiles(OutputFormat format, const std::string& outputDir,
                                          const std::string& trackPath, const SpeedBands& bands,
                                          ColourMeasure measure = ColourMeasure::Speed);

// Writes the visualisation into the planned files: the OziExplorer band and
// stop files (with the header and break codes of plt when the track came from
// a .plt; they take no colouring), or one GPX or KML file (see each format's
// writer) of the speed bands, or with a colouring of its bands, and the
// visualisation's stops.
// Each path is added to `written` once its file is complete; an Error ends
// the writing with the files before it in place.
void WriteVisualisation(OutputFormat format, const VisualisationFiles& files, const Track& track,
                        const std::optional<PltDetails>& plt, const Visualisation& visualisation,
                        const std::optional<MeasureColouring>& colouring, int32_t trackWidth,
                        std::vector<std::string>& written);

// Why the plan cannot be written (two OziExplorer bands whose files have one
// name); nothing when it can.
std::optional<std::string> VisualisationClash(const VisualisationFiles& files, const SpeedBands& bands);

}  // namespace qm
