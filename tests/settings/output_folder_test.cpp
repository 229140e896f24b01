#include "settings/output_folder.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(OutputFolder, EachTypeGivesItsFolder)
{
    const test::TempDir dir;
    const std::string gps = test::Native(dir.path() + "/gps/");
    std::filesystem::create_directory(gps);
    const struct {
        int32_t type;
        std::string track;
        bool subFolder;
        OutputFolder expected;
    } cases[] = {
        {kStartFolder, gps + "day.plt", false, {kStartFolder, "/start/", false}},
        {kStartFolder, gps + "day.plt", true, {kStartFolder, "/start/day/", false}},
        {kTrackFolder, gps + "day.plt", false, {kTrackFolder, gps, false}},
        {kTrackFolder, gps + "day.plt", true, {kTrackFolder, gps + "day/", false}},
        {kTrackFolder, gps + "walk.gpx", true, {kTrackFolder, gps + "walk/", false}},
        // No track, or one whose folder is gone: the typed folder as it was.
        {kTrackFolder, "", true, {kTypedFolder, "/typed", true}},
        {kTrackFolder, dir.path() + "/gone/day.plt", false, {kTypedFolder, "/typed", true}},
        {kTypedFolder, gps + "day.plt", true, {kTypedFolder, "/typed", true}},
        {kNoFolderType, gps + "day.plt", false, {kNoFolderType, "/typed", true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " " + c.track + (c.subFolder ? " with sub-folder" : ""));
        const OutputFolder folder = FolderOfType(c.type, c.track, test::Native("/typed"), c.subFolder, test::Native("/start"));
        EXPECT_EQ(folder.Type, c.expected.Type);
        EXPECT_EQ(folder.Text, test::Native(c.expected.Text));
        EXPECT_EQ(folder.Editable, c.expected.Editable);
    }
}

TEST(OutputFolder, SubFolderIsAppendedAndCutAgain)
{
    // Folder, track, with the sub-folder, that text without it.
    const char* cases[][4] = {
        {"/a/", "/gps/day.plt", "/a/day/", "/a/"},     {"/a", "/gps/day.plt", "/a/day/", "/a/"},
        {"", "/gps/day.plt", "/day/", "/"},            {"/a/", "/gps/DAY.PLT", "/a/DAY.PLT", "/a/"},
        {"/a/", "/gps/x.plt.plt", "/a/x/.plt", "/a/"}, {"/a", "", "/a/", "/a/"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c[0]) + " " + c[1]);
        EXPECT_EQ(WithSubFolder(test::Native(c[0]), test::Native(c[1])), test::Native(c[2]));
        EXPECT_EQ(WithoutSubFolder(test::Native(c[2]), test::Native(c[1])), test::Native(c[3]));
    }
    // A text that does not end with the track's sub-folder is kept.
    EXPECT_EQ(WithoutSubFolder(test::Native("/b/"), "/gps/day.plt"), test::Native("/b/"));
    EXPECT_EQ(WithoutSubFolder(test::Native("/a/day/"), "/gps/walk.plt"), test::Native("/a/day/"));
}

}  // namespace
}  // namespace qm
