#include "../ui_harness.h"
#include "xserver_harness.h"

#include "ui/qt_dialogs.h"

#include <QPushButton>
#include <QTest>

#include <filesystem>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// The program with its real dialogs, started from a directory that holds the
// sample track as tracks/sample.plt, chosen with folder type "исходный трек"
// and the sub-folder option on.
class UnderWindowManager : public testing::Test {
protected:
    UnderWindowManager()
    {
        std::filesystem::copy_file(QM_SAMPLE_TRACK, program.dir.File("tracks/sample.plt"),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    void SetUp() override
    {
        main.show();
        ASSERT_TRUE(WaitActive(main));
    }
    QWidget* Control(QWidget& window, const char* name) { return Find<QWidget>(window, name); }
    std::string Output() { return Text(main, "EoutputDir"); }

    QtDialogs dialogs;
    Program program{"[FILES]\nTRACKFILE={dir}/tracks/sample.plt\nFOLDERTYPE=1\nSUBFOLDER=1\n", {"tracks/sample.plt"},
                    &dialogs};
    MainWindow& main = program.Main();
};

// After a command or a secondary window the focus is back on the control
// that started it, and no check ran on the way.
TEST_F(UnderWindowManager, FocusReturnsToTheControlThatStartedItAndTheOutputFollowsTheTrack)
{
    AppWindows& w = program.windows;
    std::string box;
    // What the user opens and closes before typing another track, and where the focus is then.
    const std::tuple<const char*, const char*, std::function<void()>> situations[] = {
        {"nothing: right after start-up", "trackPlt", [] {}},
        {"the statistics window, by its close box", "BtnGetStat",
         [&] {
             ClickOn(Control(main, "BtnGetStat"));
             ASSERT_TRUE(WaitActive(*w.statisticsWindow));
             PressCloseBox(*w.statisticsWindow);
         }},
        {"the settings dialog, by Esc", "BtnSettings",
         [&] {
             ClickOn(Control(main, "BtnSettings"));
             ASSERT_TRUE(WaitActive(*w.settingsDialog));
             PressKeys({"Escape"});
         }},
        {"the scale editor, by Esc", "SwSpdCat",
         [&] {
             ClickOn(Control(main, "SwSpdCat"));
             ASSERT_TRUE(WaitActive(*w.scaleEditor));
             PressKeys({"Escape"});
         }},
        {"the box \"трек обработан\", by Enter", "BtnPrFiles",
         [&] {
             AnswerNextBoxWithEnter(box);
             ClickOn(Control(main, "BtnPrFiles"));
             EXPECT_TRUE(QTest::qWaitFor([&] { return !box.empty(); }, 10000));
             EXPECT_EQ(box, "трек обработан");
         }}};
    const std::string track = program.dir.File("tracks/sample.plt");
    for (const auto& [situation, focus, openAndClose] : situations) {
        SCOPED_TRACE(situation);
        auto* trackEdit = Find<QLineEdit>(main, "trackPlt");
        trackEdit->setText(QString::fromStdString(track));
        Find<RadioGroup>(main, "RGoutputDir")->SetItemIndex(kTypedFolder);
        Find<RadioGroup>(main, "RGoutputDir")->SetItemIndex(kTrackFolder);
        ASSERT_EQ(Output(), program.dir.File("tracks/sample/"));

        openAndClose();
        ASSERT_TRUE(WaitActive(main));
        EXPECT_TRUE(Control(main, "BtnPrFiles")->isEnabled() && Control(main, "SwSpdCat")->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), Control(main, focus));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

        ClickOn(trackEdit);
        PressKeys({"ctrl+a"});
        TypeText(QString::fromStdString(program.dir.File("tracks/other.plt")));
        PressKeys({"Tab"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return Output() == program.dir.File("tracks/other/"); }, 3000))
            << Output();
        // Back to the first track for the next situation: the output follows it again.
        trackEdit->setFocus();
        PressKeys({"ctrl+a"});
        TypeText(QString::fromStdString(track));
        PressKeys({"Tab"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return Output() == program.dir.File("tracks/sample/"); }, 3000))
            << Output();
    }
}

// However a secondary window closes, its opener is itself again. Here the
// window manager closes it (as a taskbar does) after the user asked for the
// main window (Alt+Tab), which brings the window that locks it instead.
TEST_F(UnderWindowManager, WindowClosedByTheWindowManagerGivesItsOpenerBack)
{
    AppWindows& w = program.windows;
    QWidget& stat = *w.statisticsWindow;
    struct Step {
        QWidget* opener;
        const char* button;
        QWidget* window;
        // The opener's control that has the focus again when the window closes.
        const char* focus;
    };
    // Windows opened one over the other, closed from the top.
    const std::vector<Step> chains[] = {
        {{&main, "BtnSettings", w.settingsDialog.get(), "BtnSettings"}},
        {{&main, "SwSpdCat", w.scaleEditor.get(), "SwSpdCat"}},
        {{&main, "BtnGetStat", &stat, "BtnGetStat"}, {&stat, "Button3", w.settingsDialog.get(), "MemoStat"}}};
    for (const std::vector<Step>& chain : chains) {
        for (const Step& step : chain) {
            ClickOn(Control(*step.opener, step.button));
            ASSERT_TRUE(WaitActive(*step.window));
        }
        for (auto step = chain.rbegin(); step != chain.rend(); ++step) {
            SCOPED_TRACE(step->window->objectName().toStdString());
            AskToActivate(main);
            PressCloseBox(main);
            ASSERT_TRUE(WaitForEarlierRequests(main));
            ASSERT_TRUE(WaitActive(*step->window));
            EXPECT_EQ(StackingOrder().back(), step->window);
            EXPECT_TRUE(main.isVisible());

            PressCloseBox(*step->window);
            ASSERT_TRUE(WaitActive(*step->opener));
            EXPECT_FALSE(step->window->isVisible());
            for (QPushButton* button : step->opener->findChildren<QPushButton*>())
                EXPECT_TRUE(button->isEnabled() || button->objectName() == "BtnOpnDir")
                    << button->objectName().toStdString();
            EXPECT_EQ(QApplication::focusWidget(), Control(*step->opener, step->focus));
        }
    }
    PressCloseBox(main);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !main.isVisible(); }, 3000));
}

TEST_F(UnderWindowManager, FixedFramesKeepTheirSize)
{
    QWidget& dialog = *program.windows.settingsDialog;
    ClickOn(Control(main, "BtnSettings"));
    ASSERT_TRUE(WaitActive(dialog));
    for (QWidget* window : {static_cast<QWidget*>(&main), &dialog}) {
        SCOPED_TRACE(window->objectName().toStdString());
        const QSize size = window->size();
        AskToResize(*window, size.width() + 200, size.height() + 150);
        ASSERT_TRUE(WaitForEarlierRequests(*window));
        EXPECT_EQ(window->size(), size);
        AskToMaximise(*window);
        ASSERT_TRUE(WaitForEarlierRequests(*window));
        EXPECT_EQ(window->size(), size);
    }
}

TEST_F(UnderWindowManager, EachWindowComesToTheFrontOverItsOpenerAndGivesItBack)
{
    AppWindows& w = program.windows;
    ClickOn(Control(main, "BtnGetStat"));
    ASSERT_TRUE(WaitActive(*w.statisticsWindow));
    ClickOn(Control(*w.statisticsWindow, "Button3"));
    ASSERT_TRUE(WaitActive(*w.settingsDialog));
    EXPECT_EQ(StackingOrder(), (std::vector<QWidget*>{&main, w.statisticsWindow.get(), w.settingsDialog.get()}));

    PressKeys({"Escape"});
    ASSERT_TRUE(WaitActive(*w.statisticsWindow));
    EXPECT_EQ(StackingOrder(), (std::vector<QWidget*>{&main, w.statisticsWindow.get()}));
    EXPECT_TRUE(Control(*w.statisticsWindow, "Button2")->isEnabled());
    EXPECT_FALSE(main.isEnabled());

    PressCloseBox(*w.statisticsWindow);
    ASSERT_TRUE(WaitActive(main));
    EXPECT_EQ(StackingOrder(), std::vector<QWidget*>{&main});
}

TEST_F(UnderWindowManager, MessageBoxGivesTheSecondaryWindowBackAsTyped)
{
    AppWindows& w = program.windows;
    // Window, how it opens, the field, what is typed, the key that brings the box, the box.
    const std::tuple<QWidget*, const char*, const char*, const char*, const char*, const char*> cases[] = {
        {w.settingsDialog.get(), "BtnSettings", "EMinSpd", "1,5", "Return",
         "'1,5' is not a valid floating point value."},
        {w.scaleEditor.get(), "SwSpdCat", "SpdCat2", "1", "Tab", "Значение должно быть больше 2 и меньше 10."}};
    for (auto [window, opener, field, typed, key, message] : cases) {
        SCOPED_TRACE(field);
        ClickOn(Control(main, opener));
        ASSERT_TRUE(WaitActive(*window));
        auto* edit = Find<QLineEdit>(*window, field);
        ClickOn(edit);
        PressKeys({"ctrl+a"});
        TypeText(typed);
        std::string box;
        AnswerNextBoxWithEnter(box);
        PressKeys({key});
        EXPECT_TRUE(QTest::qWaitFor([&] { return !box.empty(); }, 5000));
        EXPECT_EQ(box, message);
        ASSERT_TRUE(WaitActive(*window));
        EXPECT_EQ(edit->text(), typed);
        EXPECT_EQ(QApplication::focusWidget(), edit);
        PressKeys({"Escape"});
        ASSERT_TRUE(WaitActive(main));
    }
}

}  // namespace
}  // namespace qm::test
