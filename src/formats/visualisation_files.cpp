#include "formats/visualisation_files.h"

#include "formats/gpx/gpx_visualisation.h"
#include "formats/kml/kml_visualisation.h"
#include "formats/ozi/ozi_visualisation.h"
#include "formats/ozi/plt_writer.h"
#include "formats/ozi/scale_clash.h"
#include "formats/ozi/wpt_writer.h"
#include "platform/path_text.h"

namespace qm {

void WriteVisualisation(OutputFormat format, const std::string& outputDir, const std::string& trackPath,
                        const Track& track, const std::optional<PltDetails>& plt, const Visualisation& visualisation,
                        int32_t trackWidth, std::vector<std::string>& written)
{
    switch (format) {
        case OutputFormat::Plt:
            return WriteOziVisualisation(outputDir, trackPath, track, plt ? *plt : UsualPltDetails(), visualisation,
                                         trackWidth, written);
        case OutputFormat::Gpx:
            return WriteGpxVisualisation(outputDir, trackPath, track, visualisation, trackWidth, written);
        case OutputFormat::Kml:
            return WriteKmlVisualisation(outputDir, trackPath, track, visualisation, trackWidth, written);
    }
}

std::vector<std::string> VisualisationOutputs(OutputFormat format, const std::string& outputDir,
                                              const std::string& trackPath, const SpeedBands& bands)
{
    switch (format) {
        case OutputFormat::Gpx:
            return {OutputPath(outputDir, trackPath, kGpxFileSuffix)};
        case OutputFormat::Kml:
            return {OutputPath(outputDir, trackPath, kKmlFileSuffix)};
        case OutputFormat::Plt:
            break;
    }
    std::vector<std::string> outputs;
    for (const SpeedBand& band : bands) outputs.push_back(OutputPath(outputDir, trackPath, BandFileSuffix(band)));
    outputs.push_back(OutputPath(outputDir, trackPath, kStopFileSuffix));
    return outputs;
}

std::optional<std::string> VisualisationClash(OutputFormat format, const SpeedBands& bands,
                                              const std::string& trackPath)
{
    // GPX and KML hold every band in the one file, whatever its bounds.
    if (format != OutputFormat::Plt) return std::nullopt;
    return ScaleClashMessage(bands, trackPath);
}

}  // namespace qm
