#include "bench.h"

#include "commands/visualise.h"
#include "formats/track_reader.h"
#include "settings/settings.h"

#include <filesystem>
#include <iostream>

// The whole visualisation command in process (read, segment, write the band
// files and the stop file into a fresh directory beside the track) against
// the parse floor: streaming the file and converting each point's five
// numbers, which no visualisation can beat.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    std::string outputDir = trackPath + ".visualise";
    std::filesystem::remove_all(outputDir);
    Settings settings;
    SilentSink sink;
    BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    bool processed = true;
    double parse = BestSeconds(5, [&] { processed = LoadTrack(trackPath).Track.has_value() && processed; });
    double visualise = BestSeconds(5, [&] {
        VisualiseResult result = VisualiseTrack(trackPath, outputDir, boxes, settings, sink);
        if (result.Error) std::cerr << *result.Error << '\n';
        processed = result.Processed && processed;
    });
    std::filesystem::remove_all(outputDir);
    std::cout << "parse floor: " << parse << " s\n"
              << "visualise (one thread): " << visualise << " s, " << visualise / parse << " x the parse floor"
              << (processed ? "" : " (FAILED)") << '\n';
    return processed ? 0 : 1;
}
