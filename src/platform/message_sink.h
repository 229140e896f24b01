#pragma once

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/message_text.h"

#include <string>
#include <vector>

namespace qm {

// A text the user must read: a plain message, or a conversion or file error.
struct Message {
    bool IsError = false;
    std::string Text;
    // The line of the file being read where an error lies, from 1; 0 when
    // no line is known.
    int Line = 0;
    // Set when the windows name the file and the line before the text.
    std::string File = {};
};

// The text of a message about a line of a file named in it: the file, the
// line and the message's own text.
inline std::string PlacedText(const Message& message)
{
    return MessageText(MessageId::PlacedInTrack, {message.File, std::to_string(message.Line), message.Text});
}

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

    // A message about a line of a file named in it: by default its text after
    // the file and the line; the command-line tool names them its own way.
    virtual void ShowPlaced(const Message& message)
    {
        const std::string text = PlacedText(message);
        if (message.IsError)
            ShowError(text);
        else
            ShowMessage(text);
    }

    // What reading a track file told of the track it gave (what was left out
    // or cut), `file` being the version read: by default each message as it
    // comes. A front end that reads one file for several commands may show
    // the warnings of one version once.
    virtual void ShowWarnings(const FileVersion& file, const std::vector<Message>& warnings)
    {
        (void)file;
        for (const Message& message : warnings) Show(message);
    }

    void Show(const Message& message)
    {
        if (!message.File.empty())
            ShowPlaced(message);
        else if (message.IsError)
            ShowFileError(Error(message.Text, message.Line));
        else
            ShowMessage(message.Text);
    }
};

}  // namespace qm
