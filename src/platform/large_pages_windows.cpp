#include "platform/large_pages.h"

namespace qm {

// Large pages on Windows need a privilege ordinary users lack, and memory
// asked for them up front: a hint on memory already there has no counterpart.
void AdviseLargePages(const void*, size_t) {}

}  // namespace qm
