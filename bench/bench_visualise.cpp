#include "bench.h"
#include "floors.h"

#include "commands/visualise.h"
#include "settings/settings.h"

#include <filesystem>
#include <iostream>

namespace {

constexpr int kRuns = 5;

// The whole visualisation command in process (read, segment, write the band
// files and the stop file) into outputDir; gives the bytes it wrote.
uint64_t VisualiseInto(const std::string& trackPath, const std::string& outputDir, bool& processed)
{
    using namespace qm;
    Settings settings;
    bench::SilentSink sink;
    VisualiseResult result =
        VisualiseTrack(trackPath, outputDir, ScaleBandBoxes(settings.CurrentScale()), settings, sink);
    if (result.Error) std::cerr << result.Error->what() << '\n';
    processed = result.Processed && processed;
    uint64_t bytes = 0;
    for (const std::string& file : result.FilesWritten) bytes += std::filesystem::file_size(file);
    return bytes;
}

}  // namespace

// The visualisation on one thread beside its two floors, measured in turn:
// the parse floor, and the durable floor of the bytes it writes. Its files go
// beside the track, and once more to /dev/shm, a file system in memory where
// the syncs that make the files durable cost nothing: the difference is what
// durability costs on the track's disk.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    bool processed = true;
    const std::string disk = trackPath + ".visualise", memory = "/dev/shm/quillmarsh-bench.visualise";
    std::filesystem::remove_all(disk);
    const uint64_t bytes = VisualiseInto(trackPath, disk, processed);
    std::vector<std::function<void()>> works = {
        [&] { ParseFloor(trackPath); },
        [&] { DurableFloor(trackPath, bytes); },
        [&] { VisualiseInto(trackPath, disk, processed); },
    };
    const bool inMemory = std::filesystem::is_directory("/dev/shm");
    if (inMemory) works.push_back([&] { VisualiseInto(trackPath, memory, processed); });
    const std::vector<Times> best = BestTimesInTurn(kRuns, works);
    std::filesystem::remove_all(disk);
    std::filesystem::remove_all(memory);
    RemoveDurableFloorFile(trackPath);

    std::cout << TimesText("parse floor", best[0]) << '\n'
              << TimesText("durable floor (" + std::to_string(bytes) + " bytes written)", best[1]) << '\n'
              << TimesText("visualise (one thread, files synced to the track's disk)", best[2]) << ": "
              << RatioText(best[2], best[1], "durable") << "; " << RatioText(best[2], best[0], "parse") << '\n';
    if (inMemory)
        std::cout << TimesText("visualise (one thread, files in memory)", best[3]) << ": "
                  << RatioText(best[3], best[0], "parse") << "; durable writes cost " << best[2].Wall - best[3].Wall
                  << " s wall\n";
    if (!processed) std::cout << "FAILED\n";
    return processed ? 0 : 1;
}
