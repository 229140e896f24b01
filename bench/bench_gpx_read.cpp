#include "bench.h"

#include "formats/track_reader.h"
#include "platform/atomic_file_writer.h"
#include "support/track_as_gpx.h"

#include <iostream>

// Reading the same track as GPX and as an OziExplorer track.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    const std::string gpxPath = trackPath + ".gpx";
    WriteFileAtomically(gpxPath, test::TrackAsGpx(*LoadTrack(trackPath).Track));

    size_t pltPoints = 0, gpxPoints = 0;
    double plt = BestSeconds(5, [&] { pltPoints = LoadTrack(trackPath).Track->Points.size(); });
    double gpx = BestSeconds(5, [&] { gpxPoints = LoadTrack(gpxPath).Track->Points.size(); });
    std::cout << "read .plt: " << pltPoints << " points in " << plt << " s\n"
              << "read .gpx: " << gpxPoints << " points in " << gpx << " s (" << gpx / plt << " x .plt)\n";
    return 0;
}
