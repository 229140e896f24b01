#include "xserver_harness.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

QString Output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(10000);
    EXPECT_TRUE(finished && process.exitCode() == 0)
        << program.toStdString() << " " << arguments.join(' ').toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Id(QWidget& window) { return QString::number(window.winId()); }

// The window the X server has active; empty for the moment while none is
// (between one window closing and the next one's activation).
QString ActiveWindowId()
{
    QProcess process;
    process.start("xdotool", {"getactivewindow"});
    if (!process.waitForFinished(10000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

}  // namespace

void ClickOn(QWidget* control) { ClickAt(control->mapToGlobal(control->rect().center())); }

void ClickAt(const QPoint& point)
{
    Output("xdotool", {"mousemove", "--sync", QString::number(point.x()), QString::number(point.y()), "click", "1"});
}

void PointAt(QWidget* control, QPoint at)
{
    const QPoint place = control->mapToGlobal(at);
    Output("xdotool", {"mousemove", "--sync", QString::number(place.x()), QString::number(place.y())});
}

void SaveScreenWhereAsked(const std::string& name)
{
    const QString directory = qEnvironmentVariable("QM_SCREENSHOT_DIR");
    if (directory.isEmpty()) return;
    QGuiApplication::primaryScreen()->grabWindow(0).save(directory + "/" + QString::fromStdString(name) + ".png");
}

void PressKeys(const QStringList& keys) { Output("xdotool", QStringList{"key", "--clearmodifiers"} + keys); }

void TypeText(const QString& text) { Output("xdotool", {"type", "--delay", "5", text}); }

void PressCloseBox(QWidget& window) { Output("wmctrl", {"-i", "-c", Id(window)}); }

void AskToActivate(QWidget& window) { Output("wmctrl", {"-i", "-a", Id(window)}); }

void AskToResize(QWidget& window, int width, int height)
{
    Output("xdotool", {"windowsize", Id(window), QString::number(width), QString::number(height)});
}

void AskToMaximise(QWidget& window)
{
    Output("wmctrl", {"-i", "-r", Id(window), "-b", "add,maximized_vert,maximized_horz"});
}

bool WaitForEarlierRequests(QWidget& window)
{
    const QPoint before = window.pos();
    const QPoint to = window.geometry().topLeft() + QPoint(7, 5);
    Output("xdotool", {"windowmove", Id(window), QString::number(to.x()), QString::number(to.y())});
    return QTest::qWaitFor([&] { return window.pos() != before; }, 5000);
}

bool WaitActive(QWidget& window)
{
    return QTest::qWaitFor(
        [&] {
            return window.isActiveWindow() && ActiveWindowId() == Id(window);
        },
        5000);
}

std::vector<QWidget*> StackingOrder()
{
    const QString list = Output("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    std::vector<QWidget*> windows;
    for (const QRegularExpressionMatch& id : QRegularExpression("0x[0-9a-f]+").globalMatch(list))
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->winId() == id.captured().toULongLong(nullptr, 16))
                windows.push_back(window);
    return windows;
}

void WhenNextDialogIsActive(std::function<void(QWidget& dialog)> answer)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        // A dialog, not a secondary window modal to its opener.
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isActiveWindow() || ActiveWindowId() != Id(*dialog))
            return;
        poll->deleteLater();
        poll->stop();
        answer(*dialog);
    });
    poll->start(50);
}

void AnswerNextBoxWithEnter(std::string& text)
{
    WhenNextDialogIsActive([&text](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        // As the program said it: without the line breaks the box adds.
        text = box ? box->text().replace(QChar::LineSeparator, ' ').toStdString() : "not a message box";
        PressKeys({"Return"});
    });
}

}  // namespace qm::test
