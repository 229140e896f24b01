#include "ui_harness.h"

#include <QTest>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// A secondary window opened from the main window, and one way of closing it.
struct LockCase {
    bool scaleEditor;  // else the settings dialog
    int closeBy;       // OK, Cancel, Esc, close box
};

void PrintTo(const LockCase& c, std::ostream* out)
{
    static constexpr const char* kWays[] = {"Ok", "Cancel", "Escape", "CloseBox"};
    *out << (c.scaleEditor ? "ScaleSelect" : "TrStFmSett") << kWays[c.closeBy];
}

// The ten main controls are all on or all off.
void ExpectMainControls(TForm1& main, bool enabled)
{
    for (const char* name : {"BtnPrFiles", "BtnGetStat", "trackPlt", "BitBtn1", "SpdCatBox", "SwSpdCat",
                             "RGoutputDir", "CBSubFolder", "BtnSettings"})
        EXPECT_EQ(Find<QWidget>(main, name)->isEnabledTo(&main), enabled) << name;
}

class Locking : public testing::TestWithParam<LockCase> {};

TEST_P(Locking, EveryWayOfClosingGivesTheMainWindowBack)
{
    const LockCase& c = GetParam();
    Program program;
    program.Start();
    TForm1& main = program.Main();
    QWidget& window = c.scaleEditor ? static_cast<QWidget&>(*program.windows.ScaleSelect) : *program.windows.TrStFmSett;
    c.scaleEditor ? main.SelectScaleExecute() : main.FmSettExecute();
    Settle();
    EXPECT_TRUE(window.isActiveWindow());
    EXPECT_FALSE(main.isEnabled());
    ExpectMainControls(main, false);

    switch (c.closeBy) {
    case 0: Click(window, c.scaleEditor ? "BOK" : "SFOK"); break;
    case 1: Click(window, c.scaleEditor ? "BCancel" : "SFCancel"); break;
    case 2: QTest::keyClick(window.focusWidget(), Qt::Key_Escape); break;
    default: window.close(); break;
    }
    Settle();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(main.isActiveWindow());
    ExpectMainControls(main, true);
}

INSTANTIATE_TEST_SUITE_P(SecondaryWindows, Locking,
                         testing::Values(LockCase{false, 0}, LockCase{false, 1}, LockCase{false, 2},
                                         LockCase{false, 3}, LockCase{true, 0}, LockCase{true, 1}, LockCase{true, 2},
                                         LockCase{true, 3}));

}  // namespace
}  // namespace qm::test
