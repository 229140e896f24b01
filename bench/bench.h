#pragma once

#include "platform/message_sink.h"

#include <functional>
#include <string>
#include <vector>

namespace qm::bench {

// Benchmarks measure, they do not report: every message is dropped.
class SilentSink : public MessageSink {
public:
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string&) override {}
};

// The bytes of a file the benchmark wrote or was given.
std::string ReadWholeFile(const std::string& path);

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

// The best times of each work, the works called in turn `runs` times, so that
// a machine busier for a while slows them all alike and their ratios hold.
std::vector<Times> BestTimesInTurn(int runs, const std::vector<std::function<void()>>& works);

// "what: W s wall, C s processor".
std::string TimesText(const std::string& what, const Times& times);
// "R x the NAME floor (wall), R x (processor)".
std::string RatioText(const Times& times, const Times& floor, const std::string& name);

}  // namespace qm::bench

#include <algorithm>
#include <chrono>
#include <ctime>
#include <limits>
#include <sstream>

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

inline std::vector<qm::bench::Times> qm::bench::BestTimesInTurn(int runs,
                                                               const std::vector<std::function<void()>>& works)
{
    std::vector<Times> best(works.size(), Times{std::numeric_limits<double>::max(), std::numeric_limits<double>::max()});
    for (int i = 0; i < runs; ++i)
        for (size_t k = 0; k < works.size(); ++k) {
            const Times times = BestTimes(1, works[k]);
            best[k].Wall = std::min(best[k].Wall, times.Wall);
            best[k].Cpu = std::min(best[k].Cpu, times.Cpu);
        }
    return best;
}

inline std::string qm::bench::TimesText(const std::string& what, const Times& times)
{
    std::ostringstream text;
    text << what << ": " << times.Wall << " s wall, " << times.Cpu << " s processor";
    return text.str();
}

inline std::string qm::bench::RatioText(const Times& times, const Times& floor, const std::string& name)
{
    std::ostringstream text;
    text.precision(3);
    text << times.Wall / floor.Wall << " x the " << name << " floor (wall), " << times.Cpu / floor.Cpu
         << " x (processor)";
    return text.str();
}
