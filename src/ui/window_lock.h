#pragma once

class QWidget;

namespace qm {

// A secondary window works as a modal dialog built from modeless windows.
// Opening: the secondary window is shown if hidden (centred over the opener
// the first time, later where the user left it), the opener is disabled as
// a whole, and the secondary window is brought to the front (its activation
// fills it). The caller disables the opener's own controls first.
void OpenOver(QWidget* opener, QWidget* secondary);

// Closing: the opener is enabled again, shown if hidden and brought to the
// front, so that its activation gives its controls back.
void ReturnTo(QWidget* opener);

// Activates a window that is already visible.
void BringToFront(QWidget* window);

}  // namespace qm
