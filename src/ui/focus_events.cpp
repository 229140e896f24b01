#include "ui/focus_events.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace qm {
namespace {

// True while an exit handler runs for an exit caused by a mouse press.
bool exitByMouse = false;
// True while the program moves the focus on its own.
bool quiet = false;

bool IsMoveWithinProgram(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

class FocusWatcher : public QObject {
public:
    FocusWatcher(QWidget* control, std::function<void()> handler) : QObject(control), handler_(std::move(handler))
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut && !quiet && IsMoveWithinProgram(static_cast<QFocusEvent*>(event))) {
            bool outer = exitByMouse;
            exitByMouse = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            handler_();
            exitByMouse = outer;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

// Swallows the mouse press that is still on its way to the control the user
// clicked, then removes itself.
class PendingPressEater : public QObject {
public:
    PendingPressEater() : QObject(qApp) { qApp->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            deleteLater();
            qApp->removeEventFilter(this);
            return true;
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
            qApp->removeEventFilter(this);
            deleteLater();
            return false;
        default:
            return false;
        }
    }
};

}  // namespace

void OnExit(QWidget* control, std::function<void()> handler) { new FocusWatcher(control, std::move(handler)); }

void MoveFocusQuietly(const std::function<void()>& move)
{
    const bool outer = quiet;
    quiet = true;
    move();
    quiet = outer;
}

void ReturnFocus(QWidget* control)
{
    control->setFocus(Qt::OtherFocusReason);
    if (exitByMouse) new PendingPressEater;
}

}  // namespace qm
