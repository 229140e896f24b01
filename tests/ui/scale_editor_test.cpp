#include "ui_harness.h"

#include "ui/scale_editor.h"
#include "ui/widgets/color_box.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

class ScaleEditor : public testing::Test {
protected:
    void SetUp() override
    {
        program.Start();
        Open();
    }
    void Open()
    {
        Click(program.Main(), "SwSpdCat");
        Settle();
        ASSERT_TRUE(editor.isActiveWindow());
    }
    ColorBox* Cell(const char* name) { return Find<ColorBox>(editor, name); }
    QRadioButton* Radio(const char* name) { return Find<QRadioButton>(editor, name); }
    // The scale box's whole caption (its title may be elided).
    std::string Caption() { return Find<QGroupBox>(program.Main(), "SpdCatBox")->toolTip().toStdString(); }

    Program program;
    qm::ScaleEditor& editor = *program.windows.scaleEditor;
};

TEST_F(ScaleEditor, CellsAreCheckedAgainstTheirNeighboursOnLeaving)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {  // cell, text, message ("": accepted)
        {"SpdCat1", "0", "Значение должно быть больше 0 и меньше 5."}, {"SpdCat1", "4", ""},
        {"SpdCat10", "1001", "Значение должно быть больше 40 и меньше 1001."}, {"SpdCat10", "1000", ""},
        {"Edit2", "2", "Значение должно быть больше 2 и меньше 10."},
        {"Edit13", "abc", "Значение должно быть больше 2 и меньше 10."}, {"Edit21", " +41", ""}};
    for (auto [cell, text, message] : cases) ExpectCheckOnLeaving(program, editor, Cell(cell), text, message);
}

TEST_F(ScaleEditor, EnterChecksTheCellBeforeOk)
{
    Type(Cell("SpdCat1"), "0");
    QTest::keyClick(Cell("SpdCat1"), Qt::Key_Return);
    EXPECT_TRUE(program.dialogs.boxes.size() == 1 && editor.isVisible());

    Type(Cell("SpdCat1"), "1");
    QTest::keyClick(Cell("SpdCat1"), Qt::Key_Return);
    EXPECT_TRUE(!editor.isVisible() && program.settings.SettingsChanged);
    EXPECT_EQ(program.settings.Scales[0].Categories[0].Upper, 1);
    EXPECT_EQ(Find<ColorBox>(program.Main(), "SpdCat1")->text(), "1");
}

TEST_F(ScaleEditor, OkStoresNamesAndCurrentScale)
{
    Find<QLineEdit>(editor, "SetName2")->setText("Авто \"быстро\" & далеко");
    QTest::mouseClick(Radio("RB2"), Qt::LeftButton);
    QTest::keyClick(Find<QLineEdit>(editor, "SetName2"), Qt::Key_Return);
    EXPECT_TRUE(program.dialogs.boxes.empty());
    EXPECT_EQ(std::tie(program.settings.CURRENTSCALE, program.settings.Scales[2].Name),
              std::tuple(2, "Авто \"быстро\" & далеко"));
    EXPECT_EQ(Caption(), "\"Авто \"быстро\" & далеко\"");

    Open();
    EXPECT_TRUE(Radio("RB2")->isChecked());
}

TEST_F(ScaleEditor, RefusedOkStoresNothing)
{
    QTest::mouseClick(Radio("RB2"), Qt::LeftButton);
    Find<QLineEdit>(editor, "SetName1")->setText("Bike");
    Cell("Edit13")->setText("x");  // not left, so not checked
    Click(editor, "BOK");
    EXPECT_EQ(program.dialogs.boxes, Texts{"error: 'x' is not a valid integer value."});
    EXPECT_TRUE(editor.isVisible());
    Click(editor, "BCancel");
    const Settings& s = program.settings;
    EXPECT_EQ(std::tie(s.CURRENTSCALE, s.Scales[1].Name, s.Scales[2].Name), std::tuple(0, "2", "3"));
    EXPECT_EQ(Caption(), "\"1\"");
}

TEST_F(ScaleEditor, ColourDialogOpensOnTheColourItReturnedLast)
{
    program.dialogs.colorAnswers = {0x123456, std::nullopt};
    program.dialogs.onColor = [this] {
        EXPECT_FALSE(Find<QPushButton>(editor, "BOK")->isEnabled() || Find<QLineEdit>(editor, "SetName1")->isEnabled());
    };
    QTest::mouseDClick(Cell("Edit1"), Qt::LeftButton);
    QTest::mouseDClick(Cell("Edit2"), Qt::LeftButton);
    EXPECT_EQ(program.dialogs.colorDialogStarts, (std::vector<int32_t>{0, 0x123456}));
    EXPECT_EQ(std::make_pair(Cell("Edit1")->Color(), Cell("Edit2")->Color()), std::make_pair(0x123456, 20735));
    EXPECT_TRUE(Find<QPushButton>(editor, "BOK")->isEnabled());

    program.dialogs.colorAnswers = {0xABCDEF};
    QTest::mouseDClick(Cell("SpdCat3"), Qt::LeftButton);
    EXPECT_EQ(program.dialogs.colorDialogStarts.back(), 0x123456);
    Click(editor, "BOK");
    const Scales& scales = program.settings.Scales;
    EXPECT_EQ(std::make_pair(scales[0].Categories[2].Color, scales[1].Categories[0].Color),
              std::make_pair(0xABCDEF, 0x123456));
    EXPECT_EQ(Find<ColorBox>(program.Main(), "SpdCat3")->Color(), 0xABCDEF);
}

TEST_F(ScaleEditor, CancelDropsEverythingDoneInTheEditor)
{
    program.dialogs.colorAnswers = {0x123456};
    QTest::mouseDClick(Cell("SpdCat1"), Qt::LeftButton);
    Type(Cell("SpdCat2"), "3");
    Type(Find<QLineEdit>(editor, "SetName0"), "x");
    QTest::mouseClick(Radio("RB1"), Qt::LeftButton);
    Click(editor, "BCancel");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(std::tie(program.settings.CURRENTSCALE, program.settings.Scales[0].Name), std::tuple(0, "1"));
    EXPECT_EQ(program.settings.Scales[0].Categories[1].Upper, 5);
    EXPECT_EQ(Caption(), "\"1\"");
    EXPECT_EQ(Find<ColorBox>(program.Main(), "SpdCat1")->Color(), 255);

    Open();
    EXPECT_EQ(Cell("SpdCat1")->Color(), 255);
    EXPECT_TRUE(Cell("SpdCat2")->text() == "5" && !Cell("SpdCat2")->isModified());
    EXPECT_EQ(Find<QLineEdit>(editor, "SetName0")->text(), "1");
    EXPECT_TRUE(Radio("RB0")->isChecked());
}

}  // namespace
}  // namespace qm::test
