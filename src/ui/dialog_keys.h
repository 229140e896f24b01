#pragma once

class QPushButton;
class QWidget;

namespace qm {

// Gives a window the keys of a dialog: Enter presses okButton unless another
// button has the focus (that one is pressed instead), Esc presses
// cancelButton. Disabled buttons are not pressed.
void UseDialogKeys(QWidget* window, QPushButton* okButton, QPushButton* cancelButton);

}  // namespace qm
