#include "ui/TrStatFormU.h"

#include "platform/error.h"
#include "platform/file_system.h"
#include "stats/report_save.h"
#include "ui/Quillmarsh.h"
#include "ui/TrStatFmSettU.h"
#include "ui/dialogs.h"
#include "ui/qt_text.h"
#include "ui/radio_group.h"
#include "ui/window_lock.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

TTrStatForm::TTrStatForm(TForm1& mainWindow, Settings& settings, Dialogs& dialogs)
    : QWidget(nullptr, Qt::Window), mainWindow_(mainWindow), settings_(settings), dialogs_(dialogs)
{
    setObjectName("TrStatForm");
    setWindowTitle("Статистика по треку");
    CreateControls();
    resize(772, 404);
}

void TTrStatForm::CreateControls()
{
    MemoStat = new QPlainTextEdit(this);
    MemoStat->setObjectName("MemoStat");
    MemoStat->setReadOnly(true);
    MemoStat->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoStat->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoStat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoStat->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    RGShowFormat = new RadioGroup("Формат", {"TXT", "CSV"}, 2, this);
    RGShowFormat->setObjectName("RGShowFormat");
    RGShowFormat->SetItemIndex(0);
    Button1 = new QPushButton("Копировать", this);
    Button1->setObjectName("Button1");
    Button2 = new QPushButton("Сохранить", this);
    Button2->setObjectName("Button2");
    Button3 = new QPushButton("Настройки", this);
    Button3->setObjectName("Button3");
    LFileName = new QLabel(this);
    LFileName->setObjectName("LFileName");
    // A long path must not widen the window.
    LFileName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(8, 0, 4, 4);
    bottom->addWidget(RGShowFormat);
    bottom->addWidget(Button1, 0, Qt::AlignBottom);
    bottom->addWidget(Button2, 0, Qt::AlignBottom);
    bottom->addWidget(LFileName, 1, Qt::AlignBottom);
    bottom->addWidget(Button3, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MemoStat, 1);
    layout->addLayout(bottom);
    setTabOrder(MemoStat, RGShowFormat);
    setTabOrder(RGShowFormat, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);

    connect(RGShowFormat, &RadioGroup::Changed, this, &TTrStatForm::RGShowFormatClick);
    connect(Button1, &QPushButton::clicked, this, &TTrStatForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TTrStatForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TTrStatForm::Button3Click);
}

bool TTrStatForm::event(QEvent* event)
{
    // While the settings dialog is open this window is disabled and cannot become active.
    if (event->type() == QEvent::WindowActivate && isEnabled()) FormActivate();
    return QWidget::event(event);
}

void TTrStatForm::FormActivate()
{
    ControlsEnabled(true);
    RefreshReport();
}

void TTrStatForm::RGShowFormatClick() { RefreshReport(); }

void TTrStatForm::RefreshReport()
{
    Report report = BuildReport(table_, settings_, mainWindow_.TrackFile(), mainWindow_.FolderName(),
                                static_cast<ReportFormat>(RGShowFormat->ItemIndex()));
    // The same text again keeps where the user scrolled to (coming back from
    // another program activates the window too).
    if (report.Lines != report_.Lines) {
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(report.Lines.size()));
        for (const std::string& line : report.Lines) lines.append(ToQt(line));
        MemoStat->setPlainText(lines.join('\n'));
    }
    report_ = std::move(report);
    MemoStat->setFocus();
    LFileName->setText(ToQt(report_.FileName));
}

void TTrStatForm::Button1Click()
{
    dialogs_.CopyToClipboard(JoinLines(report_.Lines));
    QTextCursor cursor = MemoStat->textCursor();
    cursor.clearSelection();
    MemoStat->setTextCursor(cursor);
}

void TTrStatForm::Button2Click()
{
    try {
        SaveReport(report_);
    } catch (const Error& error) {
        dialogs_.ShowError(error.what());
    }
}

void TTrStatForm::Button3Click()
{
    settingsDialog_->SettingsCaller = this;
    ControlsEnabled(false);
    OpenOver(this, settingsDialog_);
}

void TTrStatForm::ControlsEnabled(bool enabled)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{LFileName, MemoStat, Button1, Button2, RGShowFormat, Button3})
        control->setEnabled(enabled);
}

void TTrStatForm::closeEvent(QCloseEvent* event)
{
    // The settings dialog opened from here must close first.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    FormClose();
    QWidget::closeEvent(event);
}

void TTrStatForm::FormClose() { ReturnTo(&mainWindow_); }

}  // namespace qm
