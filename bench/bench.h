#pragma once

#include "platform/message_sink.h"

#include <string>

namespace qm::bench {

// Benchmarks measure, they do not report: every message is dropped.
class SilentSink : public MessageSink {
public:
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string&) override {}
};

// Each bench_*.cpp defines this: it runs its measurement on the track at path
// and prints its figures, one per line.
int RunBenchmark(const std::string& trackPath);

// The best wall time and the best processor time (this process, all its
// threads), in seconds, of `runs` calls of work. On a busy machine the
// processor time stays what the work costs; the wall time adds the waits
// for the disk, and for the processor when others take it.
struct Times {
    double Wall;
    double Cpu;
};
template <typename Work>
Times BestTimes(int runs, Work work);

template <typename Work>
double BestSeconds(int runs, Work work)
{
    return BestTimes(runs, work).Wall;
}

}  // namespace qm::bench

#include <algorithm>
#include <chrono>
#include <ctime>
#include <limits>

template <typename Work>
qm::bench::Times qm::bench::BestTimes(int runs, Work work)
{
    auto cpuNow = [] {
        timespec now{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
    };
    Times best{std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    for (int i = 0; i < runs; ++i) {
        const double cpuStart = cpuNow();
        auto start = std::chrono::steady_clock::now();
        work();
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best.Wall = std::min(best.Wall, took.count());
        best.Cpu = std::min(best.Cpu, cpuNow() - cpuStart);
    }
    return best;
}
