#include "platform/program_start.h"

#include "platform/windows_text.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace qm {

std::vector<std::string> Utf8Arguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(WideToUtf8(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

namespace {

UINT consoleCodePage = 0;

// The console goes on after the program: it gets its code page back.
void RestoreConsoleCodePage() { ::SetConsoleOutputCP(consoleCodePage); }

}  // namespace

void PrepareStandardStreams()
{
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    consoleCodePage = ::GetConsoleOutputCP();
    if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
        std::atexit(RestoreConsoleCodePage);
}

}  // namespace qm
