#include "ui/qt_dialogs.h"

#include "ui/qt_color.h"
#include "ui/widgets/directory_chooser.h"
#include "ui/widgets/message_box.h"
#include "ui/qt_text.h"
#include "ui/widgets/track_file_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>

namespace qm {
namespace {

// The window a dialog opens over: the active one, but while a window that
// stays on top is shown (the scale editor) that one, or the window manager
// would keep the dialog under it.
QWidget* DialogParent()
{
    QWidget* active = QApplication::activeWindow();
    if (active && active->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return window;
    return active;
}

}  // namespace

void QtDialogs::MessageBox(const std::string& text) { ShowMessageBox(DialogParent(), QMessageBox::NoIcon, ToQt(text)); }

void QtDialogs::ErrorBox(const std::string& text) { ShowMessageBox(DialogParent(), QMessageBox::Critical, ToQt(text)); }

std::vector<std::string> QtDialogs::OpenTrackFiles(const std::string& initialDir)
{
    // Every type the track reader reads; NMEA logs named *.txt are opened by
    // typing their name, as the pattern would list every text file.
    TrackFileDialog dialog(DialogParent(), "Select track file", ToQt(initialDir),
                           "*.plt *.gpx *.fit *.tcx *.igc *.nmea *.nma *.kml *.kmz");
    std::vector<std::string> chosen;
    if (dialog.exec() != QDialog::Accepted) return chosen;
    for (const QString& file : dialog.selectedFiles()) chosen.push_back(ToStdPath(file));
    return chosen;
}

std::optional<int32_t> QtDialogs::ChooseColor(int32_t initial)
{
    QColor color = QColorDialog::getColor(ColorOf(initial), DialogParent());
    if (!color.isValid()) return std::nullopt;
    return BgrOf(color);
}

std::optional<std::string> QtDialogs::ChooseDirectory(const std::string& initialDir)
{
    DirectoryChooser chooser(DialogParent(), ToQt(initialDir));
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return ToStdPath(chooser.ChosenDirectory());
}

std::optional<std::string> QtDialogs::SavePictureFile(const std::string& suggested)
{
    const QString path = QFileDialog::getSaveFileName(DialogParent(), QCoreApplication::translate("qm::QtDialogs", "Сохранить изображение"),
                                                      ToQt(suggested), "PNG (*.png)");
    if (path.isEmpty()) return std::nullopt;
    return ToStdPath(path);
}

void QtDialogs::CopyToClipboard(const std::string& text) { QApplication::clipboard()->setText(ToQt(text)); }

}  // namespace qm
