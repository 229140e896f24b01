#include "ui_harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

class SettingsDialog : public testing::Test {
protected:
    void SetUp() override { program.Start(); }
    // Once the main window is active again, which gives its controls back.
    void Open()
    {
        Settle();
        Click(program.Main(), "BtnSettings");
        Settle();
        ASSERT_TRUE(dialog.isActiveWindow());
        program.settings.SettingsChanged = false;
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(dialog, name); }
    QCheckBox* Box(const char* name) { return Find<QCheckBox>(dialog, name); }

    Program program;
    QWidget& dialog = *program.windows.settingsDialog;
};

TEST_F(SettingsDialog, FillsEveryFieldAtEachOpeningAndCancelStoresNothing)
{
    Settings& s = program.settings;
    s.TIMEINTRVL = 0.5, s.MAXBREAK = 1e-6, s.GMTMOD = -3, s.SPLTDIST = false, s.DECDELIM = ".";
    s.SHOWFIELD[1] = false, s.SHOWLEVEL = {false, true, true}, s.OUTFORMAT = OutputFormat::Kml;
    Box("CBSaveSettings")->setChecked(false);
    Open();
    EXPECT_EQ(Find<QComboBox>(dialog, "CBOutFormat")->currentText(), "KML");
    EXPECT_EQ(Text(dialog, "EIntrvl") + " " + Text(dialog, "EDistBrk") + " " + Text(dialog, "EGMTmod") + " " +
                  Text(dialog, "EDecDelim"),
              "0.5 1E-6 -3 .");
    EXPECT_TRUE(!Edit("EDistBrk")->isEnabled() && Edit("ETimeBrk")->isEnabled());
    EXPECT_TRUE(Box("Field1")->isChecked() && !Box("CBLevel0")->isChecked() && Box("CBLevel2")->isChecked());
    EXPECT_FALSE(Box("Field2")->isChecked() || Box("Field2")->isEnabled() || Box("CBSaveSettings")->isChecked());

    Type(Edit("EIntrvl"), "7");
    Box("CBSpltTime")->click();
    EXPECT_FALSE(Edit("ETimeBrk")->isEnabled());
    Click(dialog, "SFCancel");
    EXPECT_TRUE(s.TIMEINTRVL == 0.5 && s.SPLTTIME && !s.SettingsChanged);
    Open();
    EXPECT_EQ(Edit("EIntrvl")->text(), "0.5");
    EXPECT_TRUE(Box("CBSpltTime")->isChecked() && Edit("ETimeBrk")->isEnabled());
}

TEST_F(SettingsDialog, OkStoresEveryFieldWithoutRangeChecks)
{
    Open();
    Type(Edit("EIntrvl"), " 2.5e0 ");
    Type(Edit("ETrWidth"), "-1");
    Find<QComboBox>(dialog, "CBOutFormat")->setCurrentIndex(1);
    Type(Edit("EDistBrk"), "7");
    Box("CBSpltDist")->click();  // disabled, still stored
    Type(Edit("EGMTmod"), "12");
    Box("Field1")->setChecked(false);
    Box("Field12")->setChecked(true);
    Box("CBLevel2")->setChecked(true);
    Type(Edit("EFieldDelim"), "|");
    Type(Edit("ENumDigits"), "7");
    QTest::keyClick(Edit("ENumDigits"), Qt::Key_Return);  // Enter does not leave the field
    const Settings& s = program.settings;
    EXPECT_EQ(std::make_tuple(s.TIMEINTRVL, s.TRACKWIDTH, s.MAXBREAK, s.GMTMOD, s.FIELDDELIM, s.NUMDIGITS),
              std::make_tuple(2.5, -1, 7.0, 12, std::string("|"), 7));
    EXPECT_TRUE(!s.SPLTDIST && !s.SHOWFIELD[0] && s.SHOWFIELD[11] && s.SHOWLEVEL[2] && s.SettingsChanged);
    EXPECT_EQ(s.OUTFORMAT, OutputFormat::Gpx);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(program.dialogs.boxes.empty());
}

// Every field converts before any is stored: a refused OK stores nothing, and
// Cancel after it leaves every setting as the dialog found it.
TEST_F(SettingsDialog, RefusedOkStoresNothing)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {  // field, text, error
        {"ETrWidth", "x", "error: 'x' is not a valid integer value."},
        {"EMinSpd", "1,5", "error: '1,5' is not a valid floating point value."},
        {"ETimeBrk", "", "error: '' is not a valid floating point value."}};
    for (auto [field, text, error] : cases) {
        SCOPED_TRACE(field);
        program.settings = Settings();
        Open();
        // What a real message box does: activation goes away and comes back.
        program.dialogs.boxes.clear();
        program.dialogs.onBox = [] { ActivateElsewhereAndBack(); };
        for (const char* name : {"EIntrvl", "EMinSpd", "EDistBrk", "ECritSlope"}) Type(Edit(name), "7");
        Type(Edit(field), text);
        Box("CBSpltDist")->setChecked(false);
        Click(dialog, "SFOK");
        Settle();
        EXPECT_EQ(program.dialogs.boxes, Texts{error});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Edit(field)->text(), text);
        Click(dialog, "SFCancel");
        const Settings& s = program.settings;
        EXPECT_EQ(std::make_tuple(s.TIMEINTRVL, s.MINSPD, s.MAXBREAK, s.MAXSLOPE, s.SPLTDIST, s.SettingsChanged),
                  std::make_tuple(2.0, 1.0, 5.0, 350.0, true, false));
    }
}

TEST_F(SettingsDialog, EnterInEmptyDelimiterKeepsItsValue)
{
    Open();
    program.settings.HORDELIM = "=";
    Type(Edit("EHorDelim"), "");
    QTest::keyClick(Edit("EHorDelim"), Qt::Key_Return);
    EXPECT_TRUE(program.dialogs.boxes.empty());
    EXPECT_EQ(program.settings.HORDELIM, "=");
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SettingsDialog, PrecisionAndDelimitersAreCheckedOnLeaving)
{
    program.settings.NUMDIGITS = 5;
    Open();
    Edit("ENumDigits")->setFocus();
    Leave(Edit("ENumDigits"));  // not typed: not checked
    const char* range = "Значение должно быть от 0 до 2.";
    const char* empty = "Введите разделитель.";
    for (auto [field, text, message] :
         {std::tuple{"ENumDigits", "2", ""}, {"ENumDigits", "3", range}, {"ENumDigits", "", range},
          {"EDecDelim", "", empty}, {"EFieldDelim", "", empty}, {"EHorDelim", "", empty}, {"EHorDelim", "-", ""}})
        ExpectCheckOnLeaving(program, dialog, Edit(field), text, message);

    // A click on OK leaves the field first: the check refuses, and OK is not pressed.
    program.dialogs.boxes.clear();
    Type(Edit("ENumDigits"), "9");
    Click(dialog, "SFOK");
    EXPECT_EQ(program.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), Edit("ENumDigits"));
}

TEST_F(SettingsDialog, ArrowsStepWithinTheirRangeWithoutTyping)
{
    Open();
    // Edit, its arrows, typed text, arrow (0 up, 1 down), result.
    for (auto [edit, upDown, text, arrow, result] :
         {std::tuple{"EGMTmod", "UpDown1", "4", 0, "5"}, {"EGMTmod", "UpDown1", "11", 0, "11"},
          {"EGMTmod", "UpDown1", "-11", 1, "-11"}, {"EGMTmod", "UpDown1", "12", 1, "10"},
          {"EGMTmod", "UpDown1", "x", 0, "-10"}, {"ENumDigits", "UpDown2", "7", 1, "1"}}) {
        Type(Edit(edit), text);
        Find<QWidget>(dialog, upDown)->findChildren<QToolButton*>()[arrow]->click();
        EXPECT_EQ(Edit(edit)->text(), result) << edit << " " << text;
        EXPECT_FALSE(Edit(edit)->isModified());
    }
}

TEST_F(SettingsDialog, FieldsOfBothParameterGroupsInOneColumn)
{
    Open();
    const int column = Edit("EIntrvl")->mapTo(&dialog, QPoint()).x();
    for (const char* field : {"EDiss", "EMinSpd", "EDistBrk", "EMaxHgtSpan"})
        EXPECT_EQ(Edit(field)->mapTo(&dialog, QPoint()).x(), column) << field;
}

}  // namespace
}  // namespace qm::test
