// Tracks dropped on the windows and the track field's list of recent tracks.
#include "ui_harness.h"

#include "platform/file_system.h"

#include <QAction>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <filesystem>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

class TrackDrop : public MainWindowTest {
protected:
    TrackDrop() : MainWindowTest({"gps/day.plt", "gps/день 1.plt", "folder/"})
    {
        std::filesystem::copy_file(QM_SAMPLE_TRACK, Dir("walk.plt"));
    }
    QLineEdit* Track() { return Find<QLineEdit>(program.Main(), "trackPlt"); }
    QWidget* Target(const std::string& name)
    {
        if (name == "map") return program.windows.mapWindow.get();
        if (name == "main") return &program.Main();
        return Find<QWidget>(program.Main(), name.c_str());
    }
};

TEST_F(TrackDrop, LocalFilesBecomeTheTrackAnythingElseIsRefusedInABox)
{
    const std::string rule = "\nОткрыть можно только файл трека на этом компьютере.";
    auto* text = new QMimeData;
    text->setText("  walk.plt\n  and more  ");
    auto* longText = new QMimeData;
    longText->setText(QString(70, 'x'));
    const struct {
        const char* target;
        QMimeData* data;
        std::string track;   // the field afterwards
        std::string output;  // the output folder afterwards
        Texts boxes;
    } cases[] = {
        {"main", UrlData({FileUrl(Dir("gps/day.plt"))}), Dir("gps/day.plt"), "/base/day/", {}},
        {"trackPlt", UrlData({FileUrl(Dir("gps/день 1.plt"))}), Dir("gps/день 1.plt"), "/base/день 1/", {}},
        {"EoutputDir", UrlData({"https://example.com/a.plt", FileUrl(Dir("gps/day.plt"))}), Dir("gps/day.plt"),
         "/base/day/", {}},
        {"trackPlt", UrlData({"https://example.com/a.plt"}), "", "/base/", {"Перетащено: https://example.com/a.plt" + rule}},
        {"main", UrlData({"https://example.com/a b.plt", "ftp://x/y", "mailto:a@b", "https://example.com/c"}), "",
         "/base/", {"Перетащено: https://example.com/a b.plt, ftp://x/y, mailto:a@b, …" + rule}},
        {"trackPlt", text, "", "/base/", {"Перетащено: текст «walk.plt and more»" + rule}},
        {"main", longText, "", "/base/", {"Перетащено: текст «" + std::string(60, 'x') + "…»" + rule}},
        // Several files are one trip, a missing one named when it is read.
        {"main", UrlData({FileUrl(Dir("gps/day.plt")), FileUrl(Dir("walk.plt"))}),
         "\"" + Dir("gps/day.plt") + "\" \"" + Dir("walk.plt") + "\"", "/base/day_trip/", {}},
        {"trackPlt", UrlData({FileUrl(Dir("folder"))}), "", "/base/",
         {"error: " + Dir("folder") + ": Это каталог, а не файл трека."}},
    };
    FolderType()->SetItemIndex(kTypedFolder);
    SubFolder(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.target) + " " + c.data->urls().value(0).toString().toStdString());
        Track()->clear();
        SetOutput("/base/");
        program.dialogs.boxes.clear();
        EXPECT_TRUE(DragOnto(Target(c.target), c.data));
        EXPECT_EQ(Track()->text().toStdString(), c.track);
        EXPECT_EQ(OutputText(), c.output);
        EXPECT_EQ(program.dialogs.boxes, c.boxes);
    }
}

// The map window, when open, follows a track dropped on it as on the main window.
TEST_F(TrackDrop, MapWindowTakesATrackAndFollowsIt)
{
    program.settings.TILEURL.clear();
    std::filesystem::copy_file(QM_SAMPLE_TRACK, Dir("ride.plt"));
    EnterTrack(program, Dir("walk.plt"));
    Click(program.Main(), "BtnMap");
    Settle();
    QWidget& map = *program.windows.mapWindow;
    ASSERT_TRUE(map.isVisible());
    EXPECT_TRUE(DragOnto(&map, UrlData({FileUrl(Dir("ride.plt"))})));
    EXPECT_EQ(Track()->text().toStdString(), Dir("ride.plt"));
    EXPECT_EQ(map.windowTitle().toStdString(), "Карта — ride.plt");
    EXPECT_TRUE(program.dialogs.boxes.empty());
}

// The pointer tells what cannot be dropped: a drag of neither files nor
// text, one that may only be moved away from its source, and any drag
// while a command or a secondary window holds the main window.
TEST_F(TrackDrop, RefusedWhereNothingCanBeTaken)
{
    auto* picture = new QMimeData;
    picture->setData("image/png", "not really");
    EXPECT_FALSE(DragOnto(&program.Main(), picture));

    auto* moveOnly = UrlData({FileUrl(Dir("walk.plt"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, moveOnly, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&program.Main(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    delete moveOnly;

    program.Main().SetControlsEnabled(false);
    for (QWidget* target : {Target("main"), Target("map"), static_cast<QWidget*>(Track())})
        EXPECT_FALSE(DragOnto(target, UrlData({FileUrl(Dir("walk.plt"))}))) << target->objectName().toStdString();
    program.Main().SetControlsEnabled(true);
    EXPECT_TRUE(Track()->text().isEmpty());
    EXPECT_TRUE(program.dialogs.boxes.empty());
}

// The entries of the recent tracks' menu as it opens, each with its path.
Texts RecentMenu(qm::MainWindow& main)
{
    Find<QAction>(main, "recentTracks")->trigger();
    auto* menu = Find<QMenu>(main, "recentTracksMenu");
    EXPECT_TRUE(menu->isVisible());
    Texts entries;
    for (QAction* entry : menu->actions())
        entries.push_back(entry->text().toStdString() + (entry->isEnabled() ? "" : " (disabled)"));
    return entries;
}

void ChooseRecent(qm::MainWindow& main, int index)
{
    auto* menu = Find<QMenu>(main, "recentTracksMenu");
    menu->actions().at(index)->trigger();
    menu->hide();
}

TEST_F(TrackDrop, RecentTracksNewestFirstThoseGoneLeftOut)
{
    EXPECT_EQ(RecentMenu(program.Main()), Texts{"Недавних треков нет (disabled)"});
    auto* menu = Find<QMenu>(program.Main(), "recentTracksMenu");
    menu->hide();

    // Opened: chosen in the dialog, dropped, read by a command; not when the read fails.
    std::filesystem::copy_file(QM_SAMPLE_TRACK, Dir("gps/a&b.plt"));
    program.dialogs.trackAnswers = {{Dir("gps/day.plt")}};
    Click(program.Main(), "BitBtn1");
    DragOnto(&program.Main(), UrlData({FileUrl(Dir("gps/день 1.plt"))}));
    EnterTrack(program, "gps/a&b.plt");  // relative to the start directory
    Click(program.Main(), "BtnPrFiles");
    EnterTrack(program, Dir("gps/missing.plt"));
    Click(program.Main(), "BtnPrFiles");
    EXPECT_EQ(RecentMenu(program.Main()), (Texts{Dir("gps/a&&b.plt"), Dir("gps/день 1.plt"), Dir("gps/day.plt")}));
    EXPECT_EQ(menu->actions().at(0)->data().toString().toStdString(), Dir("gps/a&b.plt"));

    // An entry chosen is the track as the dialog gives it, and the newest.
    FolderType()->SetItemIndex(kTypedFolder);
    SetOutput("/base/");
    SubFolder(true);
    ChooseRecent(program.Main(), 2);
    EXPECT_EQ(Text(program.Main(), "trackPlt"), Dir("gps/day.plt"));
    EXPECT_EQ(OutputText(), "/base/day/");
    std::filesystem::remove(Dir("gps/день 1.plt"));
    EXPECT_EQ(RecentMenu(program.Main()), (Texts{Dir("gps/day.plt"), Dir("gps/a&&b.plt")}));
    menu->hide();
    // Alt+Down opens it as it opens a combo box's list.
    Settle();
    program.Main().activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &program.Main(); }));
    Track()->setFocus();
    QTest::keyClick(Track(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    // Kept in the settings file at close, the one gone included.
    ASSERT_TRUE(program.Main().close());
    const std::string saved = ReadAll(Dir("Quillmarsh.ini"));
    EXPECT_NE(saved.find("[RECENT]\r\nTRACK1=" + Dir("gps/day.plt") + "\r\nTRACK2=" + Dir("gps/a&b.plt") +
                         "\r\nTRACK3=" + Dir("gps/день 1.plt") + "\r\n"),
              std::string::npos)
        << saved;
}

}  // namespace
}  // namespace qm::test
