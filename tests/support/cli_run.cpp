#include "support/cli_run.h"

namespace qm::test {

CliRun RunCli(const std::vector<std::string>& args, const std::string& workDir, const std::string& scratchDir,
              size_t memoryLimit)
{
    return FinishCli(StartCli(args, workDir, scratchDir, "", memoryLimit), scratchDir);
}

}  // namespace qm::test
