#include "ui/statistics_window.h"

#include "settings/track_files.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "stats/report_save.h"
#include "ui/main_window.h"
#include "ui/settings_dialog.h"
#include "ui/dialogs.h"
#include "ui/interface_language.h"
#include "ui/widgets/elided_label.h"
#include "ui/qt_text.h"
#include "ui/widgets/radio_group.h"
#include "ui/window_lock.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHideEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

StatisticsWindow::StatisticsWindow(MainWindow& mainWindow, Settings& settings, Dialogs& dialogs)
    // A dialog, so that the window manager keeps it above the main window, yet resizable.
    : QWidget(nullptr, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow), settings_(settings), dialogs_(dialogs)
{
    setObjectName("TrStatForm");
    CreateControls();
    resize(std::max(772, WidthForDefaultReport()), 404);
}

void StatisticsWindow::Retranslate()
{
    setWindowTitle(tr("Статистика по треку"));
    formatGroup->setTitle(tr("Формат"));
    copyButton->setText(tr("Копировать"));
    saveButton->setText(tr("Сохранить"));
    settingsButton->setText(tr("Настройки"));
    measuresBox->setTitle(tr("Измерения"));
    RefreshMeasures();
}

MeasureTableWords StatisticsWindow::MeasureWords() const
{
    return {{ToStd(tr("Пульс, уд/мин")), ToStd(tr("Каденс, об/мин")), ToStd(tr("Мощность, Вт")),
             ToStd(tr("Температура, °C"))},
            ToStd(tr("Дата")),
            ToStd(tr("среднее")),
            ToStd(tr("максимум")),
            ToStd(tr("Трек")),
            ToStd(tr("День")),
            ToStd(tr("нет данных"))};
}

void StatisticsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) Retranslate();
    // Enabled again when the settings dialog opened from here has closed.
    if (event->type() == QEvent::EnabledChange && isEnabled()) Activated();
    QWidget::changeEvent(event);
}

int StatisticsWindow::WidthForDefaultReport() const
{
    const std::vector<std::string> lines = BuildReport({}, Settings(), "", "", ReportFormat::Txt).Lines;
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, reportView->fontMetrics().horizontalAdvance(ToQt(line)));
    const int scrollBar = reportView->verticalScrollBar()->sizeHint().width();
    const int margins = 2 * (reportView->frameWidth() + static_cast<int>(reportView->document()->documentMargin()));
    // A few pixels more for the text cursor.
    return widest + scrollBar + margins + 4;
}

void StatisticsWindow::CreateControls()
{
    reportView = new QPlainTextEdit(this);
    reportView->setObjectName("MemoStat");
    reportView->setReadOnly(true);
    reportView->setLineWrapMode(QPlainTextEdit::NoWrap);
    reportView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    formatGroup = new RadioGroup({}, {"TXT", "CSV"}, 2, this);
    formatGroup->setObjectName("RGShowFormat");
    formatGroup->SetItemIndex(0);
    copyButton = new QPushButton(this);
    copyButton->setObjectName("Button1");
    saveButton = new QPushButton(this);
    saveButton->setObjectName("Button2");
    settingsButton = new QPushButton(this);
    settingsButton->setObjectName("Button3");
    fileNameLabel = new ElidedLabel(this);
    fileNameLabel->setObjectName("LFileName");
    measuresBox = new QGroupBox(this);
    measuresBox->setObjectName("GBMeasures");
    measuresView = new QPlainTextEdit(measuresBox);
    measuresView->setObjectName("MemoMeasures");
    measuresView->setReadOnly(true);
    measuresView->setLineWrapMode(QPlainTextEdit::NoWrap);
    // As under the report, so that the height set for the lines holds it.
    measuresView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    measuresView->setFont(reportView->font());
    measuresNote = new QLabel(measuresBox);
    measuresNote->setObjectName("LMeasuresNote");
    measuresNote->setWordWrap(true);
    auto* measuresLayout = new QVBoxLayout(measuresBox);
    measuresLayout->setContentsMargins(4, 4, 4, 4);
    measuresLayout->addWidget(measuresView);
    measuresLayout->addWidget(measuresNote);
    Retranslate();

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(8, 0, 4, 4);
    bottom->addWidget(formatGroup);
    bottom->addWidget(copyButton, 0, Qt::AlignBottom);
    bottom->addWidget(saveButton, 0, Qt::AlignBottom);
    bottom->addWidget(fileNameLabel, 1, Qt::AlignBottom);
    bottom->addWidget(settingsButton, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(reportView, 1);
    layout->addWidget(measuresBox);
    layout->addLayout(bottom);
    setTabOrder(reportView, measuresView);
    setTabOrder(measuresView, formatGroup);
    setTabOrder(formatGroup, copyButton);
    setTabOrder(copyButton, saveButton);
    setTabOrder(saveButton, settingsButton);

    connect(formatGroup, &RadioGroup::Changed, this, &StatisticsWindow::FormatChanged);
    connect(copyButton, &QPushButton::clicked, this, &StatisticsWindow::CopyReport);
    connect(saveButton, &QPushButton::clicked, this, &StatisticsWindow::SaveReportFile);
    connect(settingsButton, &QPushButton::clicked, this, &StatisticsWindow::OpenSettingsDialog);
}

bool StatisticsWindow::event(QEvent* event)
{
    // While the settings dialog is open this window is disabled and cannot become active.
    if (event->type() == QEvent::WindowActivate && isEnabled()) Activated();
    return QWidget::event(event);
}

void StatisticsWindow::Activated()
{
    SetControlsEnabled(true);
    RefreshReport();
}

void StatisticsWindow::FormatChanged() { RefreshReport(); }

void StatisticsWindow::SetStatistics(MeasuredStatistics statistics)
{
    statistics_ = std::move(statistics);
    RefreshMeasures();
}

void StatisticsWindow::RefreshMeasures()
{
    const MeasureSummary& summary = statistics_.Measures;
    measuresBox->setVisible(!summary.Measures.empty());
    if (summary.Measures.empty()) return;
    const std::vector<std::string> lines = MeasureTableLines(summary, MeasureWords(), InterfaceDecimalSeparator());
    QStringList shown;
    for (const std::string& line : lines) shown.append(ToQt(line));
    measuresView->setPlainText(shown.join('\n'));
    // Every line in sight up to a dozen, more scrolled to; the text edit
    // leaves its vertical scroll bar out only with a pixel to spare.
    const int visibleLines = std::min(static_cast<int>(lines.size()), 12);
    const int margins = 2 * (measuresView->frameWidth() + static_cast<int>(measuresView->document()->documentMargin()));
    measuresView->setFixedHeight(1 + visibleLines * measuresView->fontMetrics().lineSpacing() + margins +
                                 measuresView->horizontalScrollBar()->sizeHint().height());

    QString note = tr("Среднее взвешено по времени по шагам каждой части (простое среднее, где ни у одного шага нет "
                      "обоих значений); максимум — наибольшее значение.");
    if (summary.Implausible > 0)
        note += '\n' + ToQt(MessageText(MessageId::ImplausibleLeftOut,
                                         {IntToText(static_cast<int64_t>(summary.Implausible))}));
    measuresNote->setText(note);
}

void StatisticsWindow::RefreshReport()
{
    const FilesSettings files = mainWindow_.Files();
    Report report = BuildReport(statistics_.Table, settings_, TrackFilesOfText(files.TRACKFILE, files.TRIPNAME).Name,
                                files.FOLDERNAME, static_cast<ReportFormat>(formatGroup->ItemIndex()));
    // The same text again keeps where the user scrolled to (coming back from
    // another program activates the window too).
    if (report.Lines != report_.Lines) {
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(report.Lines.size()));
        for (const std::string& line : report.Lines) lines.append(ToQt(line));
        reportView->setPlainText(lines.join('\n'));
    }
    report_ = std::move(report);
    reportView->setFocus();
    fileNameLabel->SetText(ToQt(report_.FileName));
}

void StatisticsWindow::CopyReport()
{
    dialogs_.CopyToClipboard(JoinLines(report_.Lines));
    QTextCursor cursor = reportView->textCursor();
    cursor.clearSelection();
    reportView->setTextCursor(cursor);
}

void StatisticsWindow::SaveReportFile()
{
    try {
        SaveReport(report_);
    } catch (const Error& error) {
        dialogs_.ShowError(error.what());
    }
}

void StatisticsWindow::OpenSettingsDialog()
{
    settingsDialog_->openedFrom = this;
    SetControlsEnabled(false);
    OpenOver(this, settingsDialog_);
}

void StatisticsWindow::SetControlsEnabled(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{fileNameLabel, reportView, measuresView, copyButton,
                                                            saveButton, formatGroup, settingsButton})
        control->setEnabled(enabled);
}

void StatisticsWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc closes it, as it closes the other secondary windows.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void StatisticsWindow::closeEvent(QCloseEvent* event)
{
    // The settings dialog opened from here must close first.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void StatisticsWindow::hideEvent(QHideEvent* event)
{
    // Closed in any way; a window the window system minimises stays open.
    if (!event->spontaneous()) ReturnTo(&mainWindow_);
    QWidget::hideEvent(event);
}

}  // namespace qm
