#include "bench.h"

#include "track/distance.h"
#include "track/plt_reader.h"

#include <iostream>

int qm::bench::RunBenchmark(const std::string& trackPath)
{
    SilentSink sink;
    int32_t points = 0;
    double seconds = BestSeconds(5, [&] {
        Track track = LoadTrack(trackPath, sink);
        FitLatitudeScale(track.Points);
        points = track.PointCount;
    });
    std::cout << "load: " << points << " points in " << seconds << " s\n";
    return 0;
}
