// The windows in each language as a user sees them under a window manager:
// every caption, button and group title shown whole, inside its window.
#include "../ui_harness.h"
#include "xserver_harness.h"

#include "ui/map/map_window.h"
#include "ui/widgets/elided_label.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// The texts of a window that are cut: narrower or lower than the text needs,
// or reaching out of the window. A label that elides its text by design is
// left out, and so are the picture buttons' blank texts.
std::vector<std::string> CutTexts(QWidget& window)
{
    std::vector<std::string> cut;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || qobject_cast<ElidedLabel*>(control)) continue;
        QString text;
        QSize needed;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            text = label->text();
            needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint();
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            text = button->text();
            needed = button->sizeHint();
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            text = group->title();
            needed = group->minimumSizeHint();
        }
        if (text.trimmed().isEmpty()) continue;
        const QRect shown(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (control->width() < needed.width() || control->height() < needed.height() || !window.rect().contains(shown))
            cut.push_back(control->objectName().toStdString() + " \"" + text.toStdString() + "\": " +
                          std::to_string(control->width()) + "x" + std::to_string(control->height()) + " of " +
                          std::to_string(needed.width()) + "x" + std::to_string(needed.height()) + " at " +
                          std::to_string(shown.x()) + "," + std::to_string(shown.y()) + " in " +
                          std::to_string(window.width()) + "x" + std::to_string(window.height()));
    }
    return cut;
}

TEST(TextsUnderWindowManager, EveryWindowShowsItsTextsWholeInBothLanguages)
{
    for (const std::string language : {"ru", "en"}) {
        SCOPED_TRACE(language);
        Program program("[INTERFACE]\r\nLANGUAGE=" + language + "\r\n");
        program.settings.TILEURL.clear();
        MainWindow& main = program.Main();
        EnterTrack(program, QM_SAMPLE_TRACK);
        main.show();
        ASSERT_TRUE(WaitActive(main));
        EXPECT_EQ(CutTexts(main), std::vector<std::string>{}) << "main";
        AppWindows& w = program.windows;
        const std::pair<const char*, QWidget*> secondary[] = {{"BtnSettings", w.settingsDialog.get()},
                                                               {"SwSpdCat", w.scaleEditor.get()},
                                                               {"BtnGetStat", w.statisticsWindow.get()},
                                                               {"BtnMap", w.mapWindow.get()}};
        for (auto [opener, window] : secondary) {
            Click(main, opener);
            ASSERT_TRUE(WaitActive(*window));
            EXPECT_EQ(CutTexts(*window), std::vector<std::string>{}) << window->objectName().toStdString();
            window->close();
            ASSERT_TRUE(WaitActive(main));
        }
    }
}

}  // namespace
}  // namespace qm::test
