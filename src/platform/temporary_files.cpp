#include "platform/temporary_files.h"

#include "platform/file_system.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <random>
#include <unistd.h>

namespace qm {
namespace {

// The writers finish one file before they start the next, so a run holds one
// slot at a time; the rest are room for the windows' threads.
constexpr size_t kSlots = 64;
constexpr int kFree = 0;
constexpr int kClaimed = 1;  // being filled: the handler keeps off
constexpr int kRecorded = 2;

struct Slot {
    std::atomic<int> state{kFree};
    char path[PATH_MAX];
};
static_assert(std::atomic<int>::is_always_lock_free);

std::array<Slot, kSlots> slots;

// Another thread may be creating a file while the handler runs: the handler
// waits until it has created it, so that it is removed too.
std::atomic<bool> exiting{false};
std::atomic<int> creating{0};

// The signals the handler may be installed for; a thread that creates a file
// holds them back, so that the handler never waits for its own thread.
class SignalsHeldBack {
public:
    SignalsHeldBack()
    {
        sigset_t held;
        sigemptyset(&held);
        for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &old_);
    }
    ~SignalsHeldBack() { ::pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
    SignalsHeldBack(const SignalsHeldBack&) = delete;
    SignalsHeldBack& operator=(const SignalsHeldBack&) = delete;

private:
    sigset_t old_;
};

// The index of the slot now holding path, or -1 when the table is full or
// the path too long (the file is then made, but not removed on a signal).
int Record(const std::string& path)
{
    if (path.size() >= PATH_MAX) return -1;
    for (size_t i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (!slots[i].state.compare_exchange_strong(expected, kClaimed)) continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].state.store(kRecorded);
        return static_cast<int>(i);
    }
    return -1;
}

void FillSuffix(std::string& pattern)
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof kChars - 2);
    for (size_t i = pattern.size() - 6; i < pattern.size(); ++i) pattern[i] = kChars[pick(random)];
}

// A relative name would name another file once the working directory changes.
std::string AbsolutePath(const std::string& path)
{
    if (!path.empty() && path.front() == '/') return path;
    return GetCurrentDir() + "/" + path;
}

void RemoveAndExit(int signal)
{
    exiting.store(true);
    while (creating.load() > 0) {
    }
    for (Slot& slot : slots)
        if (slot.state.load() == kRecorded) ::unlink(slot.path);
    ::_exit(128 + signal);
}

}  // namespace

int CreateTemporaryFile(std::string& pattern, int& record)
{
    SignalsHeldBack held;
    creating.fetch_add(1);
    int fd = -1;
    int error = EEXIST;
    constexpr int kAttempts = 100;
    for (int i = 0; i < kAttempts && !exiting.load() && error == EEXIST; ++i) {
        FillSuffix(pattern);
        record = Record(AbsolutePath(pattern));
        fd = ::open(pattern.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) break;
        error = errno;
        ForgetTemporaryFile(record);
        record = -1;
    }
    creating.fetch_sub(1);
    if (fd < 0) errno = error;
    return fd;
}

void ForgetTemporaryFile(int record)
{
    if (record >= 0) slots[static_cast<size_t>(record)].state.store(kFree);
}

void RemoveTemporaryFilesOn(std::initializer_list<int> signals)
{
    struct sigaction action{};
    action.sa_handler = RemoveAndExit;
    sigfillset(&action.sa_mask);
    for (int signal : signals) ::sigaction(signal, &action, nullptr);
}

}  // namespace qm
