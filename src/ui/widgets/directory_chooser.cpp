#include "ui/widgets/directory_chooser.h"

#include "ui/widgets/message_box.h"

#include <QDir>
#include <QFileInfo>

namespace qm {

DirectoryChooser::DirectoryChooser(QWidget* parent, const QString& initialDir)
    : QFileDialog(parent, QString(), initialDir)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::ShowDirsOnly);
    setFileMode(QFileDialog::Directory);
    setAcceptMode(QFileDialog::AcceptOpen);
}

QString DirectoryChooser::ChosenDirectory() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : QDir::cleanPath(files.first());
}

void DirectoryChooser::accept()
{
    const QString directory = ChosenDirectory();
    if (!directory.isEmpty() && !QFileInfo(directory).exists()) {
        const QString question = tr("Директория \"%1\" не существует.\nСоздать её?").arg(directory);
        if (ShowMessageBox(this, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No) !=
            QMessageBox::Yes)
            return;
        if (!QDir().mkpath(directory)) {
            ShowMessageBox(this, QMessageBox::Warning, tr("Не удается создать директорию %1").arg(directory));
            return;
        }
    }
    QFileDialog::accept();
}

}  // namespace qm
