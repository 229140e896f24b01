// The main window's output directory rules and the FILES values it holds.
#include "ui/Quillmarsh.h"

#include "platform/file_system.h"
#include "platform/path_text.h"
#include "settings/output_folder.h"
#include "ui/dialogs.h"
#include "ui/focus_events.h"
#include "ui/qt_text.h"
#include "ui/widgets/radio_group.h"

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

}  // namespace

std::string MainWindow::FallbackDirectory() { return ToStdPath(QDir::homePath()) + kPathSeparator; }

void MainWindow::SetOutputDirEditable(bool editable)
{
    outputDirEdit->setEnabled(editable);
    QPalette palette = outputDirEdit->palette();
    palette.setColor(QPalette::Base, editable ? kTypedColor : kFixedColor);
    palette.setColor(QPalette::Disabled, QPalette::Text, kFixedTextColor);
    outputDirEdit->setPalette(palette);
    openDirButton->setEnabled(editable);
}

void MainWindow::FolderTypeChanged()
{
    const int32_t type = folderTypeGroup->ItemIndex();
    const OutputFolder folder =
        FolderOfType(type, TextOf(trackEdit), TextOf(outputDirEdit), subFolderBox->isChecked(), settings_.StartDir);
    if (folder.Type != type) {
        dialogs_.ShowMessage(ToStd(tr("Трек не выбран")));
        folderTypeGroup->SetItemIndex(folder.Type);
    }
    SetText(outputDirEdit, folder.Text);
    SetOutputDirEditable(folder.Editable);
    settings_.SettingsChanged = true;
}

void MainWindow::AppendSubFolder(bool cutIfUnchecked)
{
    const std::string text = TextOf(outputDirEdit);
    if (subFolderBox->isChecked())
        SetText(outputDirEdit, WithSubFolder(text, TextOf(trackEdit)));
    else if (cutIfUnchecked)
        SetText(outputDirEdit, CutSubFolder(text, ""));
}

std::string MainWindow::CutSubFolder(const std::string& directory, const std::string& trackPath) const
{
    return WithoutSubFolder(directory, trackPath.empty() ? TextOf(trackEdit) : trackPath);
}

void MainWindow::SubFolderToggled()
{
    AppendSubFolder(true);
    settings_.SettingsChanged = true;
}

void MainWindow::ChooseOutputDir()
{
    std::optional<std::string> chosen = dialogs_.ChooseDirectory(chooserDir_);
    if (!chosen) return;
    SetText(outputDirEdit, *chosen + kPathSeparator);
    AppendSubFolder(false);
    chooserDir_ = *chosen;
}

void MainWindow::CheckOutputDir(QWidget* sender)
{
    std::string text = TextOf(outputDirEdit);
    if (subFolderBox->isChecked()) text = CutSubFolder(text, "");
    if (DirectoryExists(text)) {
        if (!EndsWithPathSeparator(text)) SetText(outputDirEdit, text + kPathSeparator);
        return;
    }
    ChooseOutputDir();
    ReturnFocus(sender);
}

void MainWindow::OutputDirEdited() { settings_.SettingsChanged = true; }

std::string MainWindow::TrackFile() const { return TextOf(trackEdit); }

int32_t MainWindow::FolderType() const { return folderTypeGroup->ItemIndex(); }

bool MainWindow::SubFolder() const { return subFolderBox->isChecked(); }

std::string MainWindow::FolderName() const { return TextOf(outputDirEdit); }

FilesSettings MainWindow::Files() const { return FilesSettings{TrackFile(), FolderType(), SubFolder(), FolderName()}; }

void MainWindow::ApplyLoadedFiles(const LoadedSettings& loaded)
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

void MainWindow::LoadTrackFile(const std::string& path) { ShowTrack(FileExists(path) ? path : std::string()); }

void MainWindow::LoadFolderType(int32_t type) { SelectFolderType(type < 0 ? -1 : std::min(type, 2)); }

void MainWindow::LoadSubFolder(bool on) { subFolderBox->setChecked(on); }

void MainWindow::LoadFolderName(const std::string& directory)
{
    std::string text = subFolderBox->isChecked() ? CutSubFolder(directory, "") : directory;
    SetText(outputDirEdit, DirectoryExists(text) ? text : FallbackDirectory());
    AppendSubFolder(false);
}

void MainWindow::ImportTrackFile(const std::string& path)
{
    if (FileExists(path)) ShowTrack(path);
}

void MainWindow::ImportFolderType(int32_t type) { SelectFolderType(type); }

void MainWindow::ImportFolderName(const std::string& directory)
{
    SetText(outputDirEdit, DirectoryExists(directory) ? directory : FallbackDirectory());
}

// Selecting another item runs the folder-type rule, as a click would.
void MainWindow::SelectFolderType(int32_t type) { folderTypeGroup->SetItemIndex(type); }

}  // namespace qm
