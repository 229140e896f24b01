#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>
#include <vector>

namespace qm::test {

// How a run of quillmarsh-cli ended: its exit status (-1 when it did not
// exit) or the signal that ended it, and what it wrote.
struct CliRun {
    int status = -1;
    int signal = 0;
    std::string out;
    std::string err;
};

// Starts quillmarsh-cli with args in workDir, with the fixed date and time
// formats of the C locale; its standard output and error go to files in
// scratchDir, standard output to stdoutPath instead when one is given. With
// memoryLimit above 0 it may map at most that many bytes (RLIMIT_AS).
pid_t StartCli(std::vector<std::string> args, const std::string& workDir, const std::string& scratchDir,
               const std::string& stdoutPath = "", size_t memoryLimit = 0);
// Waits for a run started by StartCli and collects what it wrote.
CliRun FinishCli(pid_t pid, const std::string& scratchDir);
// Runs quillmarsh-cli to its end.
CliRun RunCli(const std::vector<std::string>& args, const std::string& workDir, const std::string& scratchDir,
              size_t memoryLimit = 0);

}  // namespace qm::test
