#include "support/track_as_gpx.h"

#include "formats/gpx/gpx_text.h"

namespace qm::test {

std::string TrackAsGpx(const Track& track)
{
    std::string gpx = GpxDocumentStart(false);
    gpx += "<trk><trkseg>\r\n";
    for (size_t i = 0; i < track.Points.size(); ++i) {
        if (i > 0 && track.Points[i].StartsPiece) gpx += "</trkseg><trkseg>\r\n";
        gpx += GpxPoint("trkpt", track.Points[i]);
    }
    gpx += "</trkseg></trk>\r\n";
    gpx += kGpxDocumentEnd;
    return gpx;
}

}  // namespace qm::test
