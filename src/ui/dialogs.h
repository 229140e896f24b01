#pragma once

#include "platform/message_sink.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// Everything the windows ask of the user outside their own controls, and the
// clipboard. The program shows real dialogs; tests answer from a script.
// Boxes are titled with the application name and have one OK button.
class Dialogs : public MessageSink {
public:
    // The core's messages: a message box shows the text as it is, an error
    // box ends it with a period.
    void ShowMessage(const std::string& text) final { MessageBox(text); }
    void ShowError(const std::string& text) final { ErrorBox(ErrorBoxText(text)); }

    virtual void MessageBox(const std::string& text) = 0;
    virtual void ErrorBox(const std::string& text) = 0;

    // "Select track file", opening in initialDir with the patterns of every
    // readable type in its name field; gives the full paths of the existing
    // files chosen (several for a trip), none on cancel.
    virtual std::vector<std::string> OpenTrackFiles(const std::string& initialDir) = 0;
    // Any colour, 0x00BBGGRR, opening on `initial`; nothing on cancel.
    virtual std::optional<int32_t> ChooseColor(int32_t initial) = 0;
    // A directory, opening in initialDir; a directory the user names that
    // does not exist is created with all its levels once the user confirms.
    // Gives its path without a trailing "/" (except the root), nothing on
    // cancel.
    virtual std::optional<std::string> ChooseDirectory(const std::string& initialDir) = 0;
    // "Сохранить изображение" as a PNG file, opening on `suggested`; gives the
    // path the user named, nothing on cancel.
    virtual std::optional<std::string> SavePictureFile(const std::string& suggested) = 0;

    virtual void CopyToClipboard(const std::string& text) = 0;

    // The text with a period at its end unless it ends with one already.
    static std::string ErrorBoxText(std::string_view text);
};

}  // namespace qm
