#include "bench.h"
#include "expat_floor.h"
#include "track_as.h"

#include "formats/track_reader.h"
#include "platform/atomic_file_writer.h"

#include <iostream>

// Reading the track as TCX, against expat's own parse of the same file.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    const std::string tcxPath = trackPath + ".tcx";
    WriteFileAtomically(tcxPath, TrackAsTcx(*LoadTrack(trackPath).Track));
    const std::string text = ReadWholeFile(tcxPath);

    size_t points = 0;
    const double tcx = BestSeconds(5, [&] { points = ReadTrack(text, tcxPath).Track->Points.size(); });
    const double floor = ExpatFloor(text);
    std::cout << "read .tcx from memory: " << points << " points in " << tcx << " s (" << text.size() / 1000000
              << " MB)\n"
              << "expat alone on the .tcx: " << floor << " s; the reader " << tcx / floor << " x expat\n";
    return 0;
}
