#include "visual/proc_files.h"

#include "support/test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qm {
namespace {

using test::FileNames;
using test::ReadAll;
using test::RecordingSink;
using test::TempDir;

class RecordingControls : public CommandControls {
public:
    std::vector<bool> calls;
    void ControlsEnabled(bool enabled) override { calls.push_back(enabled); }
};

// Two points a minute apart, 100 m apart: one run at 6 km/h (band 2, upper 10).
const std::string kTrack =
    "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\nReserved 3\r\n"
    "0,2,255,walk,0,0,2,8421376\r\n2\r\n"
    "50.000000,30.000000,1,100,40000.0000000,,\r\n"
    "50.000900,30.000000,0,100,40000.0006944,,\r\n";

struct ProcFilesTest : ::testing::Test {
    TempDir dir;
    Settings settings;
    BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    RecordingSink sink;
    RecordingControls controls;

    bool Run(const std::string& track, const std::string& outputDir)
    {
        return ProcFilesExecute(track, outputDir, boxes, settings, controls, sink);
    }
};

TEST_F(ProcFilesTest, ANonPositiveIntervalIsRefusedBeforeAnythingElse)
{
    std::string track = dir.Write("walk.plt", kTrack);
    for (double interval : {0.0, -2.0}) {
        settings.TIMEINTRVL = interval;
        EXPECT_FALSE(Run(track, dir.File("out")));
        EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
    }
    EXPECT_EQ(sink.messages, std::vector<std::string>(2, "Интервал расчета должен быть больше 0."));
}

TEST_F(ProcFilesTest, TheOutputDirectoryIsCreatedOneLevelOnly)
{
    std::string track = dir.Write("walk.plt", kTrack);
    std::string deep = dir.File("a/b");
    EXPECT_FALSE(Run(track, deep));
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Не удается создать директорию " + deep + "!"});
    EXPECT_FALSE(std::filesystem::exists(dir.File("a")));
    EXPECT_EQ(controls.calls, (std::vector<bool>{false, true}));
}

TEST_F(ProcFilesTest, AnUnusableTrackEndsTheCommandWithTheReadersMessageButLeavesTheNewDirectory)
{
    EXPECT_FALSE(Run(dir.File("missing.plt"), dir.File("out")));
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Файл трека не найден!"});
    EXPECT_TRUE(FileNames(dir.File("out")).empty());
    EXPECT_EQ(controls.calls, (std::vector<bool>{false, true}));

    sink.messages.clear();
    std::string bad = dir.Write("bad.plt", "OziExplorer Track Point File\r\n\r\n\r\n\r\n\r\nx\r\n");
    EXPECT_FALSE(Run(bad, dir.File("out")));
    EXPECT_EQ(sink.errors, std::vector<std::string>{"'x' is not a valid integer value"});
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(controls.calls, (std::vector<bool>{false, true, false, true}));
}

TEST_F(ProcFilesTest, AOnePointTrackGivesOnlyTheStopFileHeader)
{
    std::string track = dir.Write("one.plt", kTrack.substr(0, kTrack.rfind("50.000900")));
    EXPECT_TRUE(Run(track, dir.path()));
    EXPECT_EQ(FileNames(dir.path()), (std::set<std::string>{"one.plt", "one_stop.wpt"}));
    EXPECT_EQ(ReadAll(dir.File("one_stop.wpt")),
              "OziExplorer Waypoint File Version 1.1\r\nWGS 84\r\nReserved 2\r\ngarmin\r\n");
    EXPECT_EQ(sink.messages, std::vector<std::string>{"трек обработан"});
    EXPECT_EQ(controls.calls, (std::vector<bool>{false, true}));
}

TEST_F(ProcFilesTest, AFileThatCannotBeWrittenEndsTheCommandLeavingTheFilesBeforeIt)
{
    std::string track = dir.Write("walk.plt", kTrack);
    std::filesystem::create_directory(dir.File("walk_stop.wpt"));  // the stop file cannot replace a directory
    dir.Write("walk_10.plt", "old");
    EXPECT_FALSE(Run(track, dir.path()));
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_EQ(sink.errors[0].rfind("Cannot write file \"" + dir.File("walk_stop.wpt") + "\". ", 0), 0u)
        << sink.errors[0];
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(FileNames(dir.path()), (std::set<std::string>{"walk.plt", "walk_10.plt", "walk_stop.wpt"}));
    EXPECT_NE(ReadAll(dir.File("walk_10.plt")), "old");
    EXPECT_EQ(controls.calls, (std::vector<bool>{false, true}));
}

TEST_F(ProcFilesTest, ATrackCutAtATimeOutOfOrderIsStillProcessed)
{
    std::string track = dir.Write("walk.plt", kTrack + "50.001800,30.000000,0,100,40000.0006944,,\r\n");
    EXPECT_TRUE(Run(track, dir.path()));
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].rfind("Ошибка в треке!", 0), 0u);
    EXPECT_EQ(sink.messages[1], "трек обработан");
    std::string band = ReadAll(dir.File("walk_10.plt"));
    EXPECT_EQ(std::count(band.begin(), band.end(), '\n'), 8) << band;  // six header lines, two points
}

}  // namespace
}  // namespace qm
