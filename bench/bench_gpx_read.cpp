#include "bench.h"
#include "expat_floor.h"

#include "formats/track_reader.h"
#include "platform/atomic_file_writer.h"
#include "support/track_as_gpx.h"

#include <algorithm>
#include <iostream>

namespace {

// A short track whose one point carries an attribute of `size` bytes, and
// one with a comment of that size: a token that long once made reading
// quadratic.
std::string LongToken(size_t size, bool comment)
{
    const std::string point = "<trkpt lat=\"1\" lon=\"1\"><time>2020-02-14T01:00:00Z</time></trkpt>";
    std::string text = "<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>";
    if (comment)
        text += "<!--" + std::string(size, 'c') + "-->" + point;
    else
        text += point.substr(0, 6) + " x=\"" + std::string(size, 'a') + "\"" + point.substr(6);
    return text + "</trkseg></trk></gpx>";
}

}  // namespace

// Reading the same track as GPX and as an OziExplorer track.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    const std::string gpxPath = trackPath + ".gpx";
    WriteFileAtomically(gpxPath, test::TrackAsGpx(*LoadTrack(trackPath).Track));

    size_t pltPoints = 0, gpxPoints = 0;
    const std::string text = ReadWholeFile(gpxPath);
    // In turn; the reader feeds expat 256 KiB at a time.
    const std::vector<Times> best = BestTimesInTurn(5, {
                                                           [&] { pltPoints = LoadTrack(trackPath).Track->Points.size(); },
                                                           [&] { gpxPoints = LoadTrack(gpxPath).Track->Points.size(); },
                                                           [&] { ParseWithExpat(text); },
                                                           [&] { ParseWithExpat(text, size_t{1} << 18); },
                                                       });
    const double plt = best[0].Wall, gpx = best[1].Wall, floor = std::min(best[2].Wall, best[3].Wall);
    std::cout << "read .plt: " << pltPoints << " points in " << plt << " s\n"
              << "read .gpx: " << gpxPoints << " points in " << gpx << " s (" << gpx / plt << " x .plt; "
              << text.size() / 1000000 << " MB)\n"
              << "expat alone on the .gpx: " << best[2].Wall << " s in one call, " << best[3].Wall
              << " s in calls of 256 KiB; the reader " << gpx / floor << " x expat\n";
    for (const size_t megabytes : {40, 200})
        for (const bool comment : {false, true}) {
            const std::string text = LongToken(megabytes << 20, comment);
            double ours = BestSeconds(3, [&] { ReadTrack(text, "long.gpx"); });
            double expat = BestSeconds(3, [&] { ParseWithExpat(text); });
            std::cout << "a " << megabytes << " MB " << (comment ? "comment" : "attribute") << ": " << ours
                      << " s, expat alone " << expat << " s (" << ours / expat << " x)\n";
        }
    return 0;
}
