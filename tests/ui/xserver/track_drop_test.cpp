// The recent tracks and a drop from another program, as a user meets them
// under a window manager.
#include "../ui_harness.h"
#include "xserver_harness.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// The button that shows an action of a line edit.
QToolButton* ButtonOf(QLineEdit* edit, QAction* action)
{
    for (QToolButton* button : edit->findChildren<QToolButton*>())
        if (button->defaultAction() == action) return button;
    ADD_FAILURE() << "no button of " << action->objectName().toStdString();
    return nullptr;
}

TEST(RecentTracksUnderWindowManager, ListOpensUnderTheFieldAndAnEntryIsChosenWithTheMouse)
{
    Program program("[RECENT]\r\nTRACK1={dir}/walk.plt\r\nTRACK2={dir}/gone.plt\r\nTRACK3={dir}/ride.plt\r\n",
                    {"walk.plt", "ride.plt"});
    MainWindow& main = program.Main();
    main.show();
    ASSERT_TRUE(WaitActive(main));
    auto* edit = Find<QLineEdit>(main, "trackPlt");

    QToolButton* arrow = ButtonOf(edit, Find<QAction>(main, "recentTracks"));
    ASSERT_TRUE(arrow && arrow->isVisible());
    ClickOn(arrow);
    QMenu* menu = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (menu = main.findChild<QMenu*>()) && menu->isVisible(); }, 5000));
    const QRect field(edit->mapToGlobal(QPoint(0, 0)), edit->size());
    EXPECT_EQ(menu->geometry().topLeft(), field.bottomLeft() + QPoint(0, 1));
    EXPECT_GE(menu->width(), field.width());
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1]->text().toStdString(), program.dir.File("ride.plt"));

    ClickAt(menu->mapToGlobal(menu->actionGeometry(entries[1]).center()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !menu->isVisible(); }, 5000));
    EXPECT_EQ(Text(main, "trackPlt"), program.dir.File("ride.plt"));
    EXPECT_TRUE(WaitActive(main));
    EXPECT_EQ(program.settings.RECENT.Paths().front(), program.dir.File("ride.plt"));
}

// Runs a program to its end while this one goes on answering the X server,
// as a drag between programs needs.
bool RunServing(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000) &&
           process.exitCode() == 0;
}

// Files and URLs dragged from another program with the mouse and released
// over the main window: a track file is taken, anything else explained.
TEST(TrackDropUnderWindowManager, DraggedFromAnotherProgram)
{
    Program program("", {"tracks/"});
    const std::string track = program.dir.File("tracks/день 1.plt");
    std::filesystem::copy_file(QM_SAMPLE_TRACK, track);
    const QString path = QString::fromStdString(track);
    MainWindow& main = program.Main();
    main.move(40, 40);
    main.show();
    ASSERT_TRUE(WaitActive(main));
    const struct {
        QStringList dragged;
        std::string track;
        Texts boxes;
    } cases[] = {
        {{path}, track, {}},
        {{"https://example.com/a.plt"}, "",
         {"Перетащено: https://example.com/a.plt\nОткрыть можно только файл трека на этом компьютере."}},
        {{path, QString::fromStdString(program.dir.File("tracks"))}, "",
         {"error: " + program.dir.File("tracks") + ": Это каталог, а не файл трека."}},
        {{path, path}, "\"" + track + "\" \"" + track + "\"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dragged.join(' ').toStdString());
        EnterTrack(program, "");
        program.dialogs.boxes.clear();
        QProcess source;
        source.start(QM_DRAG_SOURCE, QStringList{"--at", "900", "600"} + c.dragged);
        ASSERT_TRUE(QTest::qWaitFor([&] { return source.canReadLine(); }, 10000));
        const QStringList ready = QString::fromUtf8(source.readLine()).split(' ');
        ASSERT_EQ(ready.size(), 3);
        const QPoint from(ready[1].toInt(), ready[2].toInt());
        const QPoint to = main.mapToGlobal(main.rect().center());

        auto text = [](int n) { return QString::number(n); };
        EXPECT_TRUE(RunServing("xdotool", {"mousemove", "--sync", text(from.x()), text(from.y()), "mousedown", "1",
                                           "sleep", "0.3", "mousemove", "--sync", text(to.x() - 20), text(to.y()),
                                           "sleep", "0.3", "mousemove", "--sync", text(to.x()), text(to.y()),
                                           "sleep", "0.3", "mouseup", "1"}));
        // Taken as a copy: the source keeps what it gave.
        EXPECT_TRUE(QTest::qWaitFor([&] { return source.canReadLine(); }, 10000));
        EXPECT_EQ(source.readLine().trimmed().toStdString(), "ended 1");
        // The drop is handled once its events are over.
        (void)QTest::qWaitFor(
            [&] { return program.dialogs.boxes == c.boxes && Text(main, "trackPlt") == c.track; }, 5000);
        EXPECT_EQ(program.dialogs.boxes, c.boxes);
        EXPECT_EQ(Text(main, "trackPlt"), c.track);
        source.kill();
        source.waitForFinished();
    }
}

}  // namespace
}  // namespace qm::test
