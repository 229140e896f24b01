#include "bench.h"

#include "formats/track_reader.h"
#include "track/distance.h"

#include <iostream>

int qm::bench::RunBenchmark(const std::string& trackPath)
{
    size_t points = 0;
    double seconds = BestSeconds(5, [&] {
        TrackReading reading = LoadTrack(trackPath);
        FitLatitudeScale(reading.Track->Points);
        points = reading.Track->Points.size();
    });
    std::cout << "load: " << points << " points in " << seconds << " s\n";
    return 0;
}
