#include "settings/start_files.h"

#include "settings/output_folder.h"
#include "settings/settings_file.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// The INI form's values, then an old-format file's lines, as the main window
// starts with them: tracks and folders checked on disk, the folder-type rule
// run at each change of the type.
TEST(StartFiles, LoadedValuesWithTheRulesOfTheControls)
{
    const test::TempDir dir;
    const std::string gps = test::Native(dir.path() + "/gps/"), out = test::Native(dir.path() + "/out/");
    std::filesystem::create_directory(gps);
    std::filesystem::create_directories(out + "day");
    const std::string day = dir.Write(test::Native("gps/day.plt"), "");
    const std::string gone = test::Native(dir.path() + "/gone/day.plt"), home = "/home/";
    using Key = OldFilesLine::Key;
    const struct {
        std::string name;
        FilesSettings ini;
        std::vector<OldFilesLine> old;
        FilesSettings expected;
        int fallbacks = 0;
    } cases[] = {
        {"the start folder", {day, kStartFolder, false, out, ""}, {}, {day, kStartFolder, false, out, ""}},
        {"a missing track and folder", {gone, kTypedFolder, false, gone, ""}, {}, {"", kTypedFolder, false, home, ""}},
        {"the track's folder without a track",
         {gone, kTrackFolder, false, out, ""},
         {},
         {"", kTypedFolder, false, out, ""},
         1},
        {"a trip and its name",
         {"\"" + day + "\" \"" + day + "\"", kTrackFolder, true, test::Native(gps + "Alps/"), "Alps"},
         {},
         {"\"" + day + "\" \"" + day + "\"", kTrackFolder, true, test::Native(gps + "Alps/"), "Alps"}},
        {"a trip of a missing file",
         {"\"" + day + "\" \"" + gone + "\"", kTypedFolder, false, out, "Alps"},
         {},
         {"", kTypedFolder, false, out, ""}},
        {"types beyond the items", {day, 7, false, out, ""}, {}, {day, kTypedFolder, false, out, ""}},
        {"no type", {day, -5, false, out, ""}, {}, {day, kNoFolderType, false, out, ""}},
        {"the sub-folder cut before the check and appended again",
         {day, kTypedFolder, true, test::Native(out + "day/"), ""},
         {},
         {day, kTypedFolder, true, test::Native(out + "day/"), ""}},
        {"old lines over the INI form's defaults",
         {},
         {{Key::FOLDERNAME, out}, {Key::TRACKFILE, day}, {Key::FOLDERTYPE, "2", 2}, {Key::FOLDERNAME, gps}},
         {day, kTypedFolder, false, gps, ""}},
        {"an old type 1 without a track types the folder",
         {},
         {{Key::FOLDERTYPE, "1", 1}, {Key::FOLDERNAME, out}},
         {"", kTypedFolder, false, out, ""}},
        {"an old type that falls back says so each time",
         {},
         {{Key::FOLDERTYPE, "01", 1}, {Key::FOLDERTYPE, "10", 10}, {Key::FOLDERTYPE, "01", 1}},
         {"", kTypedFolder, false, home, ""},
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoadedSettings loaded;
        loaded.Files = c.ini;
        loaded.OldFiles = c.old;
        const StartFiles files = FilesAtStart(loaded, dir.path(), home);
        EXPECT_EQ(files.Files.TRACKFILE, c.expected.TRACKFILE);
        EXPECT_EQ(files.Files.FOLDERTYPE, c.expected.FOLDERTYPE);
        EXPECT_EQ(files.Files.SUBFOLDER, c.expected.SUBFOLDER);
        EXPECT_EQ(files.Files.FOLDERNAME, c.expected.FOLDERNAME);
        EXPECT_EQ(files.Files.TRIPNAME, c.expected.TRIPNAME);
        EXPECT_EQ(files.FolderFallbacks, c.fallbacks);
    }
}

}  // namespace
}  // namespace qm
