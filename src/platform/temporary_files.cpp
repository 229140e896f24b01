#include "platform/temporary_files.h"

#include "platform/file_system.h"
#include "platform/temporary_files_table.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>

namespace qm {
namespace {

// The writers finish one file before they start the next, so a run holds one
// slot at a time; the rest are room for the windows' threads.
constexpr size_t kSlots = 64;
constexpr int kFree = 0;
constexpr int kClaimed = 1;  // being filled: the handler keeps off
constexpr int kRecorded = 2;
// A longer path is made, but not removed when the program is stopped.
constexpr size_t kMaxPath = 4096;

struct Slot {
    std::atomic<int> state{kFree};
    char path[kMaxPath];
};
static_assert(std::atomic<int>::is_always_lock_free);

std::array<Slot, kSlots> slots;

// Another thread may be creating a file while the handler runs: the handler
// waits until it has created it, so that it is removed too.
std::atomic<bool> exiting{false};
std::atomic<int> creating{0};

// The index of the slot now holding path, or -1 when the table is full or
// the path too long.
int Record(const std::string& path)
{
    if (path.size() >= kMaxPath) return -1;
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

}  // namespace

void RemoveRecordedFiles()
{
    exiting.store(true);
    while (creating.load() > 0) {
    }
    for (Slot& slot : slots)
        if (slot.state.load() == kRecorded) RemoveFileNow(slot.path);
}

int CreateTemporaryFile(std::string& pattern, int& record)
{
    HoldBackStopRequests();
    creating.fetch_add(1);
    int fd = -1;
    int error = EEXIST;
    constexpr int kAttempts = 100;
    for (int i = 0; i < kAttempts && !exiting.load() && error == EEXIST; ++i) {
        FillSuffix(pattern);
        // A relative name would name another file once the working directory changes.
        record = Record(AbsolutePath(pattern));
        fd = CreateNewFile(pattern);
        if (fd >= 0) break;
        error = errno;
        ForgetTemporaryFile(record);
        record = -1;
    }
    creating.fetch_sub(1);
    LetStopRequestsThrough();
    if (fd < 0) errno = error;
    return fd;
}

void ForgetTemporaryFile(int record)
{
    if (record >= 0) slots[static_cast<size_t>(record)].state.store(kFree);
}

}  // namespace qm
