// The FIT reader on any bytes, read from memory: it must return, and a track
// it accepts must keep its promises (at least one point, times strictly
// increasing, positions within their ranges, each measure column empty or
// one value per point); a file it refuses is refused with one message.
#include "fuzz_support.h"

#include "formats/fit/fit_reader.h"

#include <cmath>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qm;
    TrackReading reading = ReadFitTrack(std::string_view(reinterpret_cast<const char*>(data), size), "track.fit");
    if (!reading.Track) {
        QM_FUZZ_CHECK(reading.Messages.size() == 1);
        return 0;
    }
    const Track& track = *reading.Track;
    const TrackPoints& points = track.Points;
    // At most: damaged, without a position, without a time, out of range,
    // a time not later.
    QM_FUZZ_CHECK(!points.empty() && reading.Messages.size() <= 5);
    for (size_t i = 1; i < points.size(); ++i) QM_FUZZ_CHECK(points[i].DateTime > points[i - 1].DateTime);
    for (const TrackPoint& point : points)
        QM_FUZZ_CHECK(std::fabs(point.Latitude) <= 90 && std::fabs(point.Longitude) <= 180 &&
                      (!point.Height || std::isfinite(*point.Height)));
    for (const MeasureColumn& column : track.Measures) QM_FUZZ_CHECK(column.empty() || column.size() == points.size());
    return 0;
}
