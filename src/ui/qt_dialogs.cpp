#include "ui/qt_dialogs.h"

#include "ui/qt_color.h"
#include "ui/widgets/directory_chooser.h"
#include "ui/qt_text.h"
#include "ui/widgets/track_file_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QGridLayout>
#include <QMessageBox>

namespace qm {
namespace {

// Room in a title bar besides the title: the window menu and the close box.
constexpr int kTitleBarButtons = 160;

void ShowBox(QMessageBox::Icon icon, const std::string& text)
{
    QMessageBox box(icon, QApplication::applicationName(), ToQt(text), QMessageBox::Ok, QApplication::activeWindow());
    // A short text would make the box too narrow for its title. A message box
    // sizes itself, so the width goes in as a spacer in its layout.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
}

}  // namespace

void QtDialogs::MessageBox(const std::string& text) { ShowBox(QMessageBox::NoIcon, text); }

void QtDialogs::ErrorBox(const std::string& text) { ShowBox(QMessageBox::Critical, text); }

std::optional<std::string> QtDialogs::OpenTrackFile(const std::string& initialDir)
{
    // Every type the track reader reads; NMEA logs named *.txt are opened by
    // typing their name, as the pattern would list every text file.
    TrackFileDialog dialog(QApplication::activeWindow(), "Select track file", ToQt(initialDir),
                           "*.plt *.gpx *.fit *.tcx *.igc *.nmea *.nma *.kml *.kmz");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return ToStd(dialog.selectedFiles().first());
}

std::optional<int32_t> QtDialogs::ChooseColor(int32_t initial)
{
    QColor color = QColorDialog::getColor(ColorOf(initial), QApplication::activeWindow());
    if (!color.isValid()) return std::nullopt;
    return BgrOf(color);
}

std::optional<std::string> QtDialogs::ChooseDirectory()
{
    DirectoryChooser chooser(QApplication::activeWindow());
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return ToStd(chooser.ChosenDirectory());
}

void QtDialogs::CopyToClipboard(const std::string& text) { QApplication::clipboard()->setText(ToQt(text)); }

}  // namespace qm
