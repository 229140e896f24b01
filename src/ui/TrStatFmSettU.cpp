#include "ui/TrStatFmSettU.h"

#include "platform/error.h"
#include "platform/number_text.h"
#include "ui/dialog_keys.h"
#include "ui/dialogs.h"
#include "ui/focus_events.h"
#include "ui/qt_text.h"
#include "ui/spin_edit.h"
#include "ui/window_flags.h"
#include "ui/window_lock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qm {
namespace {

constexpr std::array<const char*, 3> kLevelCaptions = {"Трек в целом", "День", "Фрагмент"};
constexpr std::array<const char*, 12> kFieldCaptions = {
    "Фрагмент",      "Дата",           "Растояние",    "Общее время", "Время движения", "Ср. скор. общ.",
    "Ср. скор. движ.", "Набор высоты", "Мин. высота", "Макс. высота", "Первая точка",   "Последняя точка"};

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
void AddRow(QGridLayout* grid, QWidget* caption, QWidget* field, const char* unit)
{
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    if (*unit) grid->addWidget(new QLabel(unit, caption->parentWidget()), row, 2);
}

void AddRow(QGridLayout* grid, const char* caption, QWidget* field, const char* unit)
{
    AddRow(grid, new QLabel(caption, field->parentWidget()), field, unit);
}

QString DelimiterText(char c) { return QString(QChar::fromLatin1(c)); }

// A delimiter is one byte: characters beyond Latin-1 become "?".
char DelimiterOf(const QString& text) { return text.at(0).toLatin1() ? text.at(0).toLatin1() : '?'; }

}  // namespace

TTrStFmSett::TTrStFmSett(Settings& settings, Dialogs& dialogs)
    : QWidget(nullptr, kDialogFrame), settings_(settings), dialogs_(dialogs)
{
    setObjectName("TrStFmSett");
    setWindowTitle("Настройки расчета и вывода");
    CreateControls();
    UseDialogKeys(this, SFOK, SFCancel);
}

void TTrStFmSett::CreateControls()
{
    GBVisParam = new QGroupBox("Визуализация", this);
    GBVisParam->setObjectName("GBVisParam");
    EIntrvl = NumberEdit("EIntrvl", GBVisParam);
    ETrWidth = NumberEdit("ETrWidth", GBVisParam);
    EDiss = NumberEdit("EDiss", GBVisParam);
    // In the order of OutputFormat.
    CBOutFormat = new QComboBox(GBVisParam);
    CBOutFormat->setObjectName("CBOutFormat");
    CBOutFormat->addItems({"OziExplorer (.plt, .wpt)", "GPX", "KML"});
    auto* visual = new QGridLayout(GBVisParam);
    AddRow(visual, "Интервал расчета", EIntrvl, "мин.");
    AddRow(visual, "Ширина трека в OZI", ETrWidth, "пикс.");
    AddRow(visual, "Границы сл. разброса", EDiss, "м");
    AddRow(visual, "Формат результата", CBOutFormat, "");

    GBCalcParam = new QGroupBox("Статистика", this);
    GBCalcParam->setObjectName("GBCalcParam");
    EMinSpd = NumberEdit("EMinSpd", GBCalcParam);
    CBSpltDist = new QCheckBox("Разрыв по дистанции", GBCalcParam);
    CBSpltDist->setObjectName("CBSpltDist");
    EDistBrk = NumberEdit("EDistBrk", GBCalcParam);
    CBSpltTime = new QCheckBox("Разрыв по времени", GBCalcParam);
    CBSpltTime->setObjectName("CBSpltTime");
    ETimeBrk = NumberEdit("ETimeBrk", GBCalcParam);
    ECritSlope = NumberEdit("ECritSlope", GBCalcParam);
    EMaxHgtSpan = NumberEdit("EMaxHgtSpan", GBCalcParam);
    GMTmodSpin = new SpinEdit(-11, 11, "EGMTmod", "UpDown1", GBCalcParam);
    EGMTmod = GMTmodSpin->Edit();
    GMTmodSpin->setFixedWidth(EMinSpd->minimumWidth());
    auto* calc = new QGridLayout(GBCalcParam);
    AddRow(calc, "Мин. скорость", EMinSpd, "км/ч");
    AddRow(calc, CBSpltDist, EDistBrk, "км");
    AddRow(calc, CBSpltTime, ETimeBrk, "мин.");
    AddRow(calc, "Предельный уклон", ECritSlope, "м/км");
    AddRow(calc, "Шаг расчета высоты", EMaxHgtSpan, "м");
    AddRow(calc, "Поправка к GMT", GMTmodSpin, "ч.");

    GBStatFmSett = new QGroupBox("Вывод статистики", this);
    GBStatFmSett->setObjectName("GBStatFmSett");

    GBFields = new QGroupBox("Данные", GBStatFmSett);
    GBFields->setObjectName("GBFields");
    auto* fields = new QGridLayout(GBFields);
    for (size_t i = 0; i < Field.size(); ++i) {
        Field[i] = new QCheckBox(kFieldCaptions[i], GBFields);
        Field[i]->setObjectName(QString("Field%1").arg(i + 1));
        fields->addWidget(Field[i], static_cast<int>(i % 6), static_cast<int>(i / 6));
    }
    // The part and the date column are always there.
    Field[0]->setEnabled(false);
    Field[1]->setEnabled(false);

    GBLevels = new QGroupBox("Уровень группировки", GBStatFmSett);
    GBLevels->setObjectName("GBLevels");
    auto* levels = new QVBoxLayout(GBLevels);
    for (size_t i = 0; i < CBLevel.size(); ++i) {
        CBLevel[i] = new QCheckBox(kLevelCaptions[i], GBLevels);
        CBLevel[i]->setObjectName(QString("CBLevel%1").arg(i));
        levels->addWidget(CBLevel[i]);
    }

    GBDelims = new QGroupBox("Разделители", GBStatFmSett);
    GBDelims->setObjectName("GBDelims");
    EDecDelim = DelimiterEdit("EDecDelim", GBDelims);
    EFieldDelim = DelimiterEdit("EFieldDelim", GBDelims);
    EHorDelim = DelimiterEdit("EHorDelim", GBDelims);
    auto* delims = new QGridLayout(GBDelims);
    AddRow(delims, "Дробной части", EDecDelim, "");
    AddRow(delims, "Полей данных", EFieldDelim, "");
    AddRow(delims, "Горизонтальный", EHorDelim, "");

    NumDigitsSpin = new SpinEdit(0, 2, "ENumDigits", "UpDown2", GBStatFmSett);
    ENumDigits = NumDigitsSpin->Edit();
    ENumDigits->setMaxLength(1);
    NumDigitsSpin->setFixedWidth(EDecDelim->minimumWidth() + 20);
    auto* digits = new QHBoxLayout;
    digits->addWidget(new QLabel("Точность чисел", GBStatFmSett));
    digits->addWidget(NumDigitsSpin);
    digits->addWidget(new QLabel("(знаков после запятой)", GBStatFmSett));
    digits->addStretch();

    auto* levelsAndDelims = new QHBoxLayout;
    levelsAndDelims->addWidget(GBLevels);
    levelsAndDelims->addWidget(GBDelims);
    auto* output = new QVBoxLayout(GBStatFmSett);
    output->addWidget(GBFields);
    output->addLayout(levelsAndDelims);
    output->addLayout(digits);
    output->addStretch();

    CBSaveSettings = new QCheckBox("Сохранять настройки при выходе", this);
    CBSaveSettings->setObjectName("CBSaveSettings");
    CBSaveSettings->setChecked(true);
    SFOK = new QPushButton("Принять", this);
    SFOK->setObjectName("SFOK");
    SFCancel = new QPushButton("Отменить", this);
    SFCancel->setObjectName("SFCancel");

    auto* parameters = new QVBoxLayout;
    parameters->addWidget(GBVisParam);
    parameters->addWidget(GBCalcParam);
    parameters->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addLayout(parameters);
    groups->addWidget(GBStatFmSett);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CBSaveSettings);
    buttons->addStretch();
    buttons->addWidget(SFOK);
    buttons->addWidget(SFCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(SFOK, &QPushButton::clicked, this, &TTrStFmSett::SFOKClick);
    connect(SFCancel, &QPushButton::clicked, this, &TTrStFmSett::SFCancelClick);
    connect(CBSpltDist, &QCheckBox::toggled, this, &TTrStFmSett::CBSpltDistClick);
    connect(CBSpltTime, &QCheckBox::toggled, this, &TTrStFmSett::CBSpltTimeClick);
    OnExit(ENumDigits, [this] { ENumDigitsExit(); });
    for (QLineEdit* field : {EDecDelim, EFieldDelim, EHorDelim}) OnExit(field, [this, field] { CheckNotEmpty(field); });
}

bool TTrStFmSett::SaveSettingsAtClose() const { return CBSaveSettings->isChecked(); }

void TTrStFmSett::showEvent(QShowEvent* event)
{
    // A window restored by the window system is no opening either.
    if (!event->spontaneous()) opening_ = true;
    QWidget::showEvent(event);
}

bool TTrStFmSett::event(QEvent* event)
{
    // Coming back from one of the program's own message boxes is no opening:
    // the fields keep what the user typed.
    if (event->type() == QEvent::WindowActivate && opening_) {
        opening_ = false;
        FormActivate();
    }
    return QWidget::event(event);
}

void TTrStFmSett::FormActivate()
{
    const Settings& s = settings_;
    EIntrvl->setText(ToQt(FloatToText(s.TIMEINTRVL)));
    ETrWidth->setText(ToQt(IntToText(s.TRACKWIDTH)));
    EDiss->setText(ToQt(IntToText(s.DISPERSION)));
    CBOutFormat->setCurrentIndex(static_cast<int>(s.OUTFORMAT));
    EMinSpd->setText(ToQt(FloatToText(s.MINSPD)));
    CBSpltDist->setChecked(s.SPLTDIST);
    EDistBrk->setText(ToQt(FloatToText(s.MAXBREAK)));
    CBSpltTime->setChecked(s.SPLTTIME);
    ETimeBrk->setText(ToQt(FloatToText(s.MAXSTOP)));
    ECritSlope->setText(ToQt(FloatToText(s.MAXSLOPE)));
    EMaxHgtSpan->setText(ToQt(FloatToText(s.HGTSPAN)));
    EGMTmod->setText(ToQt(IntToText(s.GMTMOD)));
    for (size_t i = 0; i < Field.size(); ++i) Field[i]->setChecked(s.SHOWFIELD[i]);
    for (size_t i = 0; i < CBLevel.size(); ++i) CBLevel[i]->setChecked(s.SHOWLEVEL[i]);
    EDecDelim->setText(DelimiterText(s.DECDELIM));
    EFieldDelim->setText(DelimiterText(s.FIELDDELIM));
    EHorDelim->setText(DelimiterText(s.HORDELIM));
    ENumDigits->setText(ToQt(IntToText(s.NUMDIGITS)));
    CBSpltDistClick();
    CBSpltTimeClick();
}

void TTrStFmSett::CBSpltDistClick() { EDistBrk->setEnabled(CBSpltDist->isChecked()); }

void TTrStFmSett::CBSpltTimeClick() { ETimeBrk->setEnabled(CBSpltTime->isChecked()); }

void TTrStFmSett::StoreFields()
{
    Settings& s = settings_;
    s.TIMEINTRVL = TextToFloat(TextOf(EIntrvl));
    s.TRACKWIDTH = TextToInt(TextOf(ETrWidth));
    s.DISPERSION = TextToInt(TextOf(EDiss));
    s.OUTFORMAT = static_cast<OutputFormat>(CBOutFormat->currentIndex());
    s.MINSPD = TextToFloat(TextOf(EMinSpd));
    s.SPLTDIST = CBSpltDist->isChecked();
    s.MAXBREAK = TextToFloat(TextOf(EDistBrk));
    s.SPLTTIME = CBSpltTime->isChecked();
    s.MAXSTOP = TextToFloat(TextOf(ETimeBrk));
    s.MAXSLOPE = TextToFloat(TextOf(ECritSlope));
    s.HGTSPAN = TextToFloat(TextOf(EMaxHgtSpan));
    s.GMTMOD = TextToInt(TextOf(EGMTmod));
    for (size_t i = 0; i < Field.size(); ++i) s.SHOWFIELD[i] = Field[i]->isChecked();
    for (size_t i = 0; i < CBLevel.size(); ++i) s.SHOWLEVEL[i] = CBLevel[i]->isChecked();
    // An emptied delimiter keeps its value.
    if (!EDecDelim->text().isEmpty()) s.DECDELIM = DelimiterOf(EDecDelim->text());
    if (!EFieldDelim->text().isEmpty()) s.FIELDDELIM = DelimiterOf(EFieldDelim->text());
    if (!EHorDelim->text().isEmpty()) s.HORDELIM = DelimiterOf(EHorDelim->text());
    s.NUMDIGITS = TextToInt(TextOf(ENumDigits));
}

void TTrStFmSett::SFOKClick()
{
    try {
        StoreFields();
    } catch (const Error& error) {
        dialogs_.ShowError(error.what());
        return;
    }
    settings_.SettingsChanged = true;
    close();
}

void TTrStFmSett::SFCancelClick() { close(); }

void TTrStFmSett::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TTrStFmSett::FormClose()
{
    if (SettingsCaller) ReturnTo(SettingsCaller);
}

void TTrStFmSett::ENumDigitsExit()
{
    if (!ENumDigits->isModified()) return;
    const std::string text = TextOf(ENumDigits);
    if (text > "2" || text < "0") {
        dialogs_.ShowMessage("Значение должно быть от 0 до 2.");
        ReturnFocus(ENumDigits);
    }
}

void TTrStFmSett::CheckNotEmpty(QLineEdit* field)
{
    if (!field->text().isEmpty()) return;
    dialogs_.ShowMessage("Введите разделитель.");
    ReturnFocus(field);
}

}  // namespace qm
