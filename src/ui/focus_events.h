#pragma once

#include <functional>

class QWidget;

namespace qm {

// The exit handler of a control: it runs when the keyboard focus moves out of
// the control to another control of the program (a click, Tab, or the program
// moving the focus). Focus that goes to another window, a menu or a message
// box and comes back is no exit.
void OnExit(QWidget* control, std::function<void()> handler);

// Runs move with the exit handlers quiet: a focus move the program makes on
// its own (taking the focus from a control it disables, giving it back) is
// no exit.
void MoveFocusQuietly(const std::function<void()>& move);

// From within an exit handler that refuses the exit: the focus goes back to
// the control, and when the exit came from a mouse press on another control
// that press is dropped, so that it neither clicks nor half-presses what it
// landed on.
void ReturnFocus(QWidget* control);

}  // namespace qm
