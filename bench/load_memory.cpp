#include "formats/track_reader.h"

#include <cstdio>
#include <filesystem>
#include <sys/resource.h>

namespace {

// The largest resident set of this process so far, in bytes.
double PeakBytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024;
}

}  // namespace

// load_memory TRACK: loads the track as the program does and prints the
// file's size and points, the peak memory of the process and, above the
// peak before the load (the program itself), the bytes per point kept.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: load_memory TRACK\n");
        return 2;
    }
    const double baseline = PeakBytes();
    const qm::TrackReading reading = qm::LoadTrack(argv[1]);
    const double peak = PeakBytes();
    if (!reading.Track) {
        std::fprintf(stderr, "%s: not read\n", argv[1]);
        return 1;
    }
    const size_t points = reading.Track->Points.size();
    const std::filesystem::path path(argv[1]);
    std::printf("%-5s %7.1f MB, %zu points: peak %6.1f MiB (baseline %4.1f MiB), %4.0f bytes per point\n",
                path.extension().c_str() + 1, static_cast<double>(std::filesystem::file_size(path)) / 1e6, points,
                peak / 1048576, baseline / 1048576, (peak - baseline) / static_cast<double>(points));
    return 0;
}
