#pragma once

#include "settings/output_folder.h"
#include "settings/settings.h"
#include "support/test_support.h"
#include "ui/app_windows.h"
#include "ui/dialogs.h"
#include "ui/widgets/radio_group.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMimeData>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace qm::test {

// Answers every dialog from a script and records what was shown. An empty
// script answers with a cancel.
class FakeDialogs : public Dialogs {
public:
    // Every box in order; error boxes start with "error: ".
    std::vector<std::string> boxes;
    // The program's windows that existed when each box was shown.
    std::vector<std::vector<std::string>> windowsAtBox;
    std::function<void()> onBox;

    std::deque<std::vector<std::string>> trackAnswers;  // nothing: cancelled
    std::vector<std::string> trackDialogDirs;
    std::deque<std::optional<int32_t>> colorAnswers;
    std::vector<int32_t> colorDialogStarts;
    std::function<void()> onColor;
    std::deque<std::optional<std::string>> directoryAnswers;
    std::vector<std::string> directoryDialogStarts;
    std::function<void()> onDirectory;
    std::deque<std::optional<std::string>> pictureAnswers;
    std::vector<std::string> pictureDialogStarts;
    std::string clipboard;

    void MessageBox(const std::string& text) override { Box(text); }
    void ErrorBox(const std::string& text) override { Box("error: " + text); }
    std::vector<std::string> OpenTrackFiles(const std::string& initialDir) override;
    std::optional<int32_t> ChooseColor(int32_t initial) override;
    std::optional<std::string> ChooseDirectory(const std::string& initialDir) override;
    std::optional<std::string> SavePictureFile(const std::string& suggested) override;
    void CopyToClipboard(const std::string& text) override { clipboard = text; }

private:
    void Box(const std::string& text);
};

// The text with every "{dir}" in it replaced by dir.
std::string WithDirectory(std::string text, const std::string& dir);

// The desktop program started in a fresh directory that holds the given
// files (a name ending in "/" is a directory) and settings file (none when it
// is empty; "{dir}" in it stands for the directory). The working directory is
// restored when it ends. The windows ask the scripted dialogs unless they are
// given the real ones.
class Program {
public:
    explicit Program(const std::string& settingsFile = {}, const std::vector<std::string>& files = {},
                     Dialogs* realDialogs = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TempDir dir;

private:
    std::string previousDir_;

public:
    Settings settings;
    FakeDialogs dialogs;
    AppWindows windows;

    MainWindow& Main() { return *windows.main; }
    // Shows the main window and lets it become active.
    void Start();
};

// Lets queued window-system events (activation, focus) arrive.
void Settle();

// What a real message box does to activation: another window becomes active
// and, when it closes, the window that was active before is active again.
void ActivateElsewhereAndBack();

// A control of a window by its name; fails the test when there is none.
template <typename Control>
Control* Find(QWidget& window, const char* name)
{
    auto* control = window.findChild<Control*>(name);
    if (!control) ADD_FAILURE() << "no control " << name;
    return control;
}

// A started program with files under its start directory, and the main
// window's output-directory controls at hand.
class MainWindowTest : public testing::Test {
protected:
    explicit MainWindowTest(const std::vector<std::string>& files) : program("", files) {}
    void SetUp() override { program.Start(); }
    std::string Dir(const std::string& name) { return program.dir.File(name); }
    QLineEdit* Output() { return Find<QLineEdit>(program.Main(), "EoutputDir"); }
    std::string OutputText() { return Output()->text().toStdString(); }
    void SetOutput(const std::string& text) { Output()->setText(QString::fromStdString(text)); }
    void SubFolder(bool on) { Find<QCheckBox>(program.Main(), "CBSubFolder")->setChecked(on); }
    RadioGroup* FolderType() { return Find<RadioGroup>(program.Main(), "RGoutputDir"); }

    Program program;
};

// The main window's track field holding path, as a paste puts it there: the
// track-field rules run only when the user leaves the field.
void EnterTrack(Program& program, const std::string& path);

// Mime data that carries the URLs given, and a file's URL.
QMimeData* UrlData(const QStringList& urls);
QString FileUrl(const std::string& path);
// A drag of data (which it deletes) over target, released there when it was
// taken, as Qt delivers a drag from another program; true when it was taken.
// The events the drop left are handled before it returns.
bool DragOnto(QWidget* target, QMimeData* data);

// What the user does: type into an edit (it gets the focus, its text is
// replaced), leave a control with Tab, click a named button.
void Type(QLineEdit* edit, const std::string& text);
void Leave(QWidget* control);
void Click(QWidget& window, const char* name);
std::string Text(QWidget& window, const char* name);

// Types text into an edit of a window that checks it on leaving, and leaves
// it: expects the one message box given (none when it is empty), the focus
// kept on a refused edit only; then gives the edit its old text back,
// unmodified, so that it is not checked again.
void ExpectCheckOnLeaving(Program& program, QWidget& window, QLineEdit* edit, const std::string& text,
                          const std::string& message);

}  // namespace qm::test
