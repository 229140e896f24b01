// The windows in each language as a user sees them under a window manager:
// every caption, button and group title shown whole, inside its window.
#include "../ui_harness.h"
#include "xserver_harness.h"

#include "map/map_trip.h"
#include "support/split_track.h"
#include "ui/map/map_view.h"
#include "ui/map/map_window.h"
#include "ui/map/profile_chart.h"
#include "ui/map/trip_files_list.h"
#include "ui/map/trip_view.h"
#include "ui/widgets/elided_label.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
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

// The map window of a trip of three files at its least size: every text
// whole, the list of the files under the legend with each column in sight
// and two rows at least, every file named in the profile; the pointer over a
// row brings that file out on the map.
TEST(TextsUnderWindowManager, TheMapOfATripAtItsLeastSizeInBothLanguages)
{
    for (const std::string language : {"ru", "en"}) {
        SCOPED_TRACE(language);
        Program program("[INTERFACE]\r\nLANGUAGE=" + language + "\r\n");
        program.settings.TILEURL.clear();
        const SplitTrack files = WriteSplitTrack(program.dir);
        MapWindow& map = *program.windows.mapWindow;
        RecordingSink sink;
        ASSERT_TRUE(map.ShowTrack(TrackFiles({files.P1, files.P2, files.P3}, program.dir.File("p1_trip")),
                                  ScaleBandBoxes(program.settings.CurrentScale()), sink));
        map.Open();
        ASSERT_TRUE(WaitActive(map));
        const QSize least = map.minimumSizeHint();
        AskToResize(map, least.width(), least.height());
        ASSERT_TRUE(WaitForEarlierRequests(map));
        ASSERT_TRUE(QTest::qWaitFor([&] { return map.size() == least; }, 3000)) << map.width() << "x" << map.height();
        EXPECT_EQ(CutTexts(map), std::vector<std::string>{});
        TripFilesList& list = *map.Files();
        ASSERT_TRUE(list.isVisible());
        EXPECT_GE(list.viewport()->height(), 2 * list.rowHeight(0));
        EXPECT_LE(list.horizontalHeader()->length(), list.viewport()->width());
        for (int column = 2; column < 4; ++column)
            EXPECT_GE(list.columnWidth(column), list.horizontalHeader()->sectionSizeHint(column)) << column;
        std::vector<std::string> names;
        for (const ProfilePlot::FileMark& mark : map.View()->Profile()->FileMarks()) names.push_back(mark.Name);
        EXPECT_EQ(names, (std::vector<std::string>{"p1.plt", "p2.plt", "p3.plt"}));

        list.item(0, 0)->setCheckState(Qt::Unchecked);
        PointAt(list.viewport(), list.visualItemRect(list.item(1, 1)).center());
        EXPECT_TRUE(QTest::qWaitFor([&] { return map.View()->Map()->HighlightedFile() == 1; }, 3000));
        // The legend's line of the hidden file has made the window higher.
        QTest::qWait(300);
        SaveScreenWhereAsked("trip-map-least-" + language);
        AskToResize(map, 1100, 760);
        ASSERT_TRUE(WaitForEarlierRequests(map));
        QTest::qWait(200);
        SaveScreenWhereAsked("trip-map-" + language);
        map.close();
    }
}

}  // namespace
}  // namespace qm::test
