#include "ui/colour_scales_group.h"

#include "platform/error.h"
#include "platform/number_text.h"
#include "settings/colour_scale_edit.h"
#include "ui/dialogs.h"
#include "ui/measure_texts.h"
#include "ui/qt_color.h"
#include "ui/qt_text.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <optional>

namespace qm {
namespace {

// Each measure but speed in the order of ColourMeasure: the unit of its
// bounds and, for the heart rate and the power, the unit of the number the
// bounds are percentages of.
struct MeasureCaptions {
    const char* BoundsUnit;
    const char* WholeUnit;
};
constexpr std::array<MeasureCaptions, kColourMeasureCount - 1> kMeasures = {{
    {QT_TRANSLATE_NOOP("qm::ColourScalesGroup", "м"), nullptr},
    {"%", nullptr},
    {QT_TRANSLATE_NOOP("qm::ColourScalesGroup", "% макс. пульса"), QT_TRANSLATE_NOOP("qm::ColourScalesGroup", "уд/мин")},
    {QT_TRANSLATE_NOOP("qm::ColourScalesGroup", "об/мин"), nullptr},
    {QT_TRANSLATE_NOOP("qm::ColourScalesGroup", "% порог. мощности"), QT_TRANSLATE_NOOP("qm::ColourScalesGroup", "Вт")},
    {"°C", nullptr},
}};

// The measure of the group's n-th choice.
ColourMeasure MeasureAt(int n) { return static_cast<ColourMeasure>(n + 1); }

QString Tr(const char* source) { return QCoreApplication::translate("qm::ColourScalesGroup", source); }

QLineEdit* NumberEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("00000") + 12);
    return edit;
}

QIcon SwatchIcon(int32_t color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(ColorOf(color));
    return QIcon(pixmap);
}

QString Number(double value) { return ToQt(FloatToText(value)); }

// A band's range in a unit: "до 60 %", "60–70 %", "свыше 90 %".
QString RangeText(double lower, double upper, const QString& unit)
{
    if (std::isinf(lower)) return Tr(QT_TRANSLATE_NOOP("qm::ColourScalesGroup", "до %1 %2")).arg(Number(upper), unit);
    if (std::isinf(upper))
        return Tr(QT_TRANSLATE_NOOP("qm::ColourScalesGroup", "свыше %1 %2")).arg(Number(lower), unit);
    return QString("%1 – %2 %3").arg(Number(lower), Number(upper), unit);
}

// Swatches in rows of this many.
constexpr int kSwatchesInRow = 16;

}  // namespace

ColourScalesGroup::ColourScalesGroup(Dialogs& dialogs, QWidget* parent)
    : QGroupBox(parent), dialogs_(dialogs), scales_(DefaultColourScales())
{
    setObjectName("GBColourScales");
    CreateControls();
}

void ColourScalesGroup::CreateControls()
{
    captions_.Add(this, QT_TR_NOOP("Шкалы цвета по измерениям"));
    measureBox = new QComboBox(this);
    measureBox->setObjectName("CBColourMeasure");
    for (int n = 0; n < int(kMeasures.size()); ++n) measureBox->addItem(ColourMeasureCaption(MeasureAt(n)));
    maxHeartRateEdit = NumberEdit("EMaxHR", this);
    ftpEdit = NumberEdit("EFTP", this);
    boundsEdit = new QLineEdit(this);
    boundsEdit->setObjectName("EColourBounds");
    boundsUnit = new QLabel(this);
    swatchPanel = new QWidget(this);
    swatchGrid = new QGridLayout(swatchPanel);
    swatchGrid->setContentsMargins(0, 0, 0, 0);
    swatchGrid->setSpacing(2);
    swatchGrid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    defaultButton = captions_.Add(new QPushButton(this), QT_TR_NOOP("Шкала по &умолчанию"));
    defaultButton->setObjectName("BColourDefault");

    auto label = [this](const char* caption, QWidget* buddy) {
        auto* label = captions_.Add(new QLabel(this), caption);
        label->setBuddy(buddy);
        return label;
    };
    auto* wholes = new QHBoxLayout;
    wholes->addWidget(measureBox);
    wholes->addSpacing(12);
    wholes->addWidget(label(QT_TR_NOOP("Ма&кс. пульс"), maxHeartRateEdit));
    wholes->addWidget(maxHeartRateEdit);
    wholes->addWidget(captions_.Add(new QLabel(this), kMeasures[2].WholeUnit));
    wholes->addSpacing(12);
    wholes->addWidget(label(QT_TR_NOOP("Порог. мо&щность"), ftpEdit));
    wholes->addWidget(ftpEdit);
    wholes->addWidget(captions_.Add(new QLabel(this), kMeasures[4].WholeUnit));
    wholes->addStretch();
    auto* bounds = new QHBoxLayout;
    bounds->addWidget(boundsEdit, 1);
    bounds->addWidget(boundsUnit);
    auto* colours = new QHBoxLayout;
    colours->addWidget(swatchPanel, 1);
    colours->addWidget(defaultButton, 0, Qt::AlignTop);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label(QT_TR_NOOP("Изм&ерение"), measureBox), 0, 0);
    layout->addLayout(wholes, 0, 1);
    layout->addWidget(label(QT_TR_NOOP("Гра&ницы полос"), boundsEdit), 1, 0);
    layout->addLayout(bounds, 1, 1);
    layout->addWidget(captions_.Add(new QLabel(this), QT_TR_NOOP("Цвета полос")), 2, 0, Qt::AlignTop);
    layout->addLayout(colours, 2, 1);
    Retranslate();
    // Room for the most bands, so that the fixed dialog need not grow.
    const QSize swatch = swatches.front()->sizeHint();
    const int rows = (kMostColourBands + kSwatchesInRow - 1) / kSwatchesInRow;
    swatchPanel->setFixedHeight(rows * swatch.height() + (rows - 1) * swatchGrid->spacing());
    swatchPanel->setMinimumWidth(kSwatchesInRow * (swatch.width() + swatchGrid->spacing()));

    connect(measureBox, &QComboBox::currentIndexChanged, this, &ColourScalesGroup::MeasureChosen);
    connect(boundsEdit, &QLineEdit::textChanged, this, &ColourScalesGroup::BoundsEdited);
    for (QLineEdit* whole : {maxHeartRateEdit, ftpEdit})
        connect(whole, &QLineEdit::textChanged, this, &ColourScalesGroup::ShowSwatches);
    connect(defaultButton, &QPushButton::clicked, this, &ColourScalesGroup::RestoreDefault);
}

void ColourScalesGroup::Retranslate()
{
    captions_.Retranslate();
    for (int i = 0; i < measureBox->count(); ++i) measureBox->setItemText(i, ColourMeasureCaption(MeasureAt(i)));
    // As wide as the widest unit: the bounds field keeps its width from measure to measure.
    int unitWidth = 0;
    for (const MeasureCaptions& measure : kMeasures)
        unitWidth = std::max(unitWidth, boundsUnit->fontMetrics().horizontalAdvance(Tr(measure.BoundsUnit)));
    boundsUnit->setMinimumWidth(unitWidth);
    boundsUnit->setText(Tr(kMeasures[shown_].BoundsUnit));
    boundsEdit->setPlaceholderText(tr("нет: ровные шаги по значениям каждого трека"));
    const QString ftp = tr("Функциональная пороговая мощность (FTP): её проценты - границы шкалы мощности");
    ftpEdit->setToolTip(ftp);
    maxHeartRateEdit->setToolTip(tr("Максимальный пульс: его проценты - границы шкалы пульса"));
    defaultButton->setToolTip(tr("Границы и цвета, которые шкала имела изначально"));
    ShowSwatches();
}

void ColourScalesGroup::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QGroupBox::changeEvent(event);
}

ColourMeasure ColourScalesGroup::Measure() const { return MeasureAt(shown_); }

ColourScale& ColourScalesGroup::Scale() { return ScaleOf(scales_, Measure()); }

void ColourScalesGroup::Fill(const Settings& settings)
{
    scales_ = settings.ColourScales;
    for (size_t i = 0; i < scales_.size(); ++i) boundsTexts_[i] = ToQt(BoundsEditText(scales_[i].Bounds));
    maxHeartRateEdit->setText(Number(settings.MAXHR));
    ftpEdit->setText(Number(settings.FTP));
    boundsEdit->setText(boundsTexts_[shown_]);
    ShowSwatches();
}

void ColourScalesGroup::MeasureChosen(int index)
{
    boundsTexts_[shown_] = boundsEdit->text();
    shown_ = index;
    boundsEdit->setText(boundsTexts_[shown_]);
    boundsUnit->setText(Tr(kMeasures[shown_].BoundsUnit));
    ShowSwatches();
}

void ColourScalesGroup::BoundsEdited()
{
    // The swatches follow the bounds as long as they read; a typo keeps the last ones.
    try {
        Scale().Bounds = ParseTypedBounds(TextOf(boundsEdit));
    } catch (const Error&) {
        return;
    }
    ShowSwatches();
}

void ColourScalesGroup::ShowSwatches()
{
    const std::vector<int32_t> colors = ShownColors(Scale());
    while (swatches.size() > colors.size()) {
        delete swatches.back();
        swatches.pop_back();
    }
    while (swatches.size() < colors.size()) {
        const size_t k = swatches.size();
        auto* swatch = new QToolButton(swatchPanel);
        swatch->setObjectName(QString("Colour%1").arg(k + 1));
        swatch->setIconSize(QSize(16, 16));
        swatchGrid->addWidget(swatch, static_cast<int>(k) / kSwatchesInRow, static_cast<int>(k) % kSwatchesInRow);
        connect(swatch, &QToolButton::clicked, this, [this, k] { ChooseColor(k); });
        // In the tab order between the bounds and the default button.
        setTabOrder(k == 0 ? static_cast<QWidget*>(boundsEdit) : swatches.back(), swatch);
        setTabOrder(swatch, defaultButton);
        swatches.push_back(swatch);
    }
    // The bounds in the unit of the values too, while the number they are percentages of reads.
    const char* wholeUnit = kMeasures[shown_].WholeUnit;
    const QLineEdit* wholeEdit = Measure() == ColourMeasure::HeartRate ? maxHeartRateEdit : ftpEdit;
    const double whole = wholeUnit ? TryTextToFloat(TextOf(wholeEdit)).value_or(0) : 0;
    const std::vector<double>& bounds = Scale().Bounds;
    for (size_t k = 0; k < colors.size(); ++k) {
        swatches[k]->setIcon(SwatchIcon(colors[k]));
        QString tip = boundsEdit->placeholderText();
        if (!bounds.empty()) {
            const double lower = k == 0 ? -INFINITY : bounds[k - 1];
            const double upper = k == bounds.size() ? INFINITY : bounds[k];
            tip = RangeText(lower, upper, Tr(kMeasures[shown_].BoundsUnit));
            if (whole > 0)
                tip += QString(" (%1)").arg(RangeText(lower * whole / 100, upper * whole / 100, Tr(wholeUnit)));
        }
        swatches[k]->setToolTip(tip + "\n" + tr("Щелчок - выбор цвета"));
    }
}

void ColourScalesGroup::ChooseColor(size_t swatch)
{
    const std::optional<int32_t> color = dialogs_.ChooseColor(ShownColors(Scale()).at(swatch));
    if (!color) return;
    Scale().Colors = WithShownColor(Scale(), swatch, *color);
    ShowSwatches();
}

void ColourScalesGroup::RestoreDefault()
{
    Scale() = ScaleOf(DefaultColourScales(), Measure());
    boundsEdit->setText(ToQt(BoundsEditText(Scale().Bounds)));
    ShowSwatches();
}

void ColourScalesGroup::Convert(Settings& settings)
{
    boundsTexts_[shown_] = boundsEdit->text();
    ColourScales scales = scales_;
    for (size_t i = 0; i < scales.size(); ++i) {
        try {
            scales[i].Bounds = ParseTypedBounds(ToStd(boundsTexts_[i]));
        } catch (const Error& error) {
            measureBox->setCurrentIndex(static_cast<int>(i));
            boundsEdit->setFocus();
            throw Error(ToStd(tr("Шкала «%1»: %2").arg(ColourMeasureCaption(MeasureAt(static_cast<int>(i))), QString::fromStdString(error.what()))));
        }
    }
    // The number of the field within its limits; else the field takes the focus and the message is thrown.
    auto within = [](QLineEdit* edit, ValueLimits limits, const QString& message) {
        const std::optional<double> value = TryTextToFloat(TextOf(edit));
        if (value && limits.Hold(*value)) return *value;
        edit->setFocus();
        throw Error(ToStd(message.arg(limits.Low).arg(limits.High)));
    };
    const double maxHeartRate =
        within(maxHeartRateEdit, kMaxHeartRateLimits, tr("Макс. пульс должен быть от %1 до %2 уд/мин"));
    const double ftp = within(ftpEdit, kFtpLimits, tr("Пороговая мощность (FTP) должна быть от %1 до %2 Вт"));
    settings.ColourScales = scales;
    settings.MAXHR = maxHeartRate;
    settings.FTP = ftp;
}

}  // namespace qm
