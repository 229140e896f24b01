#include "ui/widgets/message_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace qm {
namespace {

// The widest line of a box's text: the box is then at most about 600 pixels wide.
constexpr qreal kLineRoom = 520;

// A line break that the box adds; the text's own new lines stay apart from it.
constexpr QChar kAddedBreak = QChar::LineSeparator;

// Room in a title bar besides the title: the window menu and the close box.
constexpr int kTitleBarButtons = 160;

// A text as a message box shows it.
struct BoxText {
    QString Text;
    qreal Width = 0;
    bool Shortened = false;
};

// The text in lines of at most kLineRoom pixels, broken between words only
// (Qt's own wrapping would break a path at its slashes and hyphens); a word
// wider than a line loses its middle.
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

}  // namespace

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QApplication::applicationName(), QString(), buttons, parent);
    // A message quotes file names and tags such as <time> as they are.
    box.setTextFormat(Qt::PlainText);
    const BoxText shown = BrokenBetweenWords(text, QFontMetricsF(box.font()));
    box.setText(shown.Text);
    // A message box wraps a wide text itself, as narrow as it likes; the
    // label keeps the lines broken here.
    if (auto* label = box.findChild<QLabel*>("qt_msgbox_label"))
        label->setMinimumWidth(static_cast<int>(std::ceil(shown.Width)));
    if (shown.Shortened) box.setToolTip(Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal));
    // A short text would make the box too narrow for its title. A message box
    // sizes itself, so the width goes in as a spacer in its layout.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace qm
