// The main window's output directory rules and the FILES values it holds.
#include "ui/Quillmarsh.h"

#include "platform/file_system.h"
#include "platform/path_text.h"
#include "ui/dialogs.h"
#include "ui/focus_events.h"
#include "ui/qt_text.h"
#include "ui/radio_group.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

namespace qm {
namespace {

const QColor kFixedColor(0xC0, 0xC0, 0xC0);
const QColor kTypedColor(0xFF, 0xFF, 0xFF);
// Dark enough to read on the silver of a fixed directory.
const QColor kFixedTextColor(0x50, 0x50, 0x50);

bool EndsWithSeparator(const std::string& text) { return !text.empty() && text.back() == kPathSeparator; }

}  // namespace

std::string TForm1::FallbackDirectory() { return ToStd(QDir::homePath()) + kPathSeparator; }

void TForm1::SetOutputDirEditable(bool editable)
{
    EoutputDir->setEnabled(editable);
    QPalette palette = EoutputDir->palette();
    palette.setColor(QPalette::Base, editable ? kTypedColor : kFixedColor);
    palette.setColor(QPalette::Disabled, QPalette::Text, kFixedTextColor);
    EoutputDir->setPalette(palette);
    BtnOpnDir->setEnabled(editable);
}

void TForm1::RGoutputDirChange()
{
    switch (RGoutputDir->ItemIndex()) {
    case 0:
        SetText(EoutputDir, settings_.StartDir + kPathSeparator);
        SetOutputDirEditable(false);
        AppendSubFolder(false);
        break;
    case 1: {
        const std::string trackDir = PathDirPart(TextOf(trackPlt));
        if (!DirectoryExists(trackDir)) {
            dialogs_.ShowMessage("Трек не выбран");
            RGoutputDir->SetItemIndex(2);
            RGoutputDirChange();
            return;
        }
        SetText(EoutputDir, trackDir);
        SetOutputDirEditable(false);
        AppendSubFolder(false);
        break;
    }
    case 2:
        SetOutputDirEditable(true);
        break;
    default:
        break;
    }
    settings_.SettingsChanged = true;
}

void TForm1::AppendSubFolder(bool cutIfUnchecked)
{
    std::string text = TextOf(EoutputDir);
    if (CBSubFolder->isChecked()) {
        if (!EndsWithSeparator(text)) text += kPathSeparator;
        text += SubFolderName(TextOf(trackPlt));
    } else if (cutIfUnchecked) {
        text = CutSubFolder(text, "");
    }
    SetText(EoutputDir, text);
}

std::string TForm1::CutSubFolder(const std::string& directory, const std::string& trackPath) const
{
    const std::string subFolder = SubFolderName(trackPath.empty() ? TextOf(trackPlt) : trackPath);
    if (directory.size() >= subFolder.size() && directory.ends_with(subFolder))
        return directory.substr(0, directory.size() - subFolder.size());
    return directory;
}

void TForm1::CBSubFolderClick()
{
    AppendSubFolder(true);
    settings_.SettingsChanged = true;
}

void TForm1::OpnResultDirExecute()
{
    const std::string workingDir = GetCurrentDir();
    std::optional<std::string> chosen = dialogs_.ChooseDirectory();
    if (!chosen) {
        SetCurrentDir(workingDir);
        return;
    }
    SetText(EoutputDir, *chosen + kPathSeparator);
    AppendSubFolder(false);
    // The next chooser opens where this one ended.
    SetCurrentDir(*chosen);
}

void TForm1::ChkDirExecute(QWidget* sender)
{
    std::string text = TextOf(EoutputDir);
    if (CBSubFolder->isChecked()) text = CutSubFolder(text, "");
    if (DirectoryExists(text)) {
        if (!EndsWithSeparator(text)) SetText(EoutputDir, text + kPathSeparator);
        return;
    }
    OpnResultDirExecute();
    ReturnFocus(sender);
}

void TForm1::EoutputDirChange() { settings_.SettingsChanged = true; }

std::string TForm1::TrackFile() const { return TextOf(trackPlt); }

int32_t TForm1::FolderType() const { return RGoutputDir->ItemIndex(); }

bool TForm1::SubFolder() const { return CBSubFolder->isChecked(); }

std::string TForm1::FolderName() const { return TextOf(EoutputDir); }

FilesSettings TForm1::Files() const { return FilesSettings{TrackFile(), FolderType(), SubFolder(), FolderName()}; }

void TForm1::ApplyLoadedFiles(const LoadedSettings& loaded)
{
    LoadTrackFile(loaded.Files.TRACKFILE);
    LoadFolderType(loaded.Files.FOLDERTYPE);
    LoadSubFolder(loaded.Files.SUBFOLDER);
    LoadFolderName(loaded.Files.FOLDERNAME);
    for (const OldFilesLine& line : loaded.OldFiles) {
        switch (line.Name) {
        case OldFilesLine::Key::TRACKFILE:
            ImportTrackFile(line.Value);
            break;
        case OldFilesLine::Key::FOLDERTYPE:
            ImportFolderType(line.SelectedFolderType(!TrackFile().empty()));
            break;
        case OldFilesLine::Key::FOLDERNAME:
            if (FolderType() == 2) ImportFolderName(line.Value);
            break;
        }
    }
}

void TForm1::LoadTrackFile(const std::string& path) { SetText(trackPlt, FileExists(path) ? path : std::string()); }

void TForm1::LoadFolderType(int32_t type) { SelectFolderType(type < 0 ? -1 : std::min(type, 2)); }

void TForm1::LoadSubFolder(bool on) { CBSubFolder->setChecked(on); }

void TForm1::LoadFolderName(const std::string& directory)
{
    std::string text = CBSubFolder->isChecked() ? CutSubFolder(directory, "") : directory;
    SetText(EoutputDir, DirectoryExists(text) ? text : FallbackDirectory());
    AppendSubFolder(false);
}

void TForm1::ImportTrackFile(const std::string& path)
{
    if (FileExists(path)) SetText(trackPlt, path);
}

void TForm1::ImportFolderType(int32_t type) { SelectFolderType(type); }

void TForm1::ImportFolderName(const std::string& directory)
{
    SetText(EoutputDir, DirectoryExists(directory) ? directory : FallbackDirectory());
}

// Selecting another item runs the folder-type rule, as a click would.
void TForm1::SelectFolderType(int32_t type) { RGoutputDir->SetItemIndex(type); }

}  // namespace qm
