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
#include <QTextDocument>

#include <algorithm>
#include <cmath>

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

// The widest line of a box's text: the box is then at most about 600 pixels wide.
constexpr qreal kLineRoom = 520;

// A line break that the box adds; the text's own new lines stay apart from it.
constexpr QChar kAddedBreak = QChar::LineSeparator;

// A text as a message box shows it.
struct BoxText {
    QString Text;
    qreal Width = 0;
    bool Shortened = false;
};

// The text in lines of at most kLineRoom pixels, broken between words only
// (Qt's own wrapping would break a path at its slashes and hyphens); a word
// wider than a line, a long path, loses its middle.
BoxText BrokenBetweenWords(const QString& text, const QFontMetricsF& metrics)
{
    BoxText shown;
    QStringList paragraphs = text.split('\n');
    for (QString& paragraph : paragraphs) {
        QStringList lines;
        const QStringList words = paragraph.split(' ');
        for (qsizetype i = 0; i < words.size(); ++i) {
            QString word = words[i];
            if (metrics.horizontalAdvance(word) > kLineRoom) {
                word = metrics.elidedText(word, Qt::ElideMiddle, kLineRoom);
                shown.Shortened = true;
            }
            if (i > 0 && metrics.horizontalAdvance(lines.back() + ' ' + word) <= kLineRoom)
                lines.back() += ' ' + word;
            else
                lines << word;
        }
        for (const QString& line : lines) shown.Width = std::max(shown.Width, metrics.horizontalAdvance(line));
        paragraph = lines.join(kAddedBreak);
    }
    shown.Text = paragraphs.join('\n');
    return shown;
}

void ShowBox(QMessageBox::Icon icon, const std::string& text)
{
    QMessageBox box(icon, QApplication::applicationName(), QString(), QMessageBox::Ok, DialogParent());
    // A message quotes file names and tags such as <time> as they are.
    box.setTextFormat(Qt::PlainText);
    const QString whole = ToQt(text);
    const BoxText shown = BrokenBetweenWords(whole, QFontMetricsF(box.font()));
    box.setText(shown.Text);
    // A message box wraps a wide text itself, as narrow as it likes; the
    // label keeps the lines broken here.
    if (auto* label = box.findChild<QLabel*>("qt_msgbox_label"))
        label->setMinimumWidth(static_cast<int>(std::ceil(shown.Width)));
    if (shown.Shortened) box.setToolTip(Qt::convertFromPlainText(whole, Qt::WhiteSpaceNormal));
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
