#include "bench.h"
#include "track_as.h"

#include "formats/track_reader.h"
#include "platform/atomic_file_writer.h"

#include <iostream>

// Reading the same track as an OziExplorer track, an IGC log and an NMEA log.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    const Track track = *LoadTrack(trackPath).Track;
    const std::string igcPath = trackPath + ".igc", nmeaPath = trackPath + ".nmea";
    WriteFileAtomically(igcPath, TrackAsIgc(track));
    WriteFileAtomically(nmeaPath, TrackAsNmea(track));

    size_t pltPoints = 0, igcPoints = 0, nmeaPoints = 0;
    const double plt = BestSeconds(5, [&] { pltPoints = LoadTrack(trackPath).Track->Points.size(); });
    const double igc = BestSeconds(5, [&] { igcPoints = LoadTrack(igcPath).Track->Points.size(); });
    const double nmea = BestSeconds(5, [&] { nmeaPoints = LoadTrack(nmeaPath).Track->Points.size(); });
    std::cout << "read .plt: " << pltPoints << " points in " << plt << " s\n"
              << "read .igc: " << igcPoints << " points in " << igc << " s (" << igc / plt << " x .plt)\n"
              << "read .nmea (RMC and GGA): " << nmeaPoints << " points in " << nmea << " s (" << nmea / plt
              << " x .plt)\n";
    return 0;
}
