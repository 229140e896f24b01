// The track reader on any bytes, OziExplorer or GPX: it must return, and a
// track it accepts must keep its promises (at least one point, times strictly
// increasing, the first time not 0); a file it refuses is refused with one
// message.
#include "fuzz_support.h"

#include "formats/track_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qm;
    const std::string path = fuzz::WorkDir() + "/track.plt";
    fuzz::WriteInput(path, data, size);
    TrackReading reading = LoadTrack(path);
    if (!reading.Track) {
        QM_FUZZ_CHECK(reading.Messages.size() == 1);
        return 0;
    }
    const TrackPoints& points = reading.Track->Points;
    // At most the points left out for want of a time and the cut.
    QM_FUZZ_CHECK(!points.empty() && reading.Messages.size() <= 2);
    QM_FUZZ_CHECK(points[0].DateTime != 0);
    for (size_t i = 1; i < points.size(); ++i) QM_FUZZ_CHECK(points[i].DateTime > points[i - 1].DateTime);
    return 0;
}
