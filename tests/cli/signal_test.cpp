// A run ended by a signal leaves no temporary file behind.
#include "cli/cli_fixture.h"
#include "robustness/robustness_support.h"

#include <csignal>
#include <filesystem>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace qm {
namespace {

// A track of a million points at speeds over the whole default scale, so
// that writing it takes long enough to be interrupted.
std::string LargeTrack()
{
    std::string text = "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\nReserved 3\r\n"
                       "0,2,255,Large,0,0,2,8421376\r\n1000000\r\n";
    constexpr double kStep = 5.0 / 86400;  // seconds in days
    double latitude = 55;
    for (int i = 0; i < 1'000'000; ++i) {
        latitude += 1e-6 * (i / 500 % 50);  // 0 to 50 km/h in runs of 500 points
        char line[96];
        std::snprintf(line, sizeof line, "%.7f,37.0000000,0,100,%.7f,,\r\n", latitude, 40000 + i * kStep);
        text += line;
    }
    return text;
}

// Starts the visualisation, waits until it has created its first temporary
// file and sends the signal.
test::CliRun InterruptWhileWriting(test::CliTest& t, int signal)
{
    const std::string out = t.work.File("out");
    std::filesystem::create_directories(out);
    int watch = ::inotify_init1(IN_CLOEXEC);
    ::inotify_add_watch(watch, out.c_str(), IN_CREATE);
    pid_t pid = test::StartCli({"visualise", "large.plt", "--out", "out"}, t.work.path(), t.scratch.path());
    bool sent = false;
    alignas(inotify_event) char events[4096];
    pollfd ready{watch, POLLIN, 0};
    while (!sent && ::poll(&ready, 1, 60'000) == 1) {
        ssize_t n = ::read(watch, events, sizeof events);
        for (ssize_t at = 0; n > 0 && at < n && !sent;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            if (event->len > 0 && std::string_view(event->name).rfind(".~", 0) == 0)
                sent = ::kill(pid, signal) == 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    if (!sent) ::kill(pid, SIGKILL);
    return test::FinishCli(pid, t.scratch.path());
}

using test::CliTest;

TEST_F(CliTest, SignalWhileWritingRemovesTheTemporaryFiles)
{
    work.Write("large.plt", LargeTrack());
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        test::CliRun run = InterruptWhileWriting(*this, signal);
        EXPECT_EQ(run.signal, 0);
        EXPECT_EQ(run.status, 128 + signal);
        EXPECT_FALSE(test::HasTemporaryFiles(work.File("out")));
        std::filesystem::remove_all(work.File("out"));
    }
}

}  // namespace
}  // namespace qm
