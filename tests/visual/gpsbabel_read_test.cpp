#include "visual/proc_files.h"

#include "support/test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qm {
namespace {

size_t LineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// An independent reader of the format must take every file we write without
// complaint and find every point and waypoint in it.
TEST(GpsBabelReadsOurFiles, EveryBandFileAsTrackAndTheStopFileAsWaypoints)
{
    if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0) GTEST_SKIP() << "gpsbabel is not installed";
    for (const char* track : {"mapsoft2-programs-ms2conv-test_data-ozi1.plt",
                              "mapsoft2-programs-ms2xyz-test_data-20040222_full.plt",
                              "mapsoft2-programs-ms2xyz-test_data-test.plt",
                              "gpsbabel-reference-track-20070813_short.plt"}) {
        test::TempDir out, scratch;
        test::RecordingSink sink;
        test::NoControls controls;
        Settings settings;
        ASSERT_TRUE(ProcFilesExecute(std::string(QM_TEST_DATA "/visual/") + track, out.path(),
                                     ScaleBandBoxes(settings.CurrentScale()), settings, controls, sink));
        for (const std::string& name : test::FileNames(out.path())) {
            const bool stops = name.ends_with(".wpt");
            const std::string read = scratch.File("read.csv"), errors = scratch.File("errors.txt");
            int status = std::system(("gpsbabel " + std::string(stops ? "-w" : "-t") + " -i ozi -f '" +
                                      out.File(name) + "' -o unicsv -F '" + read + "' 2>'" + errors + "'")
                                         .c_str());
            EXPECT_EQ(status, 0) << name;
            EXPECT_EQ(test::ReadAll(errors), "") << name;
            // unicsv writes a header line, then one line per point or waypoint.
            EXPECT_EQ(LineCount(test::ReadAll(read)) - 1, LineCount(test::ReadAll(out.File(name))) - (stops ? 4 : 6))
                << name;
        }
    }
}

}  // namespace
}  // namespace qm
