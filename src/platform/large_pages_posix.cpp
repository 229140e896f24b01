#include "platform/large_pages.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace qm {

void AdviseLargePages(const void* data, size_t bytes)
{
    // Smaller memory gains nothing: it never spans a large page.
    constexpr size_t kLargePage = size_t{2} << 20;
    if (bytes < 2 * kLargePage) return;
    // The advice takes whole pages; those the memory only partly covers
    // belong to other memory too and stay as they are.
    const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<uintptr_t>(data) + page - 1) / page * page;
    const auto end = (reinterpret_cast<uintptr_t>(data) + bytes) / page * page;
    ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace qm
