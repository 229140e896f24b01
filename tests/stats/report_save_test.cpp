#include "stats/report_save.h"

#include "platform/error.h"
#include "stats/report.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// The saved bytes are checked by the golden files of the statistics command.
TEST(SaveReport, NamesTheFullFileWhenItCannotBeCreated)
{
    test::TempDir dir;
    Report report{{"File: a.plt"}, dir.File("missing/a_stat.txt")};
    std::string expected = "Cannot create file \"" + report.FileName + "\". No such file or directory";
    try {
        SaveReport(report);
        ADD_FAILURE() << "saved";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), expected);
    }
}

}  // namespace
}  // namespace qm
