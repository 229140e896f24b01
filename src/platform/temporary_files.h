#pragma once

#include <initializer_list>
#include <string>

namespace qm {

// Unfinished files under temporary names, kept in a fixed table so that a
// signal that ends the program can remove them without allocating.

// Creates a new empty file for pattern, a path ending in "XXXXXX" whose last
// six characters are replaced by a fresh suffix, and records it for removal
// under `record`. The file gets the mode of any new file (0666 less the
// umask). Returns the open descriptor, or -1 with errno set.
int CreateTemporaryFile(std::string& pattern, int& record);

// The recorded file has been renamed or removed: it is no longer the
// program's to remove. A record of -1 is no record.
void ForgetTemporaryFile(int record);

// On each of the signals, every recorded file is removed and the program
// exits with 128 + the signal's number.
void RemoveTemporaryFilesOn(std::initializer_list<int> signals);

}  // namespace qm
