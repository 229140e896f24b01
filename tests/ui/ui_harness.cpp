#include "ui_harness.h"

#include "platform/file_system.h"

#include <QDropEvent>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <filesystem>

namespace qm::test {
namespace {

template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& answers)
{
    if (answers.empty()) return std::nullopt;
    std::optional<T> answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string EnterFreshDirectory(const TempDir& dir, const std::string& settingsFile, const std::vector<std::string>& files)
{
    std::string previous = GetCurrentDir();
    for (const std::string& name : files) {
        std::filesystem::create_directories(std::filesystem::path(dir.File(name)).parent_path());
        if (!name.ends_with('/')) dir.Write(name, "");
    }
    if (!settingsFile.empty()) dir.Write("Quillmarsh.ini", WithDirectory(settingsFile, dir.path()));
    SetCurrentDir(dir.path());
    return previous;
}

}  // namespace

std::string WithDirectory(std::string text, const std::string& dir)
{
    for (size_t at = 0; (at = text.find("{dir}", at)) != std::string::npos; at += dir.size()) text.replace(at, 5, dir);
    return text;
}

void FakeDialogs::Box(const std::string& text)
{
    boxes.push_back(text);
    std::vector<std::string> names;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->objectName().isEmpty()) names.push_back(window->objectName().toStdString());
    std::sort(names.begin(), names.end());
    windowsAtBox.push_back(names);
    if (onBox) onBox();
}

std::vector<std::string> FakeDialogs::OpenTrackFiles(const std::string& initialDir)
{
    trackDialogDirs.push_back(initialDir);
    if (trackAnswers.empty()) return {};
    std::vector<std::string> answer = trackAnswers.front();
    trackAnswers.pop_front();
    return answer;
}

std::optional<int32_t> FakeDialogs::ChooseColor(int32_t initial)
{
    colorDialogStarts.push_back(initial);
    if (onColor) onColor();
    return Next(colorAnswers);
}

std::optional<std::string> FakeDialogs::ChooseDirectory(const std::string& initialDir)
{
    directoryDialogStarts.push_back(initialDir);
    if (onDirectory) onDirectory();
    return Next(directoryAnswers);
}

std::optional<std::string> FakeDialogs::SavePictureFile(const std::string& suggested)
{
    pictureDialogStarts.push_back(suggested);
    return Next(pictureAnswers);
}

Program::Program(const std::string& settingsFile, const std::vector<std::string>& files, Dialogs* realDialogs)
    : previousDir_(EnterFreshDirectory(dir, settingsFile, files)),
      windows(CreateAppWindows(settings, realDialogs ? *realDialogs : dialogs))
{
}

Program::~Program() { SetCurrentDir(previousDir_); }

void Program::Start()
{
    Main().show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Main()));
}

void ActivateElsewhereAndBack()
{
    QWidget* active = QApplication::activeWindow();
    QWidget box;
    box.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
    box.close();
    if (active) active->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(active));
}

void Type(QLineEdit* edit, const std::string& text)
{
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, QString::fromStdString(text));
}

void EnterTrack(Program& program, const std::string& path)
{
    Find<QLineEdit>(program.Main(), "trackPlt")->setText(QString::fromStdString(path));
}

void Leave(QWidget* control) { QTest::keyClick(control, Qt::Key_Tab); }

void Click(QWidget& window, const char* name) { QTest::mouseClick(Find<QPushButton>(window, name), Qt::LeftButton); }

std::string Text(QWidget& window, const char* name) { return Find<QLineEdit>(window, name)->text().toStdString(); }

void ExpectCheckOnLeaving(Program& program, QWidget& window, QLineEdit* edit, const std::string& text,
                          const std::string& message)
{
    SCOPED_TRACE(edit->objectName().toStdString() + " '" + text + "'");
    program.dialogs.boxes.clear();
    const QString before = edit->text();
    Type(edit, text);
    Leave(edit);
    EXPECT_EQ(program.dialogs.boxes, message.empty() ? Texts{} : Texts{message});
    EXPECT_EQ(window.focusWidget() == edit, !message.empty());
    edit->setText(before);
}

QMimeData* UrlData(const QStringList& urls)
{
    auto* data = new QMimeData;
    QList<QUrl> list;
    for (const QString& url : urls) list << QUrl(url);
    data->setUrls(list);
    return data;
}

QString FileUrl(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)).toString(); }

bool DragOnto(QWidget* target, QMimeData* data)
{
    const QPoint at = target->rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    const bool taken = enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
    if (taken) {
        QDragMoveEvent move(at, offered, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QDropEvent drop(at, offered, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    } else {
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
    }
    delete data;
    Settle();
    return taken;
}

void Settle()
{
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace qm::test
