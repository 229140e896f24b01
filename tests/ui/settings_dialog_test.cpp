#include "ui_harness.h"

#include <QCheckBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

class SettingsDialog : public testing::Test {
protected:
    void SetUp() override { program.Start(); }
    void Open()
    {
        program.Main().FmSettExecute();
        Settle();
        ASSERT_TRUE(dialog.isActiveWindow());
        program.settings.SettingsChanged = false;
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(dialog, name); }
    QCheckBox* Box(const char* name) { return Find<QCheckBox>(dialog, name); }

    Program program;
    QWidget& dialog = *program.windows.TrStFmSett;
};

TEST_F(SettingsDialog, FillsEveryFieldAtEachOpeningAndCancelStoresNothing)
{
    Settings& s = program.settings;
    s.TIMEINTRVL = 0.5;
    s.MAXBREAK = 1e-6;
    s.GMTMOD = -3;
    s.SPLTDIST = false;
    s.SHOWFIELD[1] = false;
    s.SHOWLEVEL = {false, true, true};
    s.DECDELIM = '.';
    Box("CBSaveSettings")->setChecked(false);
    Open();
    EXPECT_EQ(Edit("EIntrvl")->text(), "0.5");
    EXPECT_EQ(Edit("ETrWidth")->text(), "5");
    EXPECT_EQ(Edit("EDistBrk")->text(), "1E-6");
    EXPECT_FALSE(Edit("EDistBrk")->isEnabled());
    EXPECT_TRUE(Edit("ETimeBrk")->isEnabled());
    EXPECT_EQ(Edit("EGMTmod")->text(), "-3");
    EXPECT_TRUE(Box("Field1")->isChecked());
    EXPECT_FALSE(Box("Field2")->isChecked() || Box("Field2")->isEnabled());
    EXPECT_FALSE(Box("CBLevel0")->isChecked());
    EXPECT_TRUE(Box("CBLevel2")->isChecked());
    EXPECT_EQ(Edit("EDecDelim")->text(), ".");
    EXPECT_EQ(Edit("ENumDigits")->text(), "1");
    EXPECT_FALSE(Box("CBSaveSettings")->isChecked());

    Type(Edit("EIntrvl"), "7");
    Box("CBSpltTime")->click();
    EXPECT_FALSE(Edit("ETimeBrk")->isEnabled());
    Click(dialog, "SFCancel");
    EXPECT_EQ(s.TIMEINTRVL, 0.5);
    EXPECT_TRUE(s.SPLTTIME);
    EXPECT_FALSE(s.SettingsChanged);
    Open();
    EXPECT_EQ(Edit("EIntrvl")->text(), "0.5");
    EXPECT_TRUE(Box("CBSpltTime")->isChecked() && Edit("ETimeBrk")->isEnabled());
}

TEST_F(SettingsDialog, OkStoresEveryFieldWithoutRangeChecks)
{
    Open();
    Type(Edit("EIntrvl"), " 2.5e0 ");
    Type(Edit("ETrWidth"), "-1");
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
    EXPECT_EQ(s.TIMEINTRVL, 2.5);
    EXPECT_EQ(s.TRACKWIDTH, -1);
    EXPECT_FALSE(s.SPLTDIST);
    EXPECT_EQ(s.MAXBREAK, 7);
    EXPECT_EQ(s.GMTMOD, 12);
    EXPECT_FALSE(s.SHOWFIELD[0]);
    EXPECT_TRUE(s.SHOWFIELD[11] && s.SHOWLEVEL[2]);
    EXPECT_EQ(s.FIELDDELIM, '|');
    EXPECT_EQ(s.NUMDIGITS, 7);
    EXPECT_TRUE(s.SettingsChanged);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(program.dialogs.boxes.empty());
}

struct FailingField {
    const char* field;
    const char* text;
    const char* error;
    double Settings::*storedBefore;  // the last setting stored before the failure
    double Settings::*notStored;
};

void PrintTo(const FailingField& c, std::ostream* out) { *out << c.field; }

class SettingsDialogOk : public SettingsDialog, public testing::WithParamInterface<FailingField> {};

TEST_P(SettingsDialogOk, StopsAtTheFieldThatDoesNotConvert)
{
    const FailingField& c = GetParam();
    Open();
    // What a real message box does: activation goes away and comes back.
    program.dialogs.onBox = [] { ActivateElsewhereAndBack(); };
    for (const char* name : {"EIntrvl", "EMinSpd", "EDistBrk", "ECritSlope"}) Type(Edit(name), "9");
    Type(Edit(c.field), c.text);
    Box("CBSpltDist")->setChecked(false);
    Click(dialog, "SFOK");
    Settle();
    EXPECT_EQ(program.dialogs.boxes, std::vector<std::string>{c.error});
    EXPECT_EQ(program.settings.*c.storedBefore, 9);
    EXPECT_NE(program.settings.*c.notStored, 9);
    EXPECT_NE(program.settings.MAXSLOPE, 9);
    EXPECT_FALSE(program.settings.SettingsChanged);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Edit(c.field)->text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SettingsDialogOk,
    testing::Values(FailingField{"EMinSpd", "1,5", "error: '1,5' is not a valid floating point value.",
                                 &Settings::TIMEINTRVL, &Settings::MINSPD},
                    FailingField{"EDistBrk", "x", "error: 'x' is not a valid floating point value.",
                                 &Settings::MINSPD, &Settings::MAXBREAK},
                    FailingField{"ETrWidth", "2.5", "error: '2.5' is not a valid integer value.",
                                 &Settings::TIMEINTRVL, &Settings::MINSPD}));

TEST_F(SettingsDialog, EnterInEmptyDelimiterKeepsItsValue)
{
    Open();
    program.settings.HORDELIM = '=';
    Type(Edit("EHorDelim"), "");
    QTest::keyClick(Edit("EHorDelim"), Qt::Key_Return);
    EXPECT_TRUE(program.dialogs.boxes.empty());
    EXPECT_EQ(program.settings.HORDELIM, '=');
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SettingsDialog, PrecisionAndDelimitersAreCheckedOnLeaving)
{
    program.settings.NUMDIGITS = 5;
    Open();
    Edit("ENumDigits")->setFocus();
    Leave(Edit("ENumDigits"));  // not typed: not checked
    const std::string range = "Значение должно быть от 0 до 2.";
    const std::string empty = "Введите разделитель.";
    for (auto [field, text, message] :
         {std::tuple{"ENumDigits", "2", ""}, {"ENumDigits", "3", range.c_str()}, {"ENumDigits", "", range.c_str()},
          {"EDecDelim", "", empty.c_str()}, {"EFieldDelim", "", empty.c_str()}, {"EHorDelim", "", empty.c_str()},
          {"EHorDelim", "-", ""}}) {
        program.dialogs.boxes.clear();
        Type(Edit(field), text);
        Leave(Edit(field));
        EXPECT_EQ(program.dialogs.boxes, *message ? std::vector<std::string>{message} : std::vector<std::string>{})
            << field << text;
        EXPECT_EQ(dialog.focusWidget() == Edit(field), *message != 0);
        Edit(field)->setText("1");  // a refused field keeps the focus until it is valid
    }

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

}  // namespace
}  // namespace qm::test
