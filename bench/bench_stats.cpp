#include "bench.h"

#include "stats/compute_statistics.h"
#include "track/distance.h"
#include "track/plt_reader.h"

#include <iostream>

// The statistics command without its window: load, fit and compute.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    SilentSink sink;
    Settings settings;
    size_t rows = 0;
    double total = BestSeconds(5, [&] {
        Track track = LoadTrack(trackPath, sink);
        rows = ComputeStatistics(track.Points, FitLatitudeScale(track.Points), settings).size();
    });
    Track track = LoadTrack(trackPath, sink);
    ScaleCoefficients scale = FitLatitudeScale(track.Points);
    double compute = BestSeconds(5, [&] { ComputeStatistics(track.Points, scale, settings); });
    std::cout << "stats: " << track.PointCount << " points, " << rows << " rows: load and compute " << total
              << " s, compute alone " << compute << " s\n";
    return 0;
}
