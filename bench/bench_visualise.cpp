#include "bench.h"

#include "commands/visualise.h"
#include "formats/track_reader.h"
#include "settings/settings.h"

#include <filesystem>
#include <iostream>

namespace {

constexpr int kRuns = 7;

// The whole visualisation command in process (read, segment, write the band
// files and the stop file) into outputDir.
qm::bench::Times VisualiseTimes(const std::string& trackPath, const std::string& outputDir, bool& processed)
{
    using namespace qm;
    std::filesystem::remove_all(outputDir);
    Settings settings;
    bench::SilentSink sink;
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    bench::Times times = bench::BestTimes(kRuns, [&] {
        VisualiseResult result = VisualiseTrack(trackPath, outputDir, boxes, settings, sink);
        if (result.Error) std::cerr << result.Error->what() << '\n';
        processed = result.Processed && processed;
    });
    std::filesystem::remove_all(outputDir);
    return times;
}

void Print(const std::string& what, const qm::bench::Times& times, const qm::bench::Times& floor)
{
    std::cout << what << ": " << times.Wall << " s wall, " << times.Wall / floor.Wall << " x the parse floor; "
              << times.Cpu << " s processor, " << times.Cpu / floor.Cpu << " x\n";
}

}  // namespace

// The visualisation on one thread against the parse floor: streaming the
// file and converting each point's five numbers, which no visualisation can
// beat. Its files go beside the track, and once more to /dev/shm, a file
// system in memory where the syncs that make the files durable cost nothing:
// the difference is what durability costs on the track's disk.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    bool processed = true;
    const Times parse = BestTimes(kRuns, [&] { processed = LoadTrack(trackPath).Track.has_value() && processed; });
    std::cout << "parse floor: " << parse.Wall << " s wall, " << parse.Cpu << " s processor\n";
    const Times disk = VisualiseTimes(trackPath, trackPath + ".visualise", processed);
    Print("visualise (one thread, files synced to the track's disk)", disk, parse);
    if (std::filesystem::is_directory("/dev/shm")) {
        const Times memory = VisualiseTimes(trackPath, "/dev/shm/quillmarsh-bench.visualise", processed);
        Print("visualise (one thread, files in memory)", memory, parse);
        std::cout << "durable writes cost " << disk.Wall - memory.Wall << " s wall\n";
    }
    if (!processed) std::cout << "FAILED\n";
    return processed ? 0 : 1;
}
