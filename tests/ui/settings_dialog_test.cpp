#include "ui_harness.h"

#include "settings/settings_file.h"
#include "ui/qt_color.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <QToolButton>

#include <algorithm>

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

// The colour scales of the measures: one measure's shown at a time.
class SettingsColourScales : public SettingsDialog {
protected:
    QComboBox* Measures() { return Find<QComboBox>(dialog, "CBColourMeasure"); }
    void Choose(ColourMeasure measure) { Measures()->setCurrentIndex(static_cast<int>(measure) - 1); }
    QToolButton* Swatch(int k) { return Find<QToolButton>(dialog, ("Colour" + std::to_string(k + 1)).c_str()); }
    // Each swatch's colour, low to high.
    std::vector<int32_t> Swatches()
    {
        std::vector<int32_t> colors;
        while (QToolButton* swatch = dialog.findChild<QToolButton*>(QString("Colour%1").arg(colors.size() + 1)))
            colors.push_back(BgrOf(swatch->icon().pixmap(16).toImage().pixelColor(8, 8)));
        return colors;
    }
    static bool Same(const qm::ColourScales& a, const qm::ColourScales& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), [](const ColourScale& x, const ColourScale& y) {
            return x.Bounds == y.Bounds && x.Colors == y.Colors;
        });
    }
};

TEST_F(SettingsColourScales, EditedScaleStoredOnOkAndReadBackFromTheFile)
{
    Open();
    EXPECT_EQ(Measures()->currentText(), "Высота");
    EXPECT_EQ(Edit("EColourBounds")->text(), "");
    EXPECT_EQ(Edit("EColourBounds")->placeholderText(), "нет: ровные шаги по значениям каждого трека");
    EXPECT_EQ(Swatches(), ColourPalette());
    Choose(ColourMeasure::HeartRate);
    EXPECT_EQ(Edit("EColourBounds")->text(), "60; 70; 80; 90");
    Type(Edit("EColourBounds"), "50 65;80");
    Type(Edit("EMaxHR"), "180");
    EXPECT_EQ(Swatches().size(), 4u);
    EXPECT_EQ(Swatch(1)->toolTip().section('\n', 0, 0), "50 – 65 % макс. пульса (90 – 117 уд/мин)");
    program.dialogs.colorAnswers = {0x123456};
    Swatch(3)->click();
    EXPECT_EQ(program.dialogs.colorDialogStarts, std::vector<int32_t>{ColourPalette()[6]});
    Choose(ColourMeasure::Temperature);
    Type(Edit("EColourBounds"), "0");
    Click(dialog, "SFOK");

    Settings expected;
    ScaleOf(expected.ColourScales, ColourMeasure::HeartRate) = {
        {50, 65, 80}, {ColourPalette()[0], ColourPalette()[2], ColourPalette()[4], 0x123456}};
    ScaleOf(expected.ColourScales, ColourMeasure::Temperature).Bounds = {0};
    const Settings& s = program.settings;
    EXPECT_TRUE(program.dialogs.boxes.empty());
    EXPECT_TRUE(Same(s.ColourScales, expected.ColourScales));
    EXPECT_TRUE(s.MAXHR == 180 && s.FTP == 200 && s.SettingsChanged);

    ASSERT_TRUE(SaveSettings(program.settings, FilesSettings(), program.dialogs));
    Settings read;
    EXPECT_FALSE(LoadSettings(SettingsFilePath(s.StartDir), read).Error);
    EXPECT_TRUE(Same(read.ColourScales, s.ColourScales));
    EXPECT_TRUE(read.MAXHR == 180 && read.FTP == 200);
}

// The bad field is brought into view and named; nothing is stored, and Cancel
// after it leaves every scale as the dialog found it.
TEST_F(SettingsColourScales, RefusedOkNamesTheFieldAndStoresNothing)
{
    const char* bounds = "Границы полос шкалы: не больше 31 возрастающих чисел от -1000000 до 1000000.";
    const std::string maxHeartRate = "error: Макс. пульс должен быть от 100 до 250 уд/мин.";
    const std::string ftp = "error: Пороговая мощность (FTP) должна быть от 50 до 2000 Вт.";
    const std::tuple<const char*, std::string, const char*, std::string> cases[] = {
        // field, text, measure shown after, error
        {"EColourBounds", "2 1", "Уклон", std::string("error: Шкала «Уклон»: ") + bounds},
        {"EColourBounds", "1,5", "Уклон", "error: Шкала «Уклон»: '1,5' is not a valid floating point value."},
        {"EColourBounds", std::string(40, '1'), "Уклон", std::string("error: Шкала «Уклон»: ") + bounds},
        {"EMaxHR", "99.9", "Высота", maxHeartRate},
        {"EMaxHR", "250.1", "Высота", maxHeartRate},
        {"EMaxHR", "", "Высота", maxHeartRate},
        {"EFTP", "2001", "Высота", ftp},
        {"EFTP", "x", "Высота", ftp},
    };
    for (const auto& [field, text, shown, error] : cases) {
        SCOPED_TRACE(field + (" " + text));
        Open();
        program.dialogs.boxes.clear();
        Choose(ColourMeasure::Grade);
        Type(Edit(field), text);
        Choose(ColourMeasure::Height);
        Type(Edit("EColourBounds"), "100 200");
        Click(dialog, "SFOK");
        EXPECT_EQ(program.dialogs.boxes, Texts{error});
        EXPECT_EQ(Measures()->currentText(), shown);
        EXPECT_EQ(dialog.focusWidget(), Edit(field));
        Click(dialog, "SFCancel");
        const Settings& s = program.settings;
        EXPECT_TRUE(Same(s.ColourScales, DefaultColourScales()));
        EXPECT_TRUE(s.MAXHR == 190 && s.FTP == 200 && !s.SettingsChanged);
    }
}

TEST_F(SettingsColourScales, DefaultButtonGivesTheShownMeasureItsScaleBack)
{
    Settings& s = program.settings;
    ScaleOf(s.ColourScales, ColourMeasure::Power) = {{100}, {255}};
    ScaleOf(s.ColourScales, ColourMeasure::Cadence) = {{90}, {255}};
    s.FTP = 300;
    Open();
    Choose(ColourMeasure::Power);
    EXPECT_EQ(Edit("EColourBounds")->text(), "100");
    EXPECT_EQ(Swatches(), (std::vector<int32_t>{255, 255}));
    // The most bands fit in the dialog as it is.
    const QSize size = dialog.size();
    std::string most;
    for (int k = 1; k < kMostColourBands; ++k) most += std::to_string(k) + " ";
    Type(Edit("EColourBounds"), most);
    Settle();
    EXPECT_EQ(Swatches().size(), static_cast<size_t>(kMostColourBands));
    const QWidget* last = Swatch(kMostColourBands - 1);
    EXPECT_TRUE(last->parentWidget()->rect().contains(last->geometry()));
    EXPECT_EQ(dialog.size(), size);
    Click(dialog, "BColourDefault");
    EXPECT_EQ(Edit("EColourBounds")->text(), "55; 75; 90; 105; 120; 150");
    EXPECT_EQ(Swatches().size(), 7u);
    Click(dialog, "SFOK");
    const Settings defaults;
    EXPECT_EQ(ScaleOf(s.ColourScales, ColourMeasure::Power).Bounds,
              ScaleOf(defaults.ColourScales, ColourMeasure::Power).Bounds);
    EXPECT_EQ(ScaleOf(s.ColourScales, ColourMeasure::Power).Colors, ColourPalette());
    EXPECT_EQ(ScaleOf(s.ColourScales, ColourMeasure::Cadence).Bounds, std::vector<double>{90});
    EXPECT_EQ(s.FTP, 300);
}

}  // namespace
}  // namespace qm::test
