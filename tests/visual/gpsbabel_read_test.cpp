#include "support/test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace qm {
namespace {

size_t LineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// An independent reader of the format must take every file we write without
// complaint and find every point and waypoint in it. The files are the golden
// ones, which the visualisation writes byte for byte.
TEST(GpsBabelReadsOurFiles, EveryBandFileAsTrackAndTheStopFileAsWaypoints)
{
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    test::TempDir scratch;
    const std::string read = scratch.File("read.csv"), errors = scratch.File("errors.txt");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(QM_TEST_DATA "/golden")) {
        if (!entry.is_directory() || !entry.path().filename().string().starts_with("visualise")) continue;
        const std::string dir = entry.path().string() + "/";
        for (const std::string& name : test::FileNames(dir)) {
            // GPX and KML files are read back in tests/formats/xml.
            if (!name.ends_with(".plt") && !name.ends_with(".wpt")) continue;
            const bool stops = name.ends_with(".wpt");
            int status = std::system(("gpsbabel " + std::string(stops ? "-w" : "-t") + " -i ozi -f '" + dir + name +
                                      "' -o unicsv -F '" + read + "' 2>'" + errors + "'")
                                         .c_str());
            EXPECT_EQ(status, 0) << name;
            EXPECT_EQ(test::ReadAll(errors), "") << name;
            // unicsv writes a header line, then one line per point or waypoint.
            EXPECT_EQ(LineCount(test::ReadAll(read)) - 1, LineCount(test::ReadAll(dir + name)) - (stops ? 4 : 6))
                << name;
        }
    }
}

}  // namespace
}  // namespace qm
