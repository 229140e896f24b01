#include "ui/settings_dialog.h"

#include "platform/error.h"
#include "platform/number_text.h"
#include "ui/colour_scales_group.h"
#include "ui/dialog_keys.h"
#include "ui/dialogs.h"
#include "ui/focus_events.h"
#include "ui/interface_language.h"
#include "ui/qt_text.h"
#include "ui/widgets/spin_edit.h"
#include "ui/window_flags.h"
#include "ui/window_lock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {
namespace {

// Marked for lupdate in the dialog's context.
constexpr std::array<const char*, 3> kLevelCaptions = {QT_TRANSLATE_NOOP("qm::SettingsDialog", "Трек в целом"),
                                                       QT_TRANSLATE_NOOP("qm::SettingsDialog", "День"),
                                                       QT_TRANSLATE_NOOP("qm::SettingsDialog", "Фрагмент")};
constexpr std::array<const char*, 12> kFieldCaptions = {
    QT_TRANSLATE_NOOP("qm::SettingsDialog", "Фрагмент"),        QT_TRANSLATE_NOOP("qm::SettingsDialog", "Дата"),
    QT_TRANSLATE_NOOP("qm::SettingsDialog", "Растояние"),       QT_TRANSLATE_NOOP("qm::SettingsDialog", "Общее время"),
    QT_TRANSLATE_NOOP("qm::SettingsDialog", "Время движения"),  QT_TRANSLATE_NOOP("qm::SettingsDialog", "Ср. скор. общ."),
    QT_TRANSLATE_NOOP("qm::SettingsDialog", "Ср. скор. движ."), QT_TRANSLATE_NOOP("qm::SettingsDialog", "Набор высоты"),
    QT_TRANSLATE_NOOP("qm::SettingsDialog", "Мин. высота"),     QT_TRANSLATE_NOOP("qm::SettingsDialog", "Макс. высота"),
    QT_TRANSLATE_NOOP("qm::SettingsDialog", "Первая точка"),    QT_TRANSLATE_NOOP("qm::SettingsDialog", "Последняя точка")};

QLineEdit* NumberEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("0000000000") + 12);
    return edit;
}

QLineEdit* DelimiterEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(1);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("00") + 16);
    return edit;
}

// One row of a parameter grid: caption (a label or a check box), field, unit.
void AddRow(Captions& captions, QGridLayout* grid, QWidget* caption, QWidget* field, const char* unit)
{
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    if (*unit) grid->addWidget(captions.Add(new QLabel(caption->parentWidget()), unit), row, 2);
}

// The caption's Alt letter moves the focus into the field.
void AddRow(Captions& captions, QGridLayout* grid, const char* caption, QWidget* field, const char* unit)
{
    auto* label = captions.Add(new QLabel(field->parentWidget()), caption);
    label->setBuddy(field->focusProxy() ? field->focusProxy() : field);
    AddRow(captions, grid, label, field, unit);
}

int ColumnWidth(const QGridLayout* grid, int column)
{
    int width = 0;
    for (int row = 0; row < grid->rowCount(); ++row)
        if (const QLayoutItem* item = grid->itemAtPosition(row, column))
            width = std::max(width, item->sizeHint().width());
    return width;
}

QString DelimiterText(const std::string& delimiter) { return ToQt(delimiter); }

// A delimiter is one character, kept in UTF-8 like every text of the core.
std::string DelimiterOf(const QString& text) { return ToStd(text.left(1)); }

}  // namespace

SettingsDialog::SettingsDialog(Settings& settings, Dialogs& dialogs)
    : QWidget(nullptr, kDialogFrame), settings_(settings), dialogs_(dialogs)
{
    setObjectName("TrStFmSett");
    CreateControls();
    UseDialogKeys(this, okButton, cancelButton);
}

void SettingsDialog::CreateControls()
{
    visualGroup = captions_.Add(new QGroupBox(this), QT_TR_NOOP("Визуализация"));
    visualGroup->setObjectName("GBVisParam");
    intervalEdit = NumberEdit("EIntrvl", visualGroup);
    widthEdit = NumberEdit("ETrWidth", visualGroup);
    dispersionEdit = NumberEdit("EDiss", visualGroup);
    // In the order of OutputFormat.
    outputFormatBox = new QComboBox(visualGroup);
    outputFormatBox->setObjectName("CBOutFormat");
    outputFormatBox->addItems({"OziExplorer (.plt, .wpt)", "GPX", "KML"});
    auto* visual = new QGridLayout(visualGroup);
    AddRow(captions_, visual, QT_TR_NOOP("&Интервал расчета"), intervalEdit, QT_TR_NOOP("мин."));
    AddRow(captions_, visual, QT_TR_NOOP("&Ширина трека в OZI"), widthEdit, QT_TR_NOOP("пикс."));
    AddRow(captions_, visual, QT_TR_NOOP("&Границы сл. разброса"), dispersionEdit, QT_TR_NOOP("м"));
    AddRow(captions_, visual, QT_TR_NOOP("&Формат результата"), outputFormatBox, "");

    statisticsGroup = captions_.Add(new QGroupBox(this), QT_TR_NOOP("Статистика"));
    statisticsGroup->setObjectName("GBCalcParam");
    minSpeedEdit = NumberEdit("EMinSpd", statisticsGroup);
    distanceSplitBox = captions_.Add(new QCheckBox(statisticsGroup), QT_TR_NOOP("&Разрыв по дистанции"));
    distanceSplitBox->setObjectName("CBSpltDist");
    maxBreakEdit = NumberEdit("EDistBrk", statisticsGroup);
    timeSplitBox = captions_.Add(new QCheckBox(statisticsGroup), QT_TR_NOOP("Разрыв по &времени"));
    timeSplitBox->setObjectName("CBSpltTime");
    maxStopEdit = NumberEdit("ETimeBrk", statisticsGroup);
    maxSlopeEdit = NumberEdit("ECritSlope", statisticsGroup);
    heightSpanEdit = NumberEdit("EMaxHgtSpan", statisticsGroup);
    gmtSpin = new SpinEdit(-11, 11, "EGMTmod", "UpDown1", statisticsGroup);
    gmtEdit = gmtSpin->Edit();
    gmtSpin->setFixedWidth(minSpeedEdit->minimumWidth());
    auto* calc = new QGridLayout(statisticsGroup);
    AddRow(captions_, calc, QT_TR_NOOP("&Мин. скорость"), minSpeedEdit, QT_TR_NOOP("км/ч"));
    AddRow(captions_, calc, distanceSplitBox, maxBreakEdit, QT_TR_NOOP("км"));
    AddRow(captions_, calc, timeSplitBox, maxStopEdit, QT_TR_NOOP("мин."));
    AddRow(captions_, calc, QT_TR_NOOP("&Предельный уклон"), maxSlopeEdit, QT_TR_NOOP("м/км"));
    AddRow(captions_, calc, QT_TR_NOOP("Ш&аг расчета высоты"), heightSpanEdit, QT_TR_NOOP("м"));
    AddRow(captions_, calc, QT_TR_NOOP("П&оправка к GMT"), gmtSpin, QT_TR_NOOP("ч."));
    // The fields of both groups in one column.
    for (int column : {0, 2}) {
        const int width = std::max(ColumnWidth(visual, column), ColumnWidth(calc, column));
        visual->setColumnMinimumWidth(column, width);
        calc->setColumnMinimumWidth(column, width);
    }
    visual->setColumnStretch(3, 1);
    calc->setColumnStretch(3, 1);

    reportGroup = captions_.Add(new QGroupBox(this), QT_TR_NOOP("Вывод статистики"));
    reportGroup->setObjectName("GBStatFmSett");

    fieldGroup = captions_.Add(new QGroupBox(reportGroup), QT_TR_NOOP("Данные"));
    fieldGroup->setObjectName("GBFields");
    auto* fields = new QGridLayout(fieldGroup);
    for (size_t i = 0; i < fieldBoxes.size(); ++i) {
        fieldBoxes[i] = captions_.Add(new QCheckBox(fieldGroup), kFieldCaptions[i]);
        fieldBoxes[i]->setObjectName(QString("Field%1").arg(i + 1));
        fields->addWidget(fieldBoxes[i], static_cast<int>(i % 6), static_cast<int>(i / 6));
    }
    // The part and the date column are always there.
    fieldBoxes[0]->setEnabled(false);
    fieldBoxes[1]->setEnabled(false);

    levelGroup = captions_.Add(new QGroupBox(reportGroup), QT_TR_NOOP("Уровень группировки"));
    levelGroup->setObjectName("GBLevels");
    auto* levels = new QVBoxLayout(levelGroup);
    for (size_t i = 0; i < levelBoxes.size(); ++i) {
        levelBoxes[i] = captions_.Add(new QCheckBox(levelGroup), kLevelCaptions[i]);
        levelBoxes[i]->setObjectName(QString("CBLevel%1").arg(i));
        levels->addWidget(levelBoxes[i]);
    }

    delimiterGroup = captions_.Add(new QGroupBox(reportGroup), QT_TR_NOOP("Разделители"));
    delimiterGroup->setObjectName("GBDelims");
    decimalDelimiterEdit = DelimiterEdit("EDecDelim", delimiterGroup);
    fieldDelimiterEdit = DelimiterEdit("EFieldDelim", delimiterGroup);
    ruleDelimiterEdit = DelimiterEdit("EHorDelim", delimiterGroup);
    auto* delims = new QGridLayout(delimiterGroup);
    AddRow(captions_, delims, QT_TR_NOOP("&Дробной части"), decimalDelimiterEdit, "");
    AddRow(captions_, delims, QT_TR_NOOP("По&лей данных"), fieldDelimiterEdit, "");
    AddRow(captions_, delims, QT_TR_NOOP("Гори&зонтальный"), ruleDelimiterEdit, "");

    digitsSpin = new SpinEdit(0, 2, "ENumDigits", "UpDown2", reportGroup);
    digitsEdit = digitsSpin->Edit();
    digitsEdit->setMaxLength(1);
    digitsSpin->setFixedWidth(decimalDelimiterEdit->minimumWidth() + 20);
    auto* digits = new QHBoxLayout;
    auto* digitsLabel = captions_.Add(new QLabel(reportGroup), QT_TR_NOOP("&Точность чисел"));
    digitsLabel->setBuddy(digitsEdit);
    digits->addWidget(digitsLabel);
    digits->addWidget(digitsSpin);
    digits->addWidget(captions_.Add(new QLabel(reportGroup), QT_TR_NOOP("(знаков после запятой)")));
    digits->addStretch();

    auto* levelsAndDelims = new QHBoxLayout;
    levelsAndDelims->addWidget(levelGroup);
    levelsAndDelims->addWidget(delimiterGroup);
    auto* output = new QVBoxLayout(reportGroup);
    output->addWidget(fieldGroup);
    output->addLayout(levelsAndDelims);
    output->addLayout(digits);
    output->addStretch();

    // The languages by their own names, whichever is shown; in the order of Language.
    languageBox = new QComboBox(this);
    languageBox->setObjectName("CBLanguage");
    languageBox->addItems({"Русский", "English"});
    auto* languageLabel = captions_.Add(new QLabel(this), QT_TR_NOOP("&Язык интерфейса"));
    languageLabel->setBuddy(languageBox);
    auto* language = new QHBoxLayout;
    language->addWidget(languageLabel);
    language->addWidget(languageBox);
    language->addStretch();

    colourScalesGroup = new ColourScalesGroup(dialogs_, this);

    saveAtExitBox = captions_.Add(new QCheckBox(this), QT_TR_NOOP("Сохранять настройки при выходе"));
    saveAtExitBox->setObjectName("CBSaveSettings");
    saveAtExitBox->setChecked(true);
    okButton = captions_.Add(new QPushButton(this), QT_TR_NOOP("Принять"));
    okButton->setObjectName("SFOK");
    cancelButton = captions_.Add(new QPushButton(this), QT_TR_NOOP("Отменить"));
    cancelButton->setObjectName("SFCancel");

    auto* parameters = new QVBoxLayout;
    parameters->addWidget(visualGroup);
    parameters->addWidget(statisticsGroup);
    parameters->addLayout(language);
    parameters->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addLayout(parameters);
    groups->addWidget(reportGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveAtExitBox);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(colourScalesGroup);
    layout->addLayout(buttons);
    Retranslate();
    // A fixed frame: the designed size unless the fonts need more.
    setFixedSize(layout->sizeHint().expandedTo(QSize(578, 365)));

    connect(okButton, &QPushButton::clicked, this, &SettingsDialog::Accept);
    connect(cancelButton, &QPushButton::clicked, this, &SettingsDialog::Cancel);
    connect(distanceSplitBox, &QCheckBox::toggled, this, &SettingsDialog::DistanceSplitToggled);
    connect(timeSplitBox, &QCheckBox::toggled, this, &SettingsDialog::TimeSplitToggled);
    OnExit(digitsEdit, [this] { CheckDigits(); });
    for (QLineEdit* field : {decimalDelimiterEdit, fieldDelimiterEdit, ruleDelimiterEdit})
        OnExit(field, [this, field] { CheckNotEmpty(field); });
}

void SettingsDialog::Retranslate()
{
    setWindowTitle(tr("Настройки расчета и вывода"));
    captions_.Retranslate();
}

void SettingsDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

bool SettingsDialog::SaveSettingsAtClose() const { return saveAtExitBox->isChecked(); }

void SettingsDialog::showEvent(QShowEvent* event)
{
    // A window restored by the window system is no opening either.
    if (!event->spontaneous()) opening_ = true;
    QWidget::showEvent(event);
}

bool SettingsDialog::event(QEvent* event)
{
    // Coming back from one of the program's own message boxes is no opening:
    // the fields keep what the user typed.
    if (event->type() == QEvent::WindowActivate && opening_) {
        opening_ = false;
        Activated();
    }
    return QWidget::event(event);
}

void SettingsDialog::Activated()
{
    const Settings& s = settings_;
    intervalEdit->setText(ToQt(FloatToText(s.TIMEINTRVL)));
    widthEdit->setText(ToQt(IntToText(s.TRACKWIDTH)));
    dispersionEdit->setText(ToQt(IntToText(s.DISPERSION)));
    outputFormatBox->setCurrentIndex(static_cast<int>(s.OUTFORMAT));
    minSpeedEdit->setText(ToQt(FloatToText(s.MINSPD)));
    distanceSplitBox->setChecked(s.SPLTDIST);
    maxBreakEdit->setText(ToQt(FloatToText(s.MAXBREAK)));
    timeSplitBox->setChecked(s.SPLTTIME);
    maxStopEdit->setText(ToQt(FloatToText(s.MAXSTOP)));
    maxSlopeEdit->setText(ToQt(FloatToText(s.MAXSLOPE)));
    heightSpanEdit->setText(ToQt(FloatToText(s.HGTSPAN)));
    gmtEdit->setText(ToQt(IntToText(s.GMTMOD)));
    for (size_t i = 0; i < fieldBoxes.size(); ++i) fieldBoxes[i]->setChecked(s.SHOWFIELD[i]);
    for (size_t i = 0; i < levelBoxes.size(); ++i) levelBoxes[i]->setChecked(s.SHOWLEVEL[i]);
    decimalDelimiterEdit->setText(DelimiterText(s.DECDELIM));
    fieldDelimiterEdit->setText(DelimiterText(s.FIELDDELIM));
    ruleDelimiterEdit->setText(DelimiterText(s.HORDELIM));
    digitsEdit->setText(ToQt(IntToText(s.NUMDIGITS)));
    languageBox->setCurrentIndex(static_cast<int>(s.LANGUAGE));
    colourScalesGroup->Fill(s);
    DistanceSplitToggled();
    TimeSplitToggled();
}

void SettingsDialog::DistanceSplitToggled() { maxBreakEdit->setEnabled(distanceSplitBox->isChecked()); }

void SettingsDialog::TimeSplitToggled() { maxStopEdit->setEnabled(timeSplitBox->isChecked()); }

void SettingsDialog::ConvertFields(Settings& s) const
{
    s.TIMEINTRVL = TextToFloat(TextOf(intervalEdit));
    s.TRACKWIDTH = TextToInt(TextOf(widthEdit));
    s.DISPERSION = TextToInt(TextOf(dispersionEdit));
    s.OUTFORMAT = static_cast<OutputFormat>(outputFormatBox->currentIndex());
    s.MINSPD = TextToFloat(TextOf(minSpeedEdit));
    s.SPLTDIST = distanceSplitBox->isChecked();
    s.MAXBREAK = TextToFloat(TextOf(maxBreakEdit));
    s.SPLTTIME = timeSplitBox->isChecked();
    s.MAXSTOP = TextToFloat(TextOf(maxStopEdit));
    s.MAXSLOPE = TextToFloat(TextOf(maxSlopeEdit));
    s.HGTSPAN = TextToFloat(TextOf(heightSpanEdit));
    s.GMTMOD = TextToInt(TextOf(gmtEdit));
    for (size_t i = 0; i < fieldBoxes.size(); ++i) s.SHOWFIELD[i] = fieldBoxes[i]->isChecked();
    for (size_t i = 0; i < levelBoxes.size(); ++i) s.SHOWLEVEL[i] = levelBoxes[i]->isChecked();
    // An emptied delimiter keeps its value.
    if (!decimalDelimiterEdit->text().isEmpty()) s.DECDELIM = DelimiterOf(decimalDelimiterEdit->text());
    if (!fieldDelimiterEdit->text().isEmpty()) s.FIELDDELIM = DelimiterOf(fieldDelimiterEdit->text());
    if (!ruleDelimiterEdit->text().isEmpty()) s.HORDELIM = DelimiterOf(ruleDelimiterEdit->text());
    s.NUMDIGITS = TextToInt(TextOf(digitsEdit));
    s.LANGUAGE = static_cast<Language>(languageBox->currentIndex());
    colourScalesGroup->Convert(s);
}

void SettingsDialog::Accept()
{
    // Every field converts before any is stored: a refused OK stores nothing.
    Settings edited = settings_;
    try {
        ConvertFields(edited);
    } catch (const Error& error) {
        dialogs_.ShowError(error.what());
        return;
    }
    const bool languageChanged = edited.LANGUAGE != settings_.LANGUAGE;
    settings_ = edited;
    settings_.SettingsChanged = true;
    if (languageChanged) InstallInterfaceLanguage(settings_.LANGUAGE);
    emit Accepted();
    close();
}

void SettingsDialog::Cancel() { close(); }

void SettingsDialog::hideEvent(QHideEvent* event)
{
    // Closed in any way; a window the window system minimises stays open.
    if (!event->spontaneous() && openedFrom) ReturnTo(openedFrom);
    QWidget::hideEvent(event);
}

void SettingsDialog::CheckDigits()
{
    if (!digitsEdit->isModified()) return;
    const std::string text = TextOf(digitsEdit);
    if (text > "2" || text < "0") {
        dialogs_.ShowMessage(ToStd(tr("Значение должно быть от 0 до 2.")));
        ReturnFocus(digitsEdit);
    }
}

void SettingsDialog::CheckNotEmpty(QLineEdit* field)
{
    if (!field->text().isEmpty()) return;
    dialogs_.ShowMessage(ToStd(tr("Введите разделитель.")));
    ReturnFocus(field);
}

}  // namespace qm
