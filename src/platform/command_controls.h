#pragma once

namespace qm {

// The window whose controls a command disables while it runs and enables
// again on every way out. The desktop program's main window implements it;
// the command-line tool has nothing to lock.
class CommandControls {
public:
    virtual ~CommandControls() = default;
    virtual void ControlsEnabled(bool enabled) = 0;
};

}  // namespace qm
