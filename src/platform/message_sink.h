#pragma once

#include <string>

namespace qm {

// A text the user must read: a plain message, or a conversion or file error.
struct Message {
    bool IsError = false;
    std::string Text;
};

// Where the core shows what the user must read while a command runs: the
// desktop program opens message boxes, the command-line tool writes to
// standard error, tests record.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A message box with one text and an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // An error message box for conversion and file errors.
    virtual void ShowError(const std::string& text) = 0;

    void Show(const Message& message) { message.IsError ? ShowError(message.Text) : ShowMessage(message.Text); }
};

}  // namespace qm
