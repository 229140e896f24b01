#include "bench.h"
#include "track_as.h"

#include "formats/track_reader.h"
#include "platform/atomic_file_writer.h"

#include <iostream>

// Reading the same track as FIT and as an OziExplorer track.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    const std::string fitPath = trackPath + ".fit";
    const std::string fit = TrackAsFit(*LoadTrack(trackPath).Track);
    WriteFileAtomically(fitPath, fit);

    size_t pltPoints = 0, fitPoints = 0;
    const Times plt = BestTimes(5, [&] { pltPoints = LoadTrack(trackPath).Track->Points.size(); });
    const Times ours = BestTimes(5, [&] { fitPoints = LoadTrack(fitPath).Track->Points.size(); });
    std::cout << "read .plt: " << pltPoints << " points in " << plt.Wall << " s (processor " << plt.Cpu << " s)\n"
              << "read .fit: " << fitPoints << " points in " << ours.Wall << " s (processor " << ours.Cpu << " s; "
              << ours.Wall / plt.Wall << " x .plt; " << fit.size() / 1000000 << " MB)\n";
    return 0;
}
