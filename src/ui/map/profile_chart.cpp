#include "ui/map/profile_chart.h"

#include "platform/number_text.h"
#include "platform/path_text.h"
#include "ui/interface_language.h"
#include "ui/map/map_marks.h"
#include "ui/measure_texts.h"
#include "ui/map/profile_layers.h"
#include "ui/qt_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {
namespace {

// Pixels of a bar column.
constexpr int kColumnPixels = 2;

// How each measure is offered and drawn, in the order of Measure.
struct MeasureLook {
    const char* Name;
    const char* Title;
    QColor Color;
};
const MeasureLook kMeasureLooks[kMeasureCount] = {
    {QT_TRANSLATE_NOOP("qm::ProfileChart", "Пульс"), QT_TRANSLATE_NOOP("qm::ProfileChart", "Пульс, уд/мин"), QColor(210, 0, 70)},
    {QT_TRANSLATE_NOOP("qm::ProfileChart", "Каденс"), QT_TRANSLATE_NOOP("qm::ProfileChart", "Каденс, об/мин"), QColor(0, 130, 130)},
    {QT_TRANSLATE_NOOP("qm::ProfileChart", "Мощность"), QT_TRANSLATE_NOOP("qm::ProfileChart", "Мощность, Вт"), QColor(140, 0, 180)},
    {QT_TRANSLATE_NOOP("qm::ProfileChart", "Температура"), QT_TRANSLATE_NOOP("qm::ProfileChart", "Температура, °C"), QColor(0, 80, 210)},
};
const MeasureLook& LookOf(Measure measure) { return kMeasureLooks[static_cast<size_t>(measure)]; }

QRectF RectOf(const PixelBox& box) { return QRectF(box.Left, box.Top, box.Width, box.Height); }

}  // namespace

void ProfileChart::Retranslate()
{
    overTime_->setText(tr("По времени"));
    overDistance_->setText(tr("По расстоянию"));
    stepSpeeds_->setText(tr("Скорость между точками"));
    measureLabel_->setText(tr("Измерение:"));
    OfferMeasures();
}

void ProfileChart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

ProfileChart::ProfileChart(QWidget* parent) : QWidget(parent)
{
    setObjectName("speedProfile");
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    overTime_ = new QRadioButton;
    overTime_->setObjectName("profileOverTime");
    overDistance_ = new QRadioButton;
    overDistance_->setObjectName("profileOverDistance");
    stepSpeeds_ = new QCheckBox;
    stepSpeeds_->setObjectName("stepSpeeds");
    measureLabel_ = new QLabel;
    measureChoice_ = new QComboBox;
    measureChoice_->setObjectName("profileMeasure");
    measureLabel_->setBuddy(measureChoice_);
    auto* group = new QButtonGroup(this);
    group->addButton(overTime_);
    group->addButton(overDistance_);
    overTime_->setChecked(true);
    Retranslate();
    auto* controls = new QHBoxLayout;
    controls->addWidget(overTime_);
    controls->addWidget(overDistance_);
    controls->addSpacing(16);
    controls->addWidget(stepSpeeds_);
    controls->addSpacing(16);
    controls->addWidget(measureLabel_);
    controls->addWidget(measureChoice_);
    controls->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addLayout(controls);
    layout->addStretch();
    connect(overTime_, &QRadioButton::toggled, this, [this](bool on) {
        SetScale(on ? ProfileScale::Time : ProfileScale::Distance);
        emit Chosen();
    });
    connect(stepSpeeds_, &QCheckBox::toggled, this, [this] {
        Measure();
        update();
    });
    connect(measureChoice_, &QComboBox::currentIndexChanged, this, [this] {
        const QVariant measure = measureChoice_->currentData();
        ShowMeasure(measure.isValid() ? std::optional(static_cast<qm::Measure>(measure.toInt())) : std::nullopt);
        emit Chosen();
    });
    OfferMeasures();
}

// The choice lists the measures the track has (keeping the one shown when the
// new track has it too) and is hidden when it has none.
void ProfileChart::OfferMeasures()
{
    const std::vector<qm::Measure> measures = trip_ ? MeasuresOf(trip_->Track) : std::vector<qm::Measure>{};
    if (shown_ && std::find(measures.begin(), measures.end(), *shown_) == measures.end()) shown_.reset();
    const QSignalBlocker block(measureChoice_);
    measureChoice_->clear();
    measureChoice_->addItem(tr("нет"));
    for (qm::Measure measure : measures) {
        measureChoice_->addItem(tr(LookOf(measure).Name), static_cast<int>(measure));
        if (shown_ == measure) measureChoice_->setCurrentIndex(measureChoice_->count() - 1);
    }
    measureLabel_->setVisible(!measures.empty());
    measureChoice_->setVisible(!measures.empty());
}

void ProfileChart::ShowMeasure(std::optional<qm::Measure> measure)
{
    const int index = measure ? measureChoice_->findData(static_cast<int>(*measure)) : 0;
    if (index < 0) return;
    shown_ = measure;
    {
        const QSignalBlocker block(measureChoice_);
        measureChoice_->setCurrentIndex(index);
    }
    Measure();
    update();
}

void ProfileChart::SetTrip(const MapTrip* trip, const Settings& settings)
{
    trip_ = trip;
    gmtHours_ = settings.GMTMOD;
    interval_ = settings.TIMEINTRVL;
    cursor_ = -1;
    ProfileScale scale = trip ? DefaultProfileScale(trip->Track.Points, trip->Parts) : ProfileScale::Time;
    if (settings.PROFILEAXIS != ProfileAxisChoice::Automatic)
        scale = settings.PROFILEAXIS == ProfileAxisChoice::Time ? ProfileScale::Time : ProfileScale::Distance;
    scale_ = scale;
    // Dropped by OfferMeasures when the track has none of it.
    shown_ = settings.PROFILEMEASURE;
    // Without signals: the axis is made once, below.
    const QSignalBlocker blockTime(overTime_), blockDistance(overDistance_);
    (scale == ProfileScale::Time ? overTime_ : overDistance_)->setChecked(true);
    OfferMeasures();
    // The speed from point to point goes with the bars of speed.
    stepSpeeds_->setEnabled(!trip || trip->Colouring.Measure == ColourMeasure::Speed);
    NewAxis();
}

void ProfileChart::SetScale(ProfileScale scale)
{
    if (scale == scale_) return;
    scale_ = scale;
    const QSignalBlocker blockTime(overTime_), blockDistance(overDistance_);
    (scale == ProfileScale::Time ? overTime_ : overDistance_)->setChecked(true);
    NewAxis();
}

void ProfileChart::NewAxis()
{
    axis_ = trip_ ? MakeProfileAxis(trip_->Track.Points, trip_->Scale, trip_->Parts, scale_, gmtHours_)
                  : ProfileAxis{};
    Measure();
    update();
}

ProfilePlot ProfileChart::Plot() const
{
    const QFontMetrics metrics(font());
    const ProfileTextRoom room{double(layout()->itemAt(0)->geometry().bottom()), double(metrics.height()),
                               metrics.horizontalAdvance("00000") + 12.0};
    return ProfilePlot(axis_, width(), height(), room, shown_.has_value());
}

QRectF ProfileChart::PlotArea() const { return RectOf(Plot().Area()); }

double ProfileChart::PlotX(int pointIndex) const { return Plot().PointX(pointIndex); }

void ProfileChart::HighlightFile(int file)
{
    if (file == highlighted_) return;
    highlighted_ = file;
    update();
}

void ProfileChart::Measure()
{
    columns_ = {};
    fileMarks_.clear();
    const ProfilePlot plot = Plot();
    if (trip_) {
        const int count = std::max(1, int(plot.Area().Width) / kColumnPixels);
        columns_ = MakeProfileColumns(*trip_, axis_, count,
                                      stepSpeeds_->isChecked() && trip_->Colouring.Measure == ColourMeasure::Speed,
                                      shown_);
        if (!trip_->PointFiles.empty()) {
            std::vector<std::string> names;
            for (const TripFile& file : trip_->Files) names.push_back(PathNamePart(file.Path));
            const QFontMetrics metrics(font());
            const TextWidth textWidth = [&](const std::string& text, bool) {
                return metrics.horizontalAdvance(ToQt(text));
            };
            fileMarks_ = plot.FileMarks(trip_->PointFiles, names, textWidth);
        }
    }
    valueAxes_ = MakeValueAxes(columns_, plot.Area().Height);
}

void ProfileChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const ProfilePlot plot = Plot();
    const PixelBox& area = plot.Area();
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(RectOf(area));
    if (!trip_ || columns_.Bars.empty()) return;

    const char separator = InterfaceDecimalSeparator();
    const QString interval = ToQt(FloatToText(interval_, separator));
    const ColourMeasure barMeasure = trip_->Colouring.Measure;
    ProfileTitles titles{barMeasure == ColourMeasure::Speed
                             ? tr("Скорость, км/ч: средняя за интервал расчета %1 мин").arg(interval)
                             : tr("%1, %2: за интервал расчета %3 мин")
                                   .arg(ColourMeasureCaption(barMeasure), ColourMeasureUnitCaption(barMeasure),
                                        interval),
                         tr("Высота, м"), {}, {}};
    if (shown_) {
        titles.Measure = tr(LookOf(*shown_).Title);
        titles.MeasureColor = LookOf(*shown_).Color;
    }
    DrawProfileFrame(painter, area, valueAxes_, titles, width());
    painter.save();
    painter.setClipRect(RectOf(area));
    DrawBars(painter, plot, columns_.Bars, trip_->Colouring.Bands, valueAxes_.Bars);
    DrawGaps(painter, plot);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!columns_.Steps.empty())
        DrawColumnLines(painter, plot, axis_, columns_.Steps, valueAxes_.Bars, QPen(kProfileStepColor, 1));
    DrawColumnLines(painter, plot, axis_, columns_.Heights, valueAxes_.Height, QPen(kProfileHeightColor, 1.5));
    if (shown_)
        DrawColumnLines(painter, plot, axis_, columns_.Measures, valueAxes_.Measure, QPen(LookOf(*shown_).Color, 1.5));
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (highlighted_ >= 0) DrawOtherFilesFaint(painter, area, fileMarks_, uint32_t(highlighted_));
    DrawFileMarks(painter, area, fileMarks_);
    painter.restore();

    painter.setRenderHint(QPainter::Antialiasing);
    DrawStopMarks(painter, plot, trip_->Visualisation.Stops);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetrics metrics(font());
    const TextWidth textWidth = [&](const std::string& text, bool) { return metrics.horizontalAdvance(ToQt(text)); };
    const QString caption = scale_ == ProfileScale::Time
                                ? tr("Время (%1), перерывы между частями сокращены").arg(ZoneText(gmtHours_))
                                : tr("Расстояние, км, без перерывов между частями");
    DrawBottomAxis(painter, plot, plot.Bottom(scale_, textWidth, separator), caption, height());
    if (const QString note = HiddenNote(); !note.isEmpty())
        DrawCaptionNote(painter, plot.CaptionNote(ToStd(note), metrics.horizontalAdvance(caption), textWidth),
                        height());
    if (cursor_ >= 0 && cursor_ < int(axis_.At.size())) DrawProfileCursor(painter, area, plot.PointX(cursor_));
}

QString ProfileChart::HiddenNote() const
{
    const size_t hidden = trip_ ? HiddenFileCount(*trip_) : 0;
    return hidden > 0 ? tr("Скрыто файлов: %1 из %2").arg(hidden).arg(trip_->Files.size()) : QString();
}

void ProfileChart::ShowCursor(int pointIndex)
{
    if (pointIndex == cursor_) return;
    cursor_ = pointIndex;
    update();
}

void ProfileChart::mouseMoveEvent(QMouseEvent* event)
{
    const ProfilePlot plot = Plot();
    const QPointF at = event->position();
    const int index = trip_ && at.y() >= plot.Area().Top && at.y() <= plot.Area().Bottom() ? plot.PointAt(at.x()) : -1;
    ShowCursor(index);
    emit PointHovered(index);
}

void ProfileChart::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    ShowCursor(-1);
    emit PointHovered(-1);
}

void ProfileChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Measure();
}

}  // namespace qm
