#include "ui_harness.h"

#include "platform/file_system.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace qm::test {
namespace {

// Track files in "gps/" and an output directory "out/" under the start directory.
class OutputDir : public MainWindowTest {
protected:
    OutputDir() : MainWindowTest({"gps/day.plt", "gps/DAY.PLT", "gps/x.plt.plt", "out/"}) {}
    void SetTrack(const std::string& path) { EnterTrack(program, path); }
};

TEST_F(OutputDir, FolderTypeGivesBaseStateAndColour)
{
    // Type, sub-folder option, output under the start directory ("*": as typed), editable.
    const std::tuple<int, bool, const char*, bool> rows[] = {
        {kStartFolder, false, "", false},    {kStartFolder, true, "day/", false},
        {kTrackFolder, false, "gps/", false}, {kTrackFolder, true, "gps/day/", false},
        {kNoFolderType, false, "*", true}};
    SetTrack(Dir("gps/day.plt"));
    for (auto [type, subFolder, output, editable] : rows) {
        SCOPED_TRACE(std::to_string(type) + (subFolder ? " with sub-folder" : ""));
        FolderType()->SetItemIndex(kTypedFolder);
        SubFolder(subFolder);
        SetOutput("/typed/");
        program.settings.SettingsChanged = false;
        FolderType()->SetItemIndex(type);
        EXPECT_EQ(OutputText(), *output == '*' ? "/typed/" : Dir(output));
        EXPECT_EQ(Output()->isEnabled(), editable);
        EXPECT_EQ(Output()->palette().color(QPalette::Base), editable ? Qt::white : QColor(0xC0, 0xC0, 0xC0));
        EXPECT_EQ(Find<QPushButton>(program.Main(), "BtnOpnDir")->isEnabled(), editable);
        EXPECT_TRUE(program.settings.SettingsChanged);
    }
}

TEST_F(OutputDir, TrackTypeWithoutTrackFallsBackToOther)
{
    SetOutput("/kept");
    QTest::mouseClick(FolderType()->Item(1), Qt::LeftButton);
    EXPECT_EQ(program.dialogs.boxes, Texts{"Трек не выбран"});
    EXPECT_EQ(FolderType()->ItemIndex(), kTypedFolder);
    EXPECT_EQ(OutputText(), "/kept");
    EXPECT_TRUE(Output()->isEnabled());

    program.settings.SettingsChanged = false;
    QTest::mouseClick(FolderType()->Item(2), Qt::LeftButton);  // already selected: no rule
    EXPECT_FALSE(program.settings.SettingsChanged);
}

TEST_F(OutputDir, SubFolderOptionAppendsAndCutsTheTracksSubFolder)
{
    // Track, output, with the sub-folder, without it again.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"gps/day.plt", "/a/", "/a/day/", "/a/"}, {"gps/DAY.PLT", "/a/", "/a/DAY.PLT", "/a/"},
        {"gps/x.plt.plt", "/a/", "/a/x/.plt", "/a/"}, {"", "/a", "/a/", "/a/"},
        {"gps/day.plt", "/a", "/a/day/", "/a/"}};
    FolderType()->SetItemIndex(kTypedFolder);
    for (auto [track, output, with, without] : cases) {
        SCOPED_TRACE(std::string(track) + " " + output);
        SetTrack(*track ? Dir(track) : "");
        SetOutput(output);
        SubFolder(true);
        EXPECT_EQ(OutputText(), with);
        SubFolder(false);
        EXPECT_EQ(OutputText(), without);
    }
    // An edited text is not cut.
    SetTrack(Dir("gps/day.plt"));
    SubFolder(true);
    SetOutput("/b/");
    SubFolder(false);
    EXPECT_EQ(OutputText(), "/b/");
}

TEST_F(OutputDir, LeavingChecksTheTypedDirectory)
{
    FolderType()->SetItemIndex(kTypedFolder);
    SetTrack(Dir("gps/day.plt"));
    SubFolder(true);
    Type(Output(), Dir("out"));
    Leave(Output());
    EXPECT_EQ(OutputText(), Dir("out/"));  // without the sub-folder
    Type(Output(), Dir("out/day/"));       // checked without its sub-folder
    Leave(Output());
    EXPECT_EQ(OutputText(), Dir("out/day/"));
    EXPECT_TRUE(program.dialogs.directoryDialogStarts.empty());

    // A missing one opens the chooser in the start directory; the user cancels it.
    Type(Output(), Dir("nowhere"));
    Leave(Output());
    EXPECT_EQ(OutputText(), Dir("nowhere"));
    EXPECT_EQ(program.Main().focusWidget(), Output());

    program.dialogs.directoryAnswers = {Dir("out")};
    Leave(Output());
    EXPECT_EQ(OutputText(), Dir("out/day/"));
    EXPECT_EQ(program.Main().focusWidget(), Output());

    // The next chooser opens where the last one ended.
    program.dialogs.directoryAnswers = {"/"};
    Click(program.Main(), "BtnOpnDir");
    EXPECT_EQ(OutputText(), "//day/");
    EXPECT_EQ(program.dialogs.directoryDialogStarts, (Texts{program.dir.path(), program.dir.path(), Dir("out")}));
}

// No window changes the working directory: a relative track path keeps
// naming the file in the start directory after the chooser and the save.
TEST_F(OutputDir, RelativeTrackResolvesAgainstTheStartDirectory)
{
    std::filesystem::copy_file(QM_SAMPLE_TRACK, Dir("day1.plt"));
    FolderType()->SetItemIndex(kTypedFolder);
    Type(Find<QLineEdit>(program.Main(), "trackPlt"), "day1.plt");
    program.dialogs.directoryAnswers = {Dir("out")};
    Click(program.Main(), "BtnOpnDir");
    ASSERT_TRUE(program.Main().close());
    Click(program.Main(), "BtnPrFiles");
    EXPECT_EQ(program.dialogs.boxes, Texts{"трек обработан"});
    EXPECT_EQ(GetCurrentDir(), program.dir.path());
}

}  // namespace
}  // namespace qm::test
