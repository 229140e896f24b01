#pragma once

#include <cstdint>
#include <string>

namespace qm::bench {

// What no reader of the track can beat: stream the file through a 1 MiB
// buffer and convert the five numbers of every point line with
// std::from_chars into a vector, reserved once for the points the size of
// the file shows. Gives the points converted.
size_t ParseFloor(const std::string& trackPath);

// What no visualisation writing `bytes` bytes durably can beat: the parse
// floor, then that many bytes written beside the track through a 1 MiB
// buffer, the write-back of each MiB started at once, the file synced,
// renamed over the previous run's file and its folder synced, as results
// replace those of an earlier run.
void DurableFloor(const std::string& trackPath, uint64_t bytes);
// Removes the file DurableFloor leaves.
void RemoveDurableFloorFile(const std::string& trackPath);

}  // namespace qm::bench
