// The track reader on any bytes: it must return, and a track it accepts must
// keep its promises (as many points as it counts, times strictly increasing,
// the first time not 0).
#include "fuzz_support.h"

#include "platform/error.h"
#include "track/plt_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qm;
    const std::string path = fuzz::WorkDir() + "/track.plt";
    fuzz::WriteInput(path, data, size);
    fuzz::NullSink sink;
    try {
        Track track = LoadTrack(path, sink);
        QM_FUZZ_CHECK(track.PointCount >= 0);
        if (track.PointCount > 0) {
            QM_FUZZ_CHECK(track.Points.size() == static_cast<size_t>(track.PointCount));
            QM_FUZZ_CHECK(track.Points[0].DateTime != 0);
            for (size_t i = 1; i < track.Points.size(); ++i)
                QM_FUZZ_CHECK(track.Points[i].DateTime > track.Points[i - 1].DateTime);
        }
    } catch (const Error&) {
        // a conversion error: the command shows it and ends
    }
    return 0;
}
