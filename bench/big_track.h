#pragma once

#include <string>

namespace qm::bench {

// Writes a long synthetic track: points every 5 s, walking, cycling and
// driving legs, stops with GPS jitter, a new piece (break code 1) now and
// then and a night gap every day. The same count gives the same file.
void WriteBigTrack(const std::string& path, int points);

}  // namespace qm::bench
