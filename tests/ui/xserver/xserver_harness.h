#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace qm::test {

// A person at the X server, through xdotool and wmctrl: real pointer and key
// events that go where the window manager has put the focus, and requests to
// the window manager as its title bar would make them.
void ClickOn(QWidget* control);
// A click at a point of the screen.
void ClickAt(const QPoint& point);
// Moves the pointer to a place in a control, and no further.
void PointAt(QWidget* control, QPoint at);
void PressKeys(const QStringList& keys);
void TypeText(const QString& text);
void PressCloseBox(QWidget& window);
// Asks the window manager to activate the window, as Alt+Tab or a taskbar does.
void AskToActivate(QWidget& window);
void AskToResize(QWidget& window, int width, int height);
void AskToMaximise(QWidget& window);
// Asks the window manager to move the window a little and waits, at most
// 5 s, until Qt sees it moved: the manager handles requests in order, so
// those made before this one have then been handled too.
bool WaitForEarlierRequests(QWidget& window);

// Waits until the window is active both for the X server and for Qt.
bool WaitActive(QWidget& window);
// The program's windows on the screen, bottom to top.
std::vector<QWidget*> StackingOrder();

// Runs answer on the next modal dialog once it is the active window for the
// X server too (answer must close it, by keys or otherwise).
void WhenNextDialogIsActive(std::function<void(QWidget& dialog)> answer);

// For a person to look at: with QM_SCREENSHOT_DIR set, the whole screen,
// window frames included, as NAME.png in that directory.
void SaveScreenWhereAsked(const std::string& name);

// Answers the next message box with Enter once it is the active window, and
// keeps its text as the program gave it, without the line breaks the box
// adds.
void AnswerNextBoxWithEnter(std::string& text);

}  // namespace qm::test
