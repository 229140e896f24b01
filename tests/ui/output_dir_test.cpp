#include "ui_harness.h"

#include "platform/file_system.h"
#include "ui/radio_group.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// Track files in "gps/" and an output directory "out/" under the start directory.
class OutputDir : public testing::Test {
protected:
    void SetUp() override { program.Start(); }
    std::string Dir(const std::string& name) { return program.dir.File(name); }
    QLineEdit* Output() { return Find<QLineEdit>(program.Main(), "EoutputDir"); }
    std::string OutputText() { return Output()->text().toStdString(); }
    void SetTrack(const std::string& path) { program.Main().LoadTrackFile(path); }
    void SetOutput(const std::string& text) { Output()->setText(QString::fromStdString(text)); }
    void SubFolder(bool on) { Find<QCheckBox>(program.Main(), "CBSubFolder")->setChecked(on); }
    RadioGroup* FolderType() { return Find<RadioGroup>(program.Main(), "RGoutputDir"); }

    Program program{"", {"gps/day.plt", "gps/DAY.PLT", "gps/x.plt.plt", "out/"}};
};

struct TypeRow {
    int type;
    bool subFolder;
    const char* output;  // under the start directory; "*" when unchanged
    bool editable;
};

void PrintTo(const TypeRow& row, std::ostream* out) { *out << "Type" << row.type << (row.subFolder ? "Sub" : ""); }

class FolderTypeRule : public OutputDir, public testing::WithParamInterface<TypeRow> {};

TEST_P(FolderTypeRule, GivesBaseStateAndColour)
{
    const TypeRow& row = GetParam();
    SetTrack(Dir("gps/day.plt"));
    FolderType()->SetItemIndex(2);
    SubFolder(row.subFolder);
    SetOutput("/typed/");
    program.settings.SettingsChanged = false;
    FolderType()->SetItemIndex(row.type);
    EXPECT_EQ(OutputText(), *row.output == '*' ? "/typed/" : Dir(row.output));
    EXPECT_EQ(Output()->isEnabled(), row.editable);
    EXPECT_EQ(Output()->palette().color(QPalette::Base), row.editable ? Qt::white : QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(Find<QPushButton>(program.Main(), "BtnOpnDir")->isEnabled(), row.editable);
    EXPECT_TRUE(program.settings.SettingsChanged);
}

INSTANTIATE_TEST_SUITE_P(Types, FolderTypeRule,
                         testing::Values(TypeRow{0, false, "", false}, TypeRow{0, true, "day/", false},
                                         TypeRow{1, false, "gps/", false}, TypeRow{1, true, "gps/day/", false},
                                         TypeRow{-1, false, "*", true}));

TEST_F(OutputDir, TrackTypeWithoutTrackFallsBackToOther)
{
    SetOutput("/kept");
    QTest::mouseClick(FolderType()->Item(1), Qt::LeftButton);
    EXPECT_EQ(program.dialogs.boxes, std::vector<std::string>{"Трек не выбран"});
    EXPECT_EQ(FolderType()->ItemIndex(), 2);
    EXPECT_EQ(OutputText(), "/kept");
    EXPECT_TRUE(Output()->isEnabled());

    program.settings.SettingsChanged = false;
    QTest::mouseClick(FolderType()->Item(2), Qt::LeftButton);  // already selected: no rule
    EXPECT_FALSE(program.settings.SettingsChanged);
}

struct SubFolderCase {
    const char* name;
    const char* track;
    const char* output;
    const char* withSubFolder;
    const char* without;
};

void PrintTo(const SubFolderCase& c, std::ostream* out) { *out << c.name; }

class SubFolderOption : public OutputDir, public testing::WithParamInterface<SubFolderCase> {};

TEST_P(SubFolderOption, AppendsAndCutsTheTracksSubFolder)
{
    const SubFolderCase& c = GetParam();
    FolderType()->SetItemIndex(2);
    SetTrack(*c.track ? Dir(c.track) : "");
    SetOutput(c.output);
    SubFolder(true);
    EXPECT_EQ(OutputText(), c.withSubFolder);
    SubFolder(false);
    EXPECT_EQ(OutputText(), c.without);
}

INSTANTIATE_TEST_SUITE_P(Examples, SubFolderOption,
                         testing::Values(SubFolderCase{"Plain", "gps/day.plt", "/a/", "/a/day/", "/a/"},
                                         SubFolderCase{"UpperCase", "gps/DAY.PLT", "/a/", "/a/DAY.PLT", "/a/"},
                                         SubFolderCase{"TwoExtensions", "gps/x.plt.plt", "/a/", "/a/x/.plt", "/a/"},
                                         SubFolderCase{"NoTrack", "", "/a", "/a/", "/a/"},
                                         SubFolderCase{"SlashAddedStays", "gps/day.plt", "/a", "/a/day/", "/a/"}));

TEST_F(OutputDir, EditedTextIsNotCut)
{
    FolderType()->SetItemIndex(2);
    SetTrack(Dir("gps/day.plt"));
    SetOutput("/a/");
    SubFolder(true);
    SetOutput("/b/");
    SubFolder(false);
    EXPECT_EQ(OutputText(), "/b/");
}

TEST_F(OutputDir, LeavingChecksTheTypedDirectory)
{
    FolderType()->SetItemIndex(2);
    SetTrack(Dir("gps/day.plt"));
    SubFolder(true);
    Type(Output(), Dir("out"));
    Leave(Output());
    EXPECT_EQ(OutputText(), Dir("out/"));  // without the sub-folder
    Type(Output(), Dir("out/day/"));       // checked without its sub-folder
    Leave(Output());
    EXPECT_EQ(OutputText(), Dir("out/day/"));
    EXPECT_TRUE(program.dialogs.directoryDialogStarts.empty());

    // A missing one opens the chooser, which the user leaves after browsing.
    const std::string workingDir = GetCurrentDir();
    program.dialogs.onDirectory = [this] { SetCurrentDir(Dir("gps")); };
    Type(Output(), Dir("nowhere"));
    Leave(Output());
    EXPECT_EQ(program.dialogs.directoryDialogStarts, std::vector<std::string>{workingDir});
    EXPECT_EQ(OutputText(), Dir("nowhere"));
    EXPECT_EQ(program.Main().focusWidget(), Output());
    EXPECT_EQ(GetCurrentDir(), workingDir);

    program.dialogs.directoryAnswers = {Dir("out")};
    Leave(Output());
    EXPECT_EQ(OutputText(), Dir("out/day/"));
    EXPECT_EQ(GetCurrentDir(), Dir("out"));
    EXPECT_EQ(program.Main().focusWidget(), Output());

    program.dialogs.directoryAnswers = {"/"};
    Click(program.Main(), "BtnOpnDir");
    EXPECT_EQ(OutputText(), "//day/");
}

}  // namespace
}  // namespace qm::test
