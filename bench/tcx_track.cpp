#include "track_as.h"

#include "formats/gpx/gpx_time.h"
#include "formats/xml/xml_text.h"

namespace qm::bench {

std::string TrackAsTcx(const Track& track)
{
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TrainingCenterDatabase "
        "xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\" "
        "xmlns:ns3=\"http://www.garmin.com/xmlschemas/ActivityExtension/v2\">\n<Activities>\n<Activity Sport=\"Biking\">\n";
    for (size_t i = 0; i < track.Points.size(); ++i) {
        const TrackPoint& point = track.Points[i];
        if (i == 0 || point.StartsPiece) {
            if (i > 0) text += "</Track>\n</Lap>\n";
            text += "<Lap StartTime=\"" + *GpxTimeText(point.DateTime) + "\">\n<Track>\n";
        }
        text += "<Trackpoint>\n<Time>" + *GpxTimeText(point.DateTime) + "</Time>\n<Position>\n<LatitudeDegrees>" +
                XmlDegrees(point.Latitude) + "</LatitudeDegrees>\n<LongitudeDegrees>" + XmlDegrees(point.Longitude) +
                "</LongitudeDegrees>\n</Position>\n";
        if (point.Height) text += "<AltitudeMeters>" + XmlMetres(*point.Height) + "</AltitudeMeters>\n";
        text += "<HeartRateBpm>\n<Value>" + std::to_string(100 + i % 80) + "</Value>\n</HeartRateBpm>\n<Cadence>" +
                std::to_string(60 + i % 40) + "</Cadence>\n<Extensions>\n<ns3:TPX>\n<ns3:Speed>" +
                XmlDecimal(static_cast<double>(i % 1000) / 100, 2) + "</ns3:Speed>\n<ns3:Watts>" +
                std::to_string(i % 400) + "</ns3:Watts>\n</ns3:TPX>\n</Extensions>\n</Trackpoint>\n";
    }
    return text + "</Track>\n</Lap>\n</Activity>\n</Activities>\n</TrainingCenterDatabase>\n";
}

}  // namespace qm::bench
