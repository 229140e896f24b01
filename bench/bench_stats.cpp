#include "bench.h"

#include "commands/statistics.h"
#include "formats/track_reader.h"
#include "stats/compute_statistics.h"
#include "track/distance.h"

#include <iostream>

// The statistics command without its window: load, fit and compute.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    SilentSink sink;
    Settings settings;
    size_t rows = 0;
    double total = BestSeconds(5, [&] { rows = TrackStatistics(trackPath, settings, sink)->size(); });
    const TrackPoints points = LoadTrack(trackPath).Track->Points;
    ScaleCoefficients scale = FitLatitudeScale(points);
    double compute = BestSeconds(5, [&] { ComputeStatistics(points, scale, settings); });
    std::cout << "stats: " << points.size() << " points, " << rows << " rows: load and compute " << total
              << " s, compute alone " << compute << " s\n";
    return 0;
}
