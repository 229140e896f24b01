#pragma once

#include <cstddef>

namespace qm {

// Asks the system to back the memory at [data, data + bytes) with large
// pages where it can: a vector of millions of points then fills with a page
// fault every 2 MiB rather than every 4 KiB, which is most of what filling it
// costs. Only a hint: the memory stays what it was where the system has none.
void AdviseLargePages(const void* data, size_t bytes);

}  // namespace qm
