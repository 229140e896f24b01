#include "ui/qt_dialogs.h"

#include "ui/qt_color.h"
#include "ui/widgets/directory_chooser.h"
#include "ui/qt_text.h"
#include "ui/widgets/track_file_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace qm {
namespace {

// Room in a title bar besides the title: the window menu and the close box.
constexpr int kTitleBarButtons = 160;

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

// The text as the box shows it: no word (a path) is broken across lines, and
// one wider than room loses its middle. Gives the widest word's width.
int UnbrokenWords(QString& text, const QFontMetrics& metrics, int room)
{
    int widest = 0;
    QStringList lines = text.split('\n');
    for (QString& line : lines) {
        QStringList words = line.split(' ');
        for (QString& word : words) {
            if (metrics.horizontalAdvance(word) > room) word = metrics.elidedText(word, Qt::ElideMiddle, room);
            widest = std::max(widest, metrics.horizontalAdvance(word));
        }
        line = words.join(' ');
    }
    text = lines.join('\n');
    return widest;
}

void ShowBox(QMessageBox::Icon icon, const std::string& text)
{
    QMessageBox box(icon, QApplication::applicationName(), QString(), QMessageBox::Ok, DialogParent());
    // A message quotes file names and tags such as <time> as they are.
    box.setTextFormat(Qt::PlainText);
    QString shown = ToQt(text);
    if (auto* label = box.findChild<QLabel*>("qt_msgbox_label")) {
        const QScreen* screen = box.screen();
        const int room = screen ? screen->availableGeometry().width() * 2 / 3 : 600;
        label->setMinimumWidth(UnbrokenWords(shown, label->fontMetrics(), room));
    }
    box.setText(shown);
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
    TrackFileDialog dialog(DialogParent(), "Select track file", ToQt(initialDir),
                           "*.plt *.gpx *.fit *.tcx *.igc *.nmea *.nma *.kml *.kmz");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return ToStdPath(dialog.selectedFiles().first());
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
