// The settings file, the working directory and the dialogs over the scale
// editor, as a user meets them under a window manager.
#include "../ui_harness.h"
#include "xserver_harness.h"

#include "platform/file_system.h"
#include "ui/qt_dialogs.h"
#include "ui/widgets/directory_chooser.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// The program with its real dialogs.
class RealDialogs : public testing::Test {
protected:
    void Start(const std::vector<std::string>& files)
    {
        program = std::make_unique<Program>("", files, &dialogs);
        program->Main().show();
        ASSERT_TRUE(WaitActive(program->Main()));
    }
    MainWindow& Main() { return program->Main(); }
    QWidget* Control(QWidget& window, const char* name) { return Find<QWidget>(window, name); }

    QtDialogs dialogs;
    std::unique_ptr<Program> program;
};

// A relative track path names the file in the start directory, also after
// the directory chooser, which opens there.
TEST_F(RealDialogs, RelativeTrackResolvesAgainstTheStartDirectoryAfterTheChooser)
{
    Start({"out/"});
    std::filesystem::copy_file(QM_SAMPLE_TRACK, program->dir.File("day1.plt"));
    Find<RadioGroup>(Main(), "RGoutputDir")->SetItemIndex(kTypedFolder);
    ClickOn(Control(Main(), "trackPlt"));
    PressKeys({"ctrl+a"});
    TypeText("day1.plt");

    std::string openedIn;
    WhenNextDialogIsActive([&](QWidget& dialog) {
        if (auto* chooser = qobject_cast<DirectoryChooser*>(&dialog))
            openedIn = chooser->directory().absolutePath().toStdString();
        PressKeys({"ctrl+a"});
        TypeText(QString::fromStdString(program->dir.File("out")));
        PressKeys({"Return"});
    });
    ClickOn(Control(Main(), "BtnOpnDir"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Text(Main(), "EoutputDir") == program->dir.File("out/"); }, 10000));
    EXPECT_EQ(openedIn, program->dir.path());

    std::string box;
    AnswerNextBoxWithEnter(box);
    ClickOn(Control(Main(), "BtnPrFiles"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !box.empty(); }, 10000));
    EXPECT_EQ(box, "трек обработан");
    EXPECT_EQ(GetCurrentDir(), program->dir.path());
}

// The way from the issue: a folder removed while the statistics window was
// open, then "Изменить". Only the editor opens; no folder check runs, and the
// focus comes back to the button.
TEST_F(RealDialogs, ScaleEditorOpensAloneAfterTheOutputFolderWasRemoved)
{
    Start({"out/", "tracks/"});
    std::filesystem::copy_file(QM_SAMPLE_TRACK, program->dir.File("tracks/sample.plt"));
    EnterTrack(*program, program->dir.File("tracks/sample.plt"));
    Find<RadioGroup>(Main(), "RGoutputDir")->SetItemIndex(kTypedFolder);
    Find<QLineEdit>(Main(), "EoutputDir")->setText(QString::fromStdString(program->dir.File("out/")));
    QWidget& stat = *program->windows.statisticsWindow;
    QWidget& editor = *program->windows.scaleEditor;

    ClickOn(Control(Main(), "BtnGetStat"));
    ASSERT_TRUE(WaitActive(stat));
    std::filesystem::remove(program->dir.File("out"));
    PressCloseBox(stat);
    ASSERT_TRUE(WaitActive(Main()));
    EXPECT_EQ(QApplication::focusWidget(), Control(Main(), "BtnGetStat"));

    ClickOn(Control(Main(), "SwSpdCat"));
    ASSERT_TRUE(WaitActive(editor));
    QTest::qWait(300);
    EXPECT_EQ(QApplication::activeModalWidget(), &editor);
    PressKeys({"Escape"});
    ASSERT_TRUE(WaitActive(Main()));
    EXPECT_EQ(QApplication::focusWidget(), Control(Main(), "SwSpdCat"));
}

// A box the main window shows while the editor (always on top) is open
// stands above the editor and has the focus.
TEST_F(RealDialogs, BoxOpenedWhileTheScaleEditorIsOpenStandsAboveIt)
{
    Start({});
    QWidget& editor = *program->windows.scaleEditor;
    std::vector<QWidget*> order;
    QWidget* box = nullptr;
    WhenNextDialogIsActive([&](QWidget& dialog) {
        QTest::qWait(300);  // the window manager restacks after the activation
        box = &dialog;
        order = StackingOrder();
        PressKeys({"Return"});
    });
    // The box comes from the main window, as a folder check would, in the
    // moment the editor opens.
    QTimer::singleShot(0, &Main(), [&] {
        Click(Main(), "SwSpdCat");
        dialogs.MessageBox("Проверка");
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return box != nullptr; }, 10000));
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.back(), box);
    EXPECT_TRUE(std::find(order.begin(), order.end(), &editor) != order.end());
    ASSERT_TRUE(WaitActive(editor));
    PressKeys({"Escape"});
    ASSERT_TRUE(WaitActive(Main()));
}

// Runs this test again as the user nobody, for whom a file without read
// permission is unreadable; false when that cannot be done here.
bool RunAsNobody(std::string& skipped)
{
    if (!getpwnam("nobody")) {
        skipped = "there is no user nobody";
        return false;
    }
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");  // root's
    environment.insert("HOME", "/tmp");
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory("/tmp");
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                            QCoreApplication::applicationFilePath(),
                            QString("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    if (!child.waitForStarted()) {
        skipped = "setpriv cannot be started";
        return false;
    }
    EXPECT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    return true;
}

// A settings file the user may not read: one box at start names it and the
// reason; the close leaves it as it was and says so.
TEST(SettingsFileUnderWindowManager, UnreadableFileIsReportedAtStartAndKeptAtClose)
{
    if (::geteuid() == 0) {
        std::string skipped;
        if (!RunAsNobody(skipped)) GTEST_SKIP() << "root reads every file, and " << skipped;
        return;
    }
    TempDir dir;
    const std::string path = dir.Write("Quillmarsh.ini", "[VISUAL]\r\nTIMEINTRVL=7\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    struct stat before;
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    const std::string startDir = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(dir.path()));

    std::string first;
    AnswerNextBoxWithEnter(first);
    Settings settings;
    QtDialogs dialogs;
    AppWindows windows = CreateAppWindows(settings, dialogs);
    EXPECT_EQ(first, "Файл настроек \"" + path + "\" не прочитан: Отказано в доступе"
                         ".\nНастройки, которые не удалось прочитать, взяты по умолчанию. При выходе этот файл не "
                         "будет перезаписан.");
    EXPECT_EQ(settings.TIMEINTRVL, 2);

    windows.main->show();
    ASSERT_TRUE(WaitActive(*windows.main));
    std::string last;
    AnswerNextBoxWithEnter(last);
    PressCloseBox(*windows.main);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !windows.main->isVisible(); }, 10000));
    EXPECT_EQ(last, "Настройки не сохранены: файл настроек \"" + path + "\" не был прочитан и остается без изменений.");
    struct stat after;
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(std::make_tuple(after.st_ino, after.st_mode, after.st_size, after.st_mtime),
              std::make_tuple(before.st_ino, before.st_mode, before.st_size, before.st_mtime));
    SetCurrentDir(startDir);
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
}

}  // namespace
}  // namespace qm::test
