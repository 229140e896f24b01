#include "formats/visualisation_files.h"

#include "formats/gpx/gpx_visualisation.h"
#include "formats/kml/kml_visualisation.h"
#include "formats/ozi/ozi_visualisation.h"
#include "formats/ozi/plt_writer.h"
#include "formats/ozi/scale_clash.h"
#include "formats/ozi/wpt_writer.h"
#include "platform/path_text.h"

namespace qm {

std::vector<std::string> VisualisationFiles::All() const
{
    std::vector<std::string> all = BandFiles;
    all.push_back(LastFile);
    return all;
}

VisualisationFiles PlanVisualisationFiles(OutputFormat format, const std::string& outputDir,
                                          const std::string& trackPath, const SpeedBands& bands,
                                          ColourMeasure measure)
{
    const std::string measured = "_" + std::string(ColourMeasureName(measure));
    VisualisationFiles files;
    switch (format) {
        case OutputFormat::Gpx:
            files.LastFile = OutputPath(outputDir, trackPath, measured + ".gpx");
            break;
        case OutputFormat::Kml:
            files.LastFile = OutputPath(outputDir, trackPath, measured + ".kml");
            break;
        case OutputFormat::Plt:
            for (const SpeedBand& band : bands) files.BandFiles.push_back(OutputPath(outputDir, trackPath, BandFileSuffix(band)));
            files.LastFile = OutputPath(outputDir, trackPath, kStopFileSuffix);
            break;
    }
    return files;
}

void WriteVisualisation(OutputFormat format, const VisualisationFiles& files, const Track& track,
                        const std::optional<PltDetails>& plt, const Visualisation& visualisation,
                        const std::optional<MeasureColouring>& colouring, int32_t trackWidth,
                        std::vector<std::string>& written)
{
    if (format == OutputFormat::Plt)
        return WriteOziVisualisation(files.BandFiles, files.LastFile, track, plt ? *plt : UsualPltDetails(),
                                     visualisation, trackWidth, written);
    const ColouredFile bands = colouring ? MeasureBandsFile(*colouring) : SpeedBandsFile(visualisation);
    if (format == OutputFormat::Gpx)
        return WriteGpxVisualisation(files.LastFile, track, bands, visualisation.Stops, trackWidth, written);
    WriteKmlVisualisation(files.LastFile, track, bands, visualisation.Stops, trackWidth, written);
}

std::optional<std::string> VisualisationClash(const VisualisationFiles& files, const SpeedBands& bands)
{
    // GPX and KML hold every band in the one file, whatever its bounds.
    if (files.BandFiles.empty()) return std::nullopt;
    return ScaleClashMessage(bands, files.BandFiles);
}

}  // namespace qm
