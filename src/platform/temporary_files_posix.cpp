#include "platform/temporary_files.h"

#include "platform/temporary_files_table.h"

#include <csignal>
#include <pthread.h>
#include <unistd.h>

namespace qm {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

thread_local sigset_t heldBefore;

void RemoveAndExit(int signal)
{
    RemoveRecordedFiles();
    ::_exit(128 + signal);
}

}  // namespace

void HoldBackStopRequests()
{
    sigset_t held;
    sigemptyset(&held);
    for (int signal : kSignals) sigaddset(&held, signal);
    ::pthread_sigmask(SIG_BLOCK, &held, &heldBefore);
}

void LetStopRequestsThrough() { ::pthread_sigmask(SIG_SETMASK, &heldBefore, nullptr); }

void RemoveFileNow(const char* path) { ::unlink(path); }

void RemoveTemporaryFilesOn(StopRequests requests)
{
    struct sigaction action{};
    action.sa_handler = RemoveAndExit;
    sigfillset(&action.sa_mask);
    for (int signal : kSignals)
        if (signal != SIGINT || requests == StopRequests::SessionAndInterrupt) ::sigaction(signal, &action, nullptr);
}

}  // namespace qm
