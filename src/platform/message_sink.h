#pragma once

#include "platform/error.h"

#include <string>

namespace qm {

// A text the user must read: a plain message, or a conversion or file error.
struct Message {
    bool IsError = false;
    std::string Text;
    // The line of the file being read where an error lies, from 1; 0 when
    // no line is known.
    int Line = 0;
};

// Where the core shows what the user must read while a command runs, in the
// order it happens; each front end decides how.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A plain message.
    virtual void ShowMessage(const std::string& text) = 0;
    // A conversion or file error.
    virtual void ShowError(const std::string& text) = 0;
    // The error that ended reading a file: its text, as ShowError; the
    // command-line tool also names the line.
    virtual void ShowFileError(const Error& error) { ShowError(error.what()); }

    void Show(const Message& message)
    {
        if (message.IsError)
            ShowFileError(Error(message.Text, message.Line));
        else
            ShowMessage(message.Text);
    }
};

}  // namespace qm
