#pragma once

#include <string>

namespace qm {

// A text the user must read: a plain message, or a conversion or file error.
struct Message {
    bool IsError = false;
    std::string Text;
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

    void Show(const Message& message) { message.IsError ? ShowError(message.Text) : ShowMessage(message.Text); }
};

}  // namespace qm
