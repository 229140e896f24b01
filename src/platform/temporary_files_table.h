#pragma once

// Between the table of temporary files and the code of each system that
// removes them when the program is asked to end.

namespace qm {

// Removes every recorded file, once the files being created are created, and
// creates no more. Safe in a signal handler.
void RemoveRecordedFiles();

// Around the creation of a file by a thread: on POSIX they hold back the
// signals whose handler would otherwise wait for that very thread.
void HoldBackStopRequests();
void LetStopRequestsThrough();

// Removes one file, from a signal handler: no allocation.
void RemoveFileNow(const char* path);

}  // namespace qm
