#pragma once

#include "platform/error.h"

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
    // The error that ended reading a file: its text, as ShowError; the
    // command-line tool also names the line.
    virtual void ShowFileError(const Error& error) { ShowError(error.what()); }
};

}  // namespace qm
