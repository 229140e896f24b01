#include "formats/gpx/gpx_visualisation.h"

#include "formats/gpx/gpx_text.h"
#include "formats/xml/xml_text.h"
#include "platform/atomic_file_writer.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/path_text.h"

namespace qm {
namespace {

std::string TrackStart(const SpeedBand& band, int32_t trackWidth)
{
    return "<trk>" + XmlElement("name", BandRangeText(band)) +
           "<extensions><gpx_style:line><gpx_style:color>" + RgbHex(band.Color) +
           "</gpx_style:color><gpx_style:width>" + IntToText(trackWidth) +
           "</gpx_style:width></gpx_style:line></extensions>" + std::string(kLineEnd);
}

void WriteBand(AtomicFileWriter& file, const Track& track, const std::vector<SpeedRun>& runs, int band)
{
    for (const SpeedRun& run : runs) {
        if (run.Band != band) continue;
        file.Write("<trkseg>");
        file.Write(kLineEnd);
        for (int32_t p = run.First; p <= run.Last; ++p) file.Write(GpxPoint("trkpt", track.Points[p]));
        file.Write("</trkseg>");
        file.Write(kLineEnd);
    }
}

}  // namespace

void WriteGpxVisualisation(const std::string& path, const Track& track, const Visualisation& visualisation,
                           int32_t trackWidth, std::vector<std::string>& written)
{
    AtomicFileWriter file(path);
    file.Write(kGpxDocumentStart);
    for (size_t i = 0; i < visualisation.Stops.size(); ++i) {
        const TrackStop& stop = visualisation.Stops[i];
        file.Write(GpxPoint("wpt", track.Points[stop.First],
                            XmlElement("name", StopName(static_cast<int>(i) + 1)) +
                                XmlElement("desc", StopDescription(stop))));
    }
    for (int k = 0; k < kBandCount; ++k) {
        const SpeedBand& band = visualisation.Bands[k];
        if (band.StepCount <= 0) continue;
        file.Write(TrackStart(band, trackWidth));
        WriteBand(file, track, visualisation.Runs, k);
        file.Write("</trk>");
        file.Write(kLineEnd);
    }
    file.Write(kGpxDocumentEnd);
    file.Commit();
    written.push_back(file.Path());
}

}  // namespace qm
