// The main window's output directory rules and the FILES values it holds.
#include "ui/main_window.h"

#include "platform/file_system.h"
#include "platform/path_text.h"
#include "settings/output_folder.h"
#include "settings/start_files.h"
#include "ui/dialogs.h"
#include "ui/focus_events.h"
#include "ui/qt_text.h"
#include "ui/widgets/radio_group.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>

namespace qm {
namespace {

const QColor kFixedColor(0xC0, 0xC0, 0xC0);
const QColor kTypedColor(0xFF, 0xFF, 0xFF);
// Dark enough to read on the silver of a fixed directory.
const QColor kFixedTextColor(0x50, 0x50, 0x50);

// Said when the track's folder is chosen while there is no track.
std::string NoTrackChosenText() { return ToStd(qm::MainWindow::tr("Трек не выбран")); }

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
        FolderOfType(type, Track().Name, TextOf(outputDirEdit), subFolderBox->isChecked(), settings_.StartDir);
    if (folder.Type != type) {
        dialogs_.ShowMessage(NoTrackChosenText());
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
        SetText(outputDirEdit, WithSubFolder(text, Track().Name));
    else if (cutIfUnchecked)
        SetText(outputDirEdit, WithoutSubFolder(text, Track().Name));
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
    if (subFolderBox->isChecked()) text = WithoutSubFolder(text, Track().Name);
    if (DirectoryExists(text)) {
        if (!EndsWithPathSeparator(text)) SetText(outputDirEdit, text + kPathSeparator);
        return;
    }
    ChooseOutputDir();
    ReturnFocus(sender);
}

FilesSettings MainWindow::Files() const
{
    return FilesSettings{TextOf(trackEdit), folderTypeGroup->ItemIndex(), subFolderBox->isChecked(),
                         TextOf(outputDirEdit), Track().Paths.size() > 1 ? TextOf(tripNameEdit) : std::string()};
}

void MainWindow::ShowStartFiles(const StartFiles& start)
{
    ShowTrack(start.Files.TRACKFILE, start.Files.TRIPNAME);
    {
        // The rules have run on the way to these values.
        const QSignalBlocker quietBox(subFolderBox), quietGroup(folderTypeGroup);
        subFolderBox->setChecked(start.Files.SUBFOLDER);
        folderTypeGroup->SetItemIndex(start.Files.FOLDERTYPE);
    }
    SetText(outputDirEdit, start.Files.FOLDERNAME);
    for (int i = 0; i < start.FolderFallbacks; ++i) dialogs_.ShowMessage(NoTrackChosenText());
}

}  // namespace qm
