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

// Best wall time in seconds of `runs` calls of work.
template <typename Work>
double BestSeconds(int runs, Work work);

}  // namespace qm::bench

#include <chrono>
#include <limits>

template <typename Work>
double qm::bench::BestSeconds(int runs, Work work)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (took.count() < best) best = took.count();
    }
    return best;
}
