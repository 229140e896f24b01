#include "platform/temporary_files.h"

#include "platform/temporary_files_table.h"

#include <windows.h>

namespace qm {
namespace {

bool withInterrupt = false;

// Runs on a thread of its own, which the system starts for the event: the
// thread that is creating a file goes on and finishes it meanwhile.
BOOL WINAPI RemoveAndExit(DWORD event)
{
    int signal;
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        if (!withInterrupt) return FALSE;
        signal = 2;
        break;
    case CTRL_CLOSE_EVENT:
        signal = 1;
        break;
    default:  // logoff, shutdown
        signal = 15;
        break;
    }
    RemoveRecordedFiles();
    ::ExitProcess(static_cast<UINT>(128 + signal));
}

}  // namespace

// The handler runs on a thread of its own: the creating thread goes on.
void HoldBackStopRequests() {}
void LetStopRequestsThrough() {}

void RemoveFileNow(const char* path)
{
    // The recorded paths are absolute; a drive path in the "\\?\" form may be
    // longer than MAX_PATH.
    wchar_t wide[4096 + 8] = L"\\\\?\\";
    const bool drivePath = path[0] != '\\';
    wchar_t* name = drivePath ? wide + 4 : wide;
    if (::MultiByteToWideChar(CP_UTF8, 0, path, -1, name, 4096) > 0) ::DeleteFileW(wide);
}

void RemoveTemporaryFilesOn(StopRequests requests)
{
    withInterrupt = requests == StopRequests::SessionAndInterrupt;
    ::SetConsoleCtrlHandler(RemoveAndExit, TRUE);
}

}  // namespace qm
