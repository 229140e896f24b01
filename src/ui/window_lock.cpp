#include "ui/window_lock.h"

#include <QWidget>

namespace qm {

void OpenOver(QWidget* opener, QWidget* secondary)
{
    if (secondary->isHidden()) secondary->show();
    opener->setEnabled(false);
    BringToFront(secondary);
}

void ReturnTo(QWidget* opener)
{
    opener->setEnabled(true);
    if (opener->isHidden()) opener->show();
    BringToFront(opener);
}

void BringToFront(QWidget* window)
{
    window->raise();
    window->activateWindow();
}

}  // namespace qm
