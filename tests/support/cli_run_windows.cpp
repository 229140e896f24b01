#include "support/cli_run.h"

#include "support/test_support.h"

#include "platform/windows_text.h"

#include <map>
#include <string>
#include <windows.h>

namespace qm::test {
namespace {

// One argument as CommandLineToArgvW reads it back.
std::wstring Quoted(const std::wstring& arg)
{
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

HANDLE Inherited(const std::string& path)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The runs started and not yet finished, by process id.
std::map<pid_t, HANDLE> running;

}  // namespace

pid_t StartCli(std::vector<std::string> args, const std::string& workDir, const std::string& scratchDir,
               const std::string& stdoutPath, size_t memoryLimit)
{
    const std::string outPath = stdoutPath.empty() ? scratchDir + "/stdout" : stdoutPath;
    std::wstring command = Quoted(Utf8ToWide(QM_CLI));
    for (const std::string& arg : args) command += L" " + Quoted(Utf8ToWide(arg));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = Inherited(outPath);
    startup.hStdError = Inherited(scratchDir + "/stderr");
    // The fixed date and time formats, as scripts ask for them; the child
    // inherits the variable, which is taken back at once.
    ::SetEnvironmentVariableW(L"LC_ALL", L"C");
    PROCESS_INFORMATION process{};
    // Wine now and then fails to start a process under load; a few tries
    // keep that apart from the runs' own results.
    bool started = false;
    DWORD error = 0;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0) ::Sleep(200);
        started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                                   Utf8ToWide(workDir).c_str(), &startup, &process);
        if (!started) error = ::GetLastError();
    }
    ::SetEnvironmentVariableW(L"LC_ALL", nullptr);
    ::CloseHandle(startup.hStdOutput);
    if (!started) {
        const std::string why = "quillmarsh-cli did not start: error " + std::to_string(error) + "\n";
        DWORD written = 0;
        ::WriteFile(startup.hStdError, why.data(), static_cast<DWORD>(why.size()), &written, nullptr);
    }
    ::CloseHandle(startup.hStdError);
    if (!started) return -1;
    if (memoryLimit > 0) {
        const HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limit{};
        limit.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_PROCESS_MEMORY;
        limit.ProcessMemoryLimit = memoryLimit;
        ::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limit, sizeof limit);
        ::AssignProcessToJobObject(job, process.hProcess);
    }
    ::ResumeThread(process.hThread);
    ::CloseHandle(process.hThread);
    const pid_t pid = static_cast<pid_t>(process.dwProcessId);
    running[pid] = process.hProcess;
    return pid;
}

CliRun FinishCli(pid_t pid, const std::string& scratchDir)
{
    CliRun run;
    if (const auto found = running.find(pid); found != running.end()) {
        DWORD status = 0;
        ::WaitForSingleObject(found->second, INFINITE);
        if (::GetExitCodeProcess(found->second, &status)) run.status = static_cast<int>(status);
        ::CloseHandle(found->second);
        running.erase(found);
    }
    run.out = ReadAll(scratchDir + "/stdout");
    run.err = ReadAll(scratchDir + "/stderr");
    return run;
}

}  // namespace qm::test
