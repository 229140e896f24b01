#pragma once

class QWidget;

namespace qm {

// A secondary window works as a modal dialog over the window that opened it.
// Opening: the secondary window is made modal to the opener and transient
// for it, so that the window manager keeps it above the opener and gives it
// the focus when the opener is asked for, and no input reaches the opener or
// the windows under it; it is shown if hidden (centred over the opener the
// first time, later where the user left it), the opener is disabled as a
// whole, and the secondary window is brought to the front. The caller
// disables the opener's own controls first.
void OpenOver(QWidget* opener, QWidget* secondary);

// Closing, once the secondary window is hidden, however it was closed: the
// opener is enabled again, shown if hidden and brought to the front. The
// opener gives its controls back when it is enabled again, not when it
// becomes active: the window manager may have left it active all along, or
// may not activate it at all.
void ReturnTo(QWidget* opener);

}  // namespace qm
