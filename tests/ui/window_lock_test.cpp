#include "ui_harness.h"

#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// The main controls are all on or all off.
void ExpectMainControls(MainWindow& main, bool enabled)
{
    for (const char* name : {"BtnPrFiles", "BtnGetStat", "trackPlt", "BitBtn1", "SpdCatBox", "SwSpdCat",
                             "RGoutputDir", "CBSubFolder", "BtnSettings"})
        EXPECT_EQ(Find<QWidget>(main, name)->isEnabledTo(&main), enabled) << name;
}

// Each secondary window of the main window, closed each way: OK, Cancel, Esc, the close box.
TEST(Locking, EveryWayOfClosingGivesTheMainWindowBack)
{
    Program program;
    program.Start();
    MainWindow& main = program.Main();
    for (bool scaleEditor : {false, true}) {
        QWidget& window = scaleEditor ? static_cast<QWidget&>(*program.windows.scaleEditor)
                                      : static_cast<QWidget&>(*program.windows.settingsDialog);
        for (const char* way : {"OK", "Cancel", "Esc", "close box"}) {
            SCOPED_TRACE(window.objectName().toStdString() + " " + way);
            Click(main, scaleEditor ? "SwSpdCat" : "BtnSettings");
            Settle();
            EXPECT_TRUE(window.isActiveWindow());
            EXPECT_FALSE(main.isEnabled());
            ExpectMainControls(main, false);

            const std::string closeBy = way;
            if (closeBy == "OK") Click(window, scaleEditor ? "BOK" : "SFOK");
            if (closeBy == "Cancel") Click(window, scaleEditor ? "BCancel" : "SFCancel");
            if (closeBy == "Esc") QTest::keyClick(window.focusWidget(), Qt::Key_Escape);
            if (closeBy == "close box") window.close();
            Settle();
            EXPECT_FALSE(window.isVisible());
            EXPECT_TRUE(main.isActiveWindow());
            ExpectMainControls(main, true);
        }
    }
}

TEST(Locking, SecondaryWindowOpensCentredOverItsOpenerThenWhereItWasLeft)
{
    Program program;
    MainWindow& main = program.Main();
    main.move(main.screen()->availableGeometry().center() - QPoint(main.width() / 2, main.height() / 2));
    program.Start();
    QWidget& dialog = *program.windows.settingsDialog;
    Click(main, "BtnSettings");
    Settle();
    EXPECT_LE((dialog.geometry().center() - main.geometry().center()).manhattanLength(), 10);

    dialog.move(dialog.pos() + QPoint(30, 20));
    const QPoint left = dialog.pos();
    dialog.close();
    Click(main, "BtnSettings");
    Settle();
    EXPECT_EQ(dialog.pos(), left);
}

}  // namespace
}  // namespace qm::test
