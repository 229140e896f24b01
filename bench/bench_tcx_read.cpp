#include "bench.h"
#include "expat_floor.h"

#include "formats/gpx/gpx_time.h"
#include "formats/track_reader.h"
#include "formats/xml/xml_text.h"
#include "platform/atomic_file_writer.h"

#include <iostream>

namespace {

// The track as a TCX activity the way a bike computer exports one: a lap of
// one track per piece, each point with its position, height, heart rate,
// cadence and the activity extension's speed and power.
std::string TrackAsTcx(const qm::Track& track)
{
    using qm::XmlDecimal;
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TrainingCenterDatabase "
        "xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\" "
        "xmlns:ns3=\"http://www.garmin.com/xmlschemas/ActivityExtension/v2\">\n<Activities>\n<Activity Sport=\"Biking\">\n";
    for (size_t i = 0; i < track.Points.size(); ++i) {
        const qm::TrackPoint& point = track.Points[i];
        if (i == 0 || point.StartsPiece) {
            if (i > 0) text += "</Track>\n</Lap>\n";
            text += "<Lap StartTime=\"" + *qm::GpxTimeText(point.DateTime) + "\">\n<Track>\n";
        }
        text += "<Trackpoint>\n<Time>" + *qm::GpxTimeText(point.DateTime) + "</Time>\n<Position>\n<LatitudeDegrees>" +
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

}  // namespace

// Reading the track as TCX, against expat's own parse of the same file.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    const std::string tcxPath = trackPath + ".tcx";
    WriteFileAtomically(tcxPath, TrackAsTcx(*LoadTrack(trackPath).Track));
    const std::string text = ReadWholeFile(tcxPath);

    size_t points = 0;
    const double tcx = BestSeconds(5, [&] { points = ReadTrack(text, tcxPath).Track->Points.size(); });
    const double floor = ExpatFloor(text);
    std::cout << "read .tcx from memory: " << points << " points in " << tcx << " s (" << text.size() / 1000000
              << " MB)\n"
              << "expat alone on the .tcx: " << floor << " s; the reader " << tcx / floor << " x expat\n";
    return 0;
}
