#pragma once

#include "ui/dialogs.h"

namespace qm {

// The dialogs of the desktop program, each modal over the active window or
// over the window that stays on top.
class QtDialogs : public Dialogs {
public:
    void MessageBox(const std::string& text) override;
    void ErrorBox(const std::string& text) override;
    std::vector<std::string> OpenTrackFiles(const std::string& initialDir) override;
    std::optional<int32_t> ChooseColor(int32_t initial) override;
    std::optional<std::string> ChooseDirectory(const std::string& initialDir) override;
    std::optional<std::string> SavePictureFile(const std::string& suggested) override;
    void CopyToClipboard(const std::string& text) override;
};

}  // namespace qm
