#include "formats/kml/kml_visualisation.h"

#include "formats/xml/xml_text.h"
#include "platform/atomic_file_writer.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/path_text.h"

namespace qm {
namespace {

constexpr std::string_view kDocumentStart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\r\n<Document>\r\n";
constexpr std::string_view kDocumentEnd = "</Document>\r\n</kml>\r\n";

std::string StyleId(int band) { return "band" + IntToText(band + 1); }

// "lon,lat" and, when the point has a height, ",metres".
std::string Coordinates(const TrackPoint& point)
{
    std::string text = XmlDegrees(point.Longitude) + "," + XmlDegrees(point.Latitude);
    if (point.Height) text += "," + XmlMetres(*point.Height);
    return text;
}

bool HasRuns(const SpeedBand& band) { return band.StepCount > 0; }

// Each band's colour beside its speed range, as a small HTML table.
std::string Legend(const SpeedBands& bands)
{
    std::string table = "<table>";
    for (const SpeedBand& band : bands)
        if (HasRuns(band))
            table += "<tr><td style=\"background:#" + RgbHex(band.Color) + "\">&#160;&#160;&#160;&#160;</td><td>" +
                     BandRangeText(band) + "</td></tr>";
    return XmlElement("description", "Speed bands:" + table + "</table>") + std::string(kLineEnd);
}

// KML colours are aabbggrr: opaque, then our 0x00BBGGRR as it is.
std::string Style(int k, const SpeedBand& band, int32_t trackWidth)
{
    const std::string rgb = RgbHex(band.Color);
    return "<Style id=\"" + StyleId(k) + "\"><LineStyle><color>ff" + rgb.substr(4, 2) + rgb.substr(2, 2) +
           rgb.substr(0, 2) + "</color><width>" + IntToText(trackWidth) + "</width></LineStyle></Style>" +
           std::string(kLineEnd);
}

void WriteBand(AtomicFileWriter& file, const Track& track, const Visualisation& visualisation, int k)
{
    file.Write("<Placemark>" + XmlElement("name", BandRangeText(visualisation.Bands[k])) + "<styleUrl>#" +
               StyleId(k) + "</styleUrl><MultiGeometry>");
    file.Write(kLineEnd);
    for (const SpeedRun& run : visualisation.Runs) {
        if (run.Band != k) continue;
        file.Write("<LineString><coordinates>");
        for (int32_t p = run.First; p <= run.Last; ++p) {
            file.Write(Coordinates(track.Points[p]));
            file.Write(p < run.Last ? " " : "");
        }
        file.Write("</coordinates></LineString>");
        file.Write(kLineEnd);
    }
    file.Write("</MultiGeometry></Placemark>");
    file.Write(kLineEnd);
}

}  // namespace

void WriteKmlVisualisation(const std::string& path, const Track& track, const Visualisation& visualisation,
                           int32_t trackWidth, std::vector<std::string>& written)
{
    AtomicFileWriter file(path);
    file.Write(kDocumentStart);
    file.Write(Legend(visualisation.Bands));
    for (int k = 0; k < kBandCount; ++k)
        if (HasRuns(visualisation.Bands[k])) file.Write(Style(k, visualisation.Bands[k], trackWidth));

    file.Write("<Folder><name>Speed bands</name>");
    file.Write(kLineEnd);
    for (int k = 0; k < kBandCount; ++k)
        if (HasRuns(visualisation.Bands[k])) WriteBand(file, track, visualisation, k);
    file.Write("</Folder>");
    file.Write(kLineEnd);

    file.Write("<Folder><name>Stops</name>");
    file.Write(kLineEnd);
    for (size_t i = 0; i < visualisation.Stops.size(); ++i) {
        const TrackStop& stop = visualisation.Stops[i];
        file.Write("<Placemark>" + XmlElement("name", StopName(static_cast<int>(i) + 1)) +
                   XmlElement("description", StopDescription(stop)) + "<Point><coordinates>" +
                   Coordinates(track.Points[stop.First]) + "</coordinates></Point></Placemark>");
        file.Write(kLineEnd);
    }
    file.Write("</Folder>");
    file.Write(kLineEnd);
    file.Write(kDocumentEnd);
    file.Commit();
    written.push_back(file.Path());
}

}  // namespace qm
