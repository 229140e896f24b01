#include "bench.h"
#include "floors.h"

#include "commands/statistics.h"
#include "formats/track_reader.h"
#include "stats/compute_statistics.h"
#include "stats/report.h"
#include "track/distance.h"

#include <iostream>

namespace {

constexpr int kRuns = 5;

}  // namespace

// The statistics command without its window (load, fit and compute) beside
// its two floors, measured in turn: the parse floor, and the durable floor of
// the bytes of its saved TXT report; then the computation alone.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    SilentSink sink;
    Settings settings;
    const std::optional<StatTable> table = TrackStatistics(trackPath, settings, sink);
    if (!table) {
        std::cout << "FAILED\n";
        return 1;
    }
    uint64_t bytes = 0;
    for (const std::string& line : BuildReport(*table, settings, trackPath, "", ReportFormat::Txt).Lines)
        bytes += line.size() + 2;
    const std::vector<Times> best = BestTimesInTurn(kRuns, {
                                                               [&] { ParseFloor(trackPath); },
                                                               [&] { DurableFloor(trackPath, bytes); },
                                                               [&] { TrackStatistics(trackPath, settings, sink); },
                                                           });
    RemoveDurableFloorFile(trackPath);
    const TrackPoints points = std::move(LoadTrack(trackPath).Track->Points);
    const ScaleCoefficients scale = FitLatitudeScale(points);
    const Times compute = BestTimes(kRuns, [&] { ComputeStatistics(points, scale, settings); });

    std::cout << TimesText("parse floor", best[0]) << '\n'
              << TimesText("durable floor (" + std::to_string(bytes) + " bytes written)", best[1]) << '\n'
              << TimesText("stats (" + std::to_string(points.size()) + " points, " + std::to_string(table->size()) +
                               " rows: load and compute)",
                           best[2])
              << ": " << RatioText(best[2], best[0], "parse") << "; " << RatioText(best[2], best[1], "durable")
              << '\n'
              << TimesText("stats compute alone", compute) << '\n';
    return 0;
}
