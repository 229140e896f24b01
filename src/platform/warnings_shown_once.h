#pragma once

#include "platform/message_sink.h"

#include <set>

namespace qm {

// Passes every message on to another sink, but the warnings of one version
// of a file only the first time: a file read again unchanged, for another
// command or a map that follows the settings, says nothing new.
class WarningsShownOnce : public MessageSink {
public:
    explicit WarningsShownOnce(MessageSink& shown) : shown_(shown) {}

    void ShowMessage(const std::string& text) override { shown_.ShowMessage(text); }
    void ShowError(const std::string& text) override { shown_.ShowError(text); }
    void ShowFileError(const Error& error) override { shown_.ShowFileError(error); }
    void ShowPlaced(const Message& message) override { shown_.ShowPlaced(message); }
    void ShowWarnings(const FileVersion& file, const std::vector<Message>& warnings) override
    {
        if (warnings.empty() || !warned_.insert(file).second) return;
        shown_.ShowWarnings(file, warnings);
    }

private:
    MessageSink& shown_;
    // A few dozen bytes for each version read with warnings while the program runs.
    std::set<FileVersion> warned_;
};

}  // namespace qm
