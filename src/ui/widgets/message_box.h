#pragma once

#include <QMessageBox>

namespace qm {

// A message box titled with the application's name that shows its whole
// text: in lines broken between words only, at most 520 pixels wide, a word
// wider than a line (a long path) shortened in its middle with the whole
// text in the box's tooltip. Gives the button the user pressed.
QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok);

}  // namespace qm
