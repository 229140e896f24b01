#include "bench.h"
#include "floors.h"

#include "formats/track_reader.h"
#include "track/distance.h"

#include <iostream>

// Loading the track and fitting its latitude scale beside the parse floor,
// measured in turn.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    size_t points = 0;
    const std::vector<Times> best = BestTimesInTurn(5, {
                                                           [&] { ParseFloor(trackPath); },
                                                           [&] {
                                                               TrackReading reading = LoadTrack(trackPath);
                                                               FitLatitudeScale(reading.Track->Points);
                                                               points = reading.Track->Points.size();
                                                           },
                                                       });
    std::cout << TimesText("parse floor", best[0]) << '\n'
              << TimesText("load (" + std::to_string(points) + " points)", best[1]) << ": "
              << RatioText(best[1], best[0], "parse") << '\n';
    return 0;
}
