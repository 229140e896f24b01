#include "support/cli_run.h"

#include "support/test_support.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qm::test {

pid_t StartCli(std::vector<std::string> args, const std::string& workDir, const std::string& scratchDir,
               const std::string& stdoutPath, size_t memoryLimit)
{
    const std::string outPath = stdoutPath.empty() ? scratchDir + "/stdout" : stdoutPath;
    const std::string errPath = scratchDir + "/stderr";
    args.insert(args.begin(), QM_CLI);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t pid = ::fork();
    if (pid == 0) {
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 || ::chdir(workDir.c_str()) != 0)
            ::_exit(126);
        ::setenv("LC_ALL", "C", 1);
        const rlimit limit{memoryLimit, memoryLimit};
        if (memoryLimit > 0 && ::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(126);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

CliRun FinishCli(pid_t pid, const std::string& scratchDir)
{
    CliRun run;
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid) {
        if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
        if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
    }
    run.out = ReadAll(scratchDir + "/stdout");
    run.err = ReadAll(scratchDir + "/stderr");
    return run;
}

}  // namespace qm::test
