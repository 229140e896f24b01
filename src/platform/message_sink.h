#pragma once

#include <string>

namespace qm {

// Where the core shows what the user must read: the desktop program opens
// message boxes, the command-line tool writes to standard error, tests record.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A message box with one text and an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // An error message box for conversion and file errors.
    virtual void ShowError(const std::string& text) = 0;
};

}  // namespace qm
