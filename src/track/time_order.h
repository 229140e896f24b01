#pragma once

#include <cstddef>

#include <string>

namespace qm {

// What the user reads when point n (counted from 0), at `time`, is not later
// than point n-1, at `previous`: the track is used up to point n-1 only,
// whatever the file's format.
std::string TimeOrderMessage(size_t n, double previous, double time);

}  // namespace qm
