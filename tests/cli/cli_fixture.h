#pragma once

#include "support/cli_run.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm::test {

// A working directory for runs of quillmarsh-cli, with a small real track
// that gives two band files (_2 and _10) and a stop file.
struct CliTest : ::testing::Test {
    TempDir work;
    TempDir scratch;
    const std::string track = ReadAll(QM_TEST_DATA "/tracks/mapsoft2-programs-ms2conv-test_data-ozi1.plt");

    CliRun Run(const std::vector<std::string>& args) { return RunCli(args, work.path(), scratch.path()); }
    std::string Track(const std::string& name) { return work.Write(name, track); }
};

}  // namespace qm::test
