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

std::string StyleId(const FileBand& band) { return "band" + IntToText(band.Number); }

// "lon,lat" and, when the point has a height, ",metres".
std::string Coordinates(const TrackPoint& point)
{
    std::string text = XmlDegrees(point.Longitude) + "," + XmlDegrees(point.Latitude);
    if (point.Height) text += "," + XmlMetres(*point.Height);
    return text;
}

// Each band's colour beside its name, as a small HTML table.
std::string Legend(const ColouredFile& bands)
{
    std::string table = "<table>";
    for (const FileBand& band : bands.Bands)
        table += "<tr><td style=\"background:#" + RgbHex(band.Color) + "\">&#160;&#160;&#160;&#160;</td><td>" +
                 band.Name + "</td></tr>";
    return XmlElement("description", bands.Title + ":" + table + "</table>") + std::string(kLineEnd);
}

// KML colours are aabbggrr: opaque, then our 0x00BBGGRR as it is.
std::string Style(const FileBand& band, int32_t trackWidth)
{
    const std::string rgb = RgbHex(band.Color);
    return "<Style id=\"" + StyleId(band) + "\"><LineStyle><color>ff" + rgb.substr(4, 2) + rgb.substr(2, 2) +
           rgb.substr(0, 2) + "</color><width>" + IntToText(trackWidth) + "</width></LineStyle></Style>" +
           std::string(kLineEnd);
}

void WriteBand(AtomicFileWriter& file, const Track& track, const FileBand& band)
{
    file.Write("<Placemark>" + XmlElement("name", band.Name) + "<styleUrl>#" + StyleId(band) +
               "</styleUrl><MultiGeometry>");
    file.Write(kLineEnd);
    for (const auto& [first, last] : band.Runs) {
        file.Write("<LineString><coordinates>");
        for (int32_t p = first; p <= last; ++p) {
            file.Write(Coordinates(track.Points[p]));
            file.Write(p < last ? " " : "");
        }
        file.Write("</coordinates></LineString>");
        file.Write(kLineEnd);
    }
    file.Write("</MultiGeometry></Placemark>");
    file.Write(kLineEnd);
}

}  // namespace

void WriteKmlVisualisation(const std::string& path, const Track& track, const ColouredFile& bands,
                           const std::vector<TrackStop>& stops, int32_t trackWidth, std::vector<std::string>& written)
{
    AtomicFileWriter file(path);
    file.Write(kDocumentStart);
    file.Write(Legend(bands));
    for (const FileBand& band : bands.Bands) file.Write(Style(band, trackWidth));

    file.Write("<Folder>" + XmlElement("name", bands.Title));
    file.Write(kLineEnd);
    for (const FileBand& band : bands.Bands) WriteBand(file, track, band);
    file.Write("</Folder>");
    file.Write(kLineEnd);

    file.Write("<Folder><name>Stops</name>");
    file.Write(kLineEnd);
    for (size_t i = 0; i < stops.size(); ++i) {
        const TrackStop& stop = stops[i];
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
