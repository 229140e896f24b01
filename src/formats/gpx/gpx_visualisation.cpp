#include "formats/gpx/gpx_visualisation.h"

#include "formats/gpx/gpx_text.h"
#include "formats/xml/xml_text.h"
#include "platform/atomic_file_writer.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/path_text.h"

#include <cmath>
#include <optional>

namespace qm {
namespace {

std::string TrackStart(const FileBand& band, int32_t trackWidth)
{
    return "<trk>" + XmlElement("name", band.Name) +
           "<extensions><gpx_style:line><gpx_style:color>" + RgbHex(band.Color) +
           "</gpx_style:color><gpx_style:width>" + IntToText(trackWidth) +
           "</gpx_style:width></gpx_style:line></extensions>" + std::string(kLineEnd);
}

bool HasMeasures(const Track& track)
{
    for (const MeasureColumn& column : track.Measures)
        if (!column.empty()) return true;
    return false;
}

// A measure's value at a point, when it has one within [low, high].
std::optional<float> ValueAt(const Track& track, Measure measure, size_t point, float low, float high)
{
    const MeasureColumn& column = ColumnOf(track.Measures, measure);
    if (column.empty() || !column[point] || !(*column[point] >= low && *column[point] <= high)) return std::nullopt;
    return column[point];
}

// What was measured at a point in Garmin's extensions: heart rate, cadence
// and air temperature in the TrackPointExtension (in the order its schema
// sets; heart rate and cadence whole numbers of a byte, as it types them),
// power beside it; nothing when the point has none.
std::string MeasureExtensions(const Track& track, size_t point)
{
    auto whole = [](float value) { return IntToText(std::lround(value)); };
    std::string measured;
    if (std::optional<float> celsius = ValueAt(track, Measure::Temperature, point, -1e6f, 1e6f))
        measured += "<gpxtpx:atemp>" + XmlDecimal(*celsius, 3) + "</gpxtpx:atemp>";
    if (std::optional<float> beats = ValueAt(track, Measure::HeartRate, point, 0, 255))
        measured += "<gpxtpx:hr>" + whole(*beats) + "</gpxtpx:hr>";
    if (std::optional<float> turns = ValueAt(track, Measure::Cadence, point, 0, 254))
        measured += "<gpxtpx:cad>" + whole(*turns) + "</gpxtpx:cad>";
    if (!measured.empty()) measured = "<gpxtpx:TrackPointExtension>" + measured + "</gpxtpx:TrackPointExtension>";
    if (std::optional<float> watts = ValueAt(track, Measure::Power, point, 0, 65535))
        measured += "<pwr:PowerInWatts>" + whole(*watts) + "</pwr:PowerInWatts>";
    return measured.empty() ? measured : "<extensions>" + measured + "</extensions>";
}

void WriteBand(AtomicFileWriter& file, const Track& track, const FileBand& band)
{
    const bool measures = HasMeasures(track);
    for (const auto& [first, last] : band.Runs) {
        file.Write("<trkseg>");
        file.Write(kLineEnd);
        for (int32_t p = first; p <= last; ++p)
            file.Write(GpxPoint("trkpt", track.Points[p], measures ? MeasureExtensions(track, p) : std::string()));
        file.Write("</trkseg>");
        file.Write(kLineEnd);
    }
}

}  // namespace

void WriteGpxVisualisation(const std::string& path, const Track& track, const ColouredFile& bands,
                           const std::vector<TrackStop>& stops, int32_t trackWidth, std::vector<std::string>& written)
{
    AtomicFileWriter file(path);
    file.Write(GpxDocumentStart(HasMeasures(track)));
    for (size_t i = 0; i < stops.size(); ++i)
        file.Write(GpxPoint("wpt", track.Points[stops[i].First],
                            XmlElement("name", StopName(static_cast<int>(i) + 1)) +
                                XmlElement("desc", StopDescription(stops[i]))));
    for (const FileBand& band : bands.Bands) {
        file.Write(TrackStart(band, trackWidth));
        WriteBand(file, track, band);
        file.Write("</trk>");
        file.Write(kLineEnd);
    }
    file.Write(kGpxDocumentEnd);
    file.Commit();
    written.push_back(file.Path());
}

}  // namespace qm
