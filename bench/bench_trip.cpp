#include "bench.h"

#include "commands/statistics.h"
#include "map/map_trip.h"
#include "settings/speed_scale.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

constexpr int kFiles = 100;
constexpr int kRuns = 3;
constexpr int kHeaderLines = 6;

// The track's points in kFiles .plt files of equal counts, each with the
// track's header, written once into a folder beside it.
std::vector<std::string> SplitIntoFiles(const std::string& trackPath)
{
    const std::string folder = trackPath + ".split";
    std::vector<std::string> paths;
    for (int k = 0; k < kFiles; ++k) paths.push_back(folder + "/part" + std::to_string(1000 + k) + ".plt");
    if (std::filesystem::exists(paths.back())) return paths;
    std::filesystem::create_directories(folder);
    std::istringstream in(qm::bench::ReadWholeFile(trackPath));
    std::vector<std::string> header(kHeaderLines), lines;
    for (std::string& line : header) std::getline(in, line);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const size_t each = (lines.size() + kFiles - 1) / kFiles;
    for (int k = 0; k < kFiles; ++k) {
        const size_t first = std::min(lines.size(), k * each), end = std::min(lines.size(), first + each);
        std::ofstream out(paths[k], std::ios::binary);
        for (int h = 0; h + 1 < kHeaderLines; ++h) out << header[h] << '\n';
        out << end - first << "\r\n";
        for (size_t i = first; i < end; ++i) out << lines[i] << '\n';
    }
    return paths;
}

// What the map window and the statistics window do with a track: read it,
// compute its runs, stops, parts and totals, and its statistics table.
void OpenMapAndStatistics(const qm::TrackFiles& track)
{
    qm::bench::SilentSink sink;
    const qm::Settings settings;
    qm::LoadMapTrip(track, qm::ScaleBandBoxes(settings.CurrentScale()), settings, sink);
    qm::TrackStatistics(track, settings, sink);
}

constexpr const char* kOnceVariable = "QM_BENCH_TRIP_ONCE";

// The peak memory (KiB) of a fresh process of this benchmark that opens the
// track or the trip once.
long PeakMemory(const std::string& trackPath, const char* which)
{
    const pid_t child = fork();
    if (child == 0) {
        setenv(kOnceVariable, which, 1);
        execl("/proc/self/exe", "bench_trip", trackPath.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss;
}

}  // namespace

// The track as one file and as a trip of kFiles files of its points:
// reading, the map's computation and the statistics, in turn; then the peak
// memory of each in a process of its own.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    const TrackFiles whole(trackPath);
    const TrackFiles trip = TrackFilesOf(SplitIntoFiles(trackPath));
    if (const char* once = std::getenv(kOnceVariable)) {
        OpenMapAndStatistics(std::string(once) == "trip" ? trip : whole);
        return 0;
    }
    const std::vector<Times> best = BestTimesInTurn(kRuns, {
                                                               [&] { OpenMapAndStatistics(whole); },
                                                               [&] { OpenMapAndStatistics(trip); },
                                                           });
    std::cout << TimesText("one file: map and statistics", best[0]) << '\n'
              << TimesText(std::to_string(kFiles) + " files as a trip", best[1]) << ": "
              << RatioText(best[1], best[0], "one-file") << '\n'
              << "peak memory: one file " << PeakMemory(trackPath, "whole") << " KiB, trip "
              << PeakMemory(trackPath, "trip") << " KiB\n";
    return 0;
}
