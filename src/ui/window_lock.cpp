#include "ui/window_lock.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace qm {
namespace {

// Centres a window over another, within the other's screen.
void CentreOver(const QWidget* opener, QWidget* window)
{
    if (window->layout()) window->layout()->activate();
    QRect place(QPoint(), window->size());
    place.moveCenter(opener->frameGeometry().center());
    if (const QScreen* screen = opener->screen()) {
        const QRect room = screen->availableGeometry();
        place.moveLeft(std::max(room.left(), std::min(place.left(), room.right() - place.width())));
        place.moveTop(std::max(room.top(), std::min(place.top(), room.bottom() - place.height())));
    }
    window->move(place.topLeft());
}

void BringToFront(QWidget* window)
{
    window->raise();
    window->activateWindow();
}

}  // namespace

void OpenOver(QWidget* opener, QWidget* secondary)
{
    if (secondary->isHidden()) {
        // Taken by the window system when the window is shown.
        secondary->setWindowModality(Qt::WindowModal);
        secondary->winId();
        secondary->windowHandle()->setTransientParent(opener->windowHandle());
        // The first time over its opener; later where the user left it.
        if (!secondary->testAttribute(Qt::WA_Moved)) CentreOver(opener, secondary);
        secondary->show();
    }
    opener->setEnabled(false);
    BringToFront(secondary);
}

void ReturnTo(QWidget* opener)
{
    opener->setEnabled(true);
    if (opener->isHidden()) opener->show();
    BringToFront(opener);
}

}  // namespace qm
