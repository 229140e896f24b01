#pragma once

#include <string>

namespace qm {

// Unfinished files under temporary names, kept in a fixed table so that a
// request to end the program can remove them without allocating.

// Creates a new empty file for pattern, a path ending in "XXXXXX" whose last
// six characters are replaced by a fresh suffix, and records it for removal
// under `record`. The file gets the mode of any new file (0666 less the
// umask). Returns the open descriptor, or -1 with errno set.
int CreateTemporaryFile(std::string& pattern, int& record);

// The recorded file has been renamed or removed: it is no longer the
// program's to remove. A record of -1 is no record.
void ForgetTemporaryFile(int record);

// What may end the program from outside: the session ending or a kill
// (SIGTERM, SIGHUP; on Windows the console closed, a logoff, a shutdown),
// and with Interrupt also Ctrl+C at its terminal (SIGINT; Ctrl+C and
// Ctrl+Break).
enum class StopRequests { Session, SessionAndInterrupt };

// On each such request, every recorded file is removed and the program exits
// with 128 + the signal's number (on Windows the number of the signal that
// stands for the request: Ctrl+C and Ctrl+Break 2, the console closed 1, a
// logoff or shutdown 15).
void RemoveTemporaryFilesOn(StopRequests requests);

}  // namespace qm
