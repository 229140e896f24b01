#include "track_as.h"

#include "formats/gpx/gpx_time.h"
#include "formats/xml/xml_text.h"
#include "platform/error.h"

#include <zip.h>

namespace qm::bench {

std::string TrackAsKml(const Track& track)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\" "
                       "xmlns:gx=\"http://www.google.com/kml/ext/2.2\">\n<Placemark>\n<gx:MultiTrack>\n";
    for (size_t i = 0; i < track.Points.size(); ++i) {
        const TrackPoint& point = track.Points[i];
        if (i == 0 || point.StartsPiece) {
            if (i > 0) text += "</gx:Track>\n";
            text += "<gx:Track>\n";
        }
        text += "<when>" + *GpxTimeText(point.DateTime) + "</when>\n<gx:coord>" + XmlDegrees(point.Longitude) + " " +
                XmlDegrees(point.Latitude) + (point.Height ? " " + XmlMetres(*point.Height) : "") + "</gx:coord>\n";
    }
    return text + "</gx:Track>\n</gx:MultiTrack>\n</Placemark>\n</kml>\n";
}

void WriteKmz(const std::string& path, const std::string& kml)
{
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    zip_source_t* source = archive ? zip_source_buffer(archive, kml.data(), kml.size(), 0) : nullptr;
    if (!source || zip_file_add(archive, "doc.kml", source, 0) < 0 || zip_close(archive) != 0)
        throw Error("cannot write " + path);
}

}  // namespace qm::bench
