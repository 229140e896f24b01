// The track reader on any bytes, OziExplorer, GPX or FIT, read from memory through
// the one entry point every file goes through: it must return, and a track it
// accepts must keep its promises (at least one point, times strictly
// increasing, the first time not 0, positions within their ranges); a file
// it refuses is refused with one message.
#include "fuzz_support.h"

#include "formats/track_reader.h"

#include <cmath>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qm;
    TrackReading reading = ReadTrack(std::string_view(reinterpret_cast<const char*>(data), size), "track");
    if (!reading.Track) {
        QM_FUZZ_CHECK(reading.Messages.size() == 1);
        return 0;
    }
    const TrackPoints& points = reading.Track->Points;
    // At most the points left out for want of a time, for a position or
    // time out of range and for a time not later, or the cut; a FIT file's
    // damage and its records without a position besides.
    QM_FUZZ_CHECK(!points.empty() && reading.Messages.size() <= 5);
    QM_FUZZ_CHECK(points[0].DateTime != 0);
    for (size_t i = 1; i < points.size(); ++i) QM_FUZZ_CHECK(points[i].DateTime > points[i - 1].DateTime);
    if (!reading.Plt)
        for (const TrackPoint& point : points)
            QM_FUZZ_CHECK(std::fabs(point.Latitude) <= 90 && std::fabs(point.Longitude) <= 180 &&
                          (!point.Height || std::isfinite(*point.Height)));
    return 0;
}
