#include "ui/map/profile_chart.h"

#include "platform/date_time_text.h"
#include "map/round_steps.h"
#include "platform/number_text.h"
#include "ui/map/map_marks.h"
#include "ui/qt_color.h"
#include "ui/qt_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTimeZone>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace qm {
namespace {

// Pixels of a bar column, and about how far apart the labels of an axis are.
constexpr int kColumnPixels = 2;
constexpr double kLabelSpacing = 90;
constexpr double kValueLabelSpacing = 28;
constexpr double kGapEdgeRoom = 6;
const QColor kHeightColor(90, 60, 30);
const QColor kStepColor(40, 40, 40);
const QColor kGapColor(225, 225, 225);
const QColor kCursorColor(0, 90, 255);

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

// The lowest and highest value of the columns, at least 1 (or a millionth
// of the value, where 1 would vanish in it) apart; 0 to 1 without any.
std::pair<double, double> ValueExtent(const std::vector<ValueRange>& columns)
{
    double low = 0, high = 1;
    bool any = false;
    for (const ValueRange& column : columns) {
        if (std::isnan(column.Low)) continue;
        low = any ? std::min(low, column.Low) : column.Low;
        high = any ? std::max(high, column.High) : column.High;
        any = true;
    }
    return {low, std::max(high, low + std::max(1.0, std::fabs(low) * 1e-6))};
}

// A value axis of round steps around low to high, about a label every
// kValueLabelSpacing pixels of its height.
struct ValueAxis {
    double Step, Low, High;
};
ValueAxis RoundValueAxis(double low, double high, double pixels)
{
    const double step = RoundStep((high - low) / std::max(1.0, pixels / kValueLabelSpacing));
    const double bottom = std::floor(low / step) * step;
    return {step, bottom, std::max(bottom + step, std::ceil(high / step) * step)};
}

QDateTime LocalTime(double days)
{
    return QDateTime::fromMSecsSinceEpoch(std::llround((days - kDaysBefore1970) * 86400000), QTimeZone::utc());
}

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
    });
    connect(stepSpeeds_, &QCheckBox::toggled, this, [this] {
        Measure();
        update();
    });
    connect(measureChoice_, &QComboBox::currentIndexChanged, this, [this] {
        const QVariant measure = measureChoice_->currentData();
        ShowMeasure(measure.isValid() ? std::optional(static_cast<qm::Measure>(measure.toInt())) : std::nullopt);
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
    // Distance when time would squeeze the parts or has no length at all.
    const bool byDistance = trip && (GapsHoldMostTime(trip->Track.Points, trip->Parts) ||
                                     !(trip->Track.Points.back().DateTime > trip->Track.Points.front().DateTime));
    const ProfileScale scale = byDistance ? ProfileScale::Distance : ProfileScale::Time;
    scale_ = scale;
    // Without signals: the axis is made once, below.
    const QSignalBlocker blockTime(overTime_), blockDistance(overDistance_);
    (scale == ProfileScale::Time ? overTime_ : overDistance_)->setChecked(true);
    OfferMeasures();
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

QRectF ProfileChart::PlotArea() const
{
    const QFontMetrics metrics(font());
    const double top = layout()->itemAt(0)->geometry().bottom() + metrics.height() + 8;
    const double bottom = height() - 2 * metrics.height() - 10;
    const double side = metrics.horizontalAdvance("00000") + 12;
    // A shown measure has its value axis right of the height's.
    const double right = shown_ ? 2 * side : side;
    return QRectF(QPointF(side, top), QPointF(width() - right, std::max(top + 1, bottom)));
}

void ProfileChart::Measure()
{
    bars_.clear();
    heights_.clear();
    steps_.clear();
    measures_.clear();
    topSpeed_ = 1, lowHeight_ = 0, highHeight_ = 1, lowMeasure_ = 0, highMeasure_ = 1;
    if (!trip_ || !(axis_.Length > 0)) return;
    const int count = std::max(1, int(PlotArea().width()) / kColumnPixels);
    const TrackPoints& points = trip_->Track.Points;
    bars_ = SpeedColumns(axis_, trip_->Parts, trip_->Visualisation.Runs, count);
    heights_ = HeightColumns(points, axis_, count);
    if (stepSpeeds_->isChecked()) steps_ = StepSpeedColumns(points, trip_->Scale, trip_->Parts, axis_, count);
    for (const SpeedColumn& bar : bars_) topSpeed_ = std::max(topSpeed_, bar.Speed);
    for (const ValueRange& step : steps_)
        if (!std::isnan(step.High)) topSpeed_ = std::max(topSpeed_, step.High);
    std::tie(lowHeight_, highHeight_) = ValueExtent(heights_);
    if (shown_) {
        measures_ = MeasureValueColumns(ColumnOf(trip_->Track.Measures, *shown_), axis_, count);
        std::tie(lowMeasure_, highMeasure_) = ValueExtent(measures_);
    }
}

double ProfileChart::X(double axisValue) const
{
    const QRectF area = PlotArea();
    return area.left() + (axis_.Length > 0 ? axisValue / axis_.Length * area.width() : 0);
}

double ProfileChart::PlotX(int pointIndex) const { return X(axis_.At[pointIndex]); }

void ProfileChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF area = PlotArea();
    const QFontMetrics metrics(font());
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(area);
    if (!trip_ || bars_.empty()) return;

    // The value axes: round steps, about a label every kValueLabelSpacing pixels.
    const double speedStep = RoundStep(topSpeed_ / std::max(1.0, area.height() / kValueLabelSpacing));
    const double speedTop = std::ceil(topSpeed_ / speedStep) * speedStep;
    const ValueAxis heightAxis = RoundValueAxis(lowHeight_, highHeight_, area.height());
    const ValueAxis measureAxis = RoundValueAxis(lowMeasure_, highMeasure_, area.height());
    auto speedY = [&](double v) { return area.bottom() - v / speedTop * area.height(); };
    auto valueY = [&](const ValueAxis& axis) {
        return [&area, axis](double v) { return area.bottom() - (v - axis.Low) / (axis.High - axis.Low) * area.height(); };
    };
    const auto heightY = valueY(heightAxis), measureY = valueY(measureAxis);
    for (double v : RoundTicks(0, speedTop, speedStep)) {
        const double y = speedY(v);
        painter.setPen(QColor(235, 235, 235));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, area.left() - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, ToQt(StepText(v, speedStep)));
    }
    // The height's labels right of the plot, a shown measure's right of them.
    const double side = area.left();
    auto rightLabels = [&](const ValueAxis& axis, auto y, double left) {
        for (double v : RoundTicks(axis.Low, axis.High, axis.Step))
            painter.drawText(QRectF(left, y(v) - metrics.height() / 2.0, side - 4, metrics.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, ToQt(StepText(v, axis.Step)));
    };
    painter.setPen(kHeightColor);
    rightLabels(heightAxis, heightY, area.right() + 4);
    const QRectF titles(area.left(), area.top() - metrics.height() - 4, width() - area.left() - 4, metrics.height());
    painter.setPen(Qt::black);
    painter.drawText(titles, Qt::AlignLeft,
                     tr("Скорость, км/ч: средняя за интервал расчета %1 мин").arg(ToQt(FloatToText(interval_))));
    double heightTitleEnd = area.right();
    if (shown_) {
        const MeasureLook& look = LookOf(*shown_);
        painter.setPen(look.Color);
        rightLabels(measureAxis, measureY, area.right() + side + 4);
        const QString title = tr(look.Title);
        painter.drawText(titles, Qt::AlignRight, title);
        heightTitleEnd = std::min(heightTitleEnd, titles.right() - metrics.horizontalAdvance(title) - 16);
    }
    painter.setPen(kHeightColor);
    painter.drawText(QRectF(titles.left(), titles.top(), heightTitleEnd - titles.left(), titles.height()),
                     Qt::AlignRight, tr("Высота, м"));

    // The bars, then the gaps over them, the step speeds, the heights and the shown measure.
    painter.save();
    painter.setClipRect(area);
    const double column = area.width() / bars_.size();
    for (std::size_t c = 0; c < bars_.size(); ++c) {
        if (bars_[c].Band < 0) continue;
        const double y = speedY(bars_[c].Speed);
        painter.fillRect(QRectF(area.left() + c * column, y, column, area.bottom() - y),
                         ColorOf(trip_->Visualisation.Bands[bars_[c].Band].Color));
    }
    for (std::size_t k = 1; k < axis_.Parts.size(); ++k) {
        const double left = X(axis_.Parts[k - 1].End), right = X(axis_.Parts[k].Start);
        painter.fillRect(QRectF(left, area.top(), std::max(1.0, right - left), area.height()), kGapColor);
        // Edges only where there is room for them: many gaps would hatch the plot.
        if (right - left < kGapEdgeRoom) continue;
        painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        painter.drawLine(QPointF(left, area.top()), QPointF(left, area.bottom()));
        painter.drawLine(QPointF(right, area.top()), QPointF(right, area.bottom()));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    auto lines = [&](const std::vector<ValueRange>& columns, auto y, const QPen& pen) {
        painter.setPen(pen);
        for (const ProfileAxis::Part& part : axis_.Parts) {
            QPolygonF line;
            const int first = std::clamp(int((X(part.Start) - area.left()) / column), 0, int(columns.size()) - 1);
            const int last = std::clamp(int((X(part.End) - area.left()) / column), 0, int(columns.size()) - 1);
            for (int c = first; c <= last; ++c) {
                if (std::isnan(columns[c].Low)) continue;
                const double x = area.left() + (c + 0.5) * column;
                line << QPointF(x, y(columns[c].Low));
                if (columns[c].High != columns[c].Low) line << QPointF(x, y(columns[c].High));
            }
            if (line.size() == 1) line << line.front() + QPointF(0.5, 0);
            painter.drawPolyline(line);
        }
    };
    if (!steps_.empty()) lines(steps_, speedY, QPen(kStepColor, 1));
    lines(heights_, heightY, QPen(kHeightColor, 1.5));
    if (shown_) lines(measures_, measureY, QPen(LookOf(*shown_).Color, 1.5));
    painter.restore();

    // The stops as marks standing on the axis, whole inside the plot.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 255, 0));
    for (const TrackStop& stop : trip_->Visualisation.Stops) {
        const double x = std::clamp(PlotX(stop.First), area.left() + 5, area.right() - 5);
        const QPointF mark[] = {{x - 4.5, area.bottom() - 1}, {x + 4.5, area.bottom() - 1}, {x, area.bottom() - 9}};
        painter.drawPolygon(mark, 3);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawBottomAxis(painter);

    if (cursor_ >= 0 && cursor_ < int(axis_.At.size())) {
        const double x = PlotX(cursor_);
        painter.setPen(QPen(kCursorColor, 1.5));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
}

void ProfileChart::DrawBottomAxis(QPainter& painter)
{
    const QRectF area = PlotArea();
    const QFontMetrics metrics(font());
    const bool overTime = scale_ == ProfileScale::Time;
    const double spacing = axis_.Length / std::max(1.0, area.width()) * kLabelSpacing;
    const double step = overTime ? RoundTimeStep(spacing) : RoundStep(spacing);
    const bool days = overTime && step >= 1;
    const QString timeFormat = step < 1.0 / 1440 ? "HH:mm:ss" : "HH:mm";
    double taken = -1e9;  // the right end of the last label drawn
    QDate lastDate;
    painter.setPen(Qt::black);
    for (const ProfileAxis::Part& part : axis_.Parts) {
        const double length = part.End - part.Start;
        std::vector<double> ticks = RoundTicks(part.FirstValue, part.FirstValue + length, step);
        // Days: midnight may fall into the gaps (nights) only; a part that
        // opens a new date is named at its start.
        if (days && LocalTime(part.FirstValue).date() != lastDate) ticks.insert(ticks.begin(), part.FirstValue);
        for (double value : ticks) {
            const double x = X(part.Start + value - part.FirstValue);
            painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
            QString text;
            if (!overTime) {
                text = ToQt(StepText(value, step));
            } else {
                const QDateTime at = LocalTime(value);
                // The date where it changes, so that no two labels read alike.
                const bool newDate = days || at.date() != lastDate;
                text = days ? at.toString("dd.MM") : (newDate ? at.toString("dd.MM " + timeFormat)
                                                               : at.toString(timeFormat));
                if (text.isEmpty()) continue;
            }
            const double textWidth = metrics.horizontalAdvance(text);
            const double left = std::clamp(x - textWidth / 2, 0.0, width() - textWidth - 1);
            if (left < taken + 8) continue;
            painter.drawText(QPointF(left, area.bottom() + 4 + metrics.ascent()), text);
            taken = left + textWidth;
            if (overTime) lastDate = LocalTime(value).date();
        }
    }
    // Each gap's break on the axis.
    for (std::size_t k = 1; k < axis_.Parts.size(); ++k) {
        if (X(axis_.Parts[k].Start) - X(axis_.Parts[k - 1].End) < kGapEdgeRoom) continue;
        const double middle = (X(axis_.Parts[k - 1].End) + X(axis_.Parts[k].Start)) / 2;
        painter.fillRect(QRectF(middle - 4, area.bottom() - 3, 8, 7), Qt::white);
        painter.drawLine(QPointF(middle - 5, area.bottom() + 3), QPointF(middle - 1, area.bottom() - 3));
        painter.drawLine(QPointF(middle + 1, area.bottom() + 3), QPointF(middle + 5, area.bottom() - 3));
    }
    const QString caption = overTime ? tr("Время (%1), перерывы между частями сокращены").arg(ZoneText(gmtHours_))
                                     : tr("Расстояние, км, без перерывов между частями");
    painter.drawText(QRectF(area.left(), height() - metrics.height() - 4, area.width(), metrics.height()),
                     Qt::AlignRight, caption);
}

void ProfileChart::ShowCursor(int pointIndex)
{
    if (pointIndex == cursor_) return;
    cursor_ = pointIndex;
    update();
}

int ProfileChart::PointAt(double x) const
{
    const QRectF area = PlotArea();
    if (!trip_ || axis_.At.empty() || x < area.left() || x > area.right()) return -1;
    const double value = (x - area.left()) / area.width() * axis_.Length;
    auto after = std::lower_bound(axis_.At.begin(), axis_.At.end(), value);
    if (after == axis_.At.end()) --after;
    if (after != axis_.At.begin() && value - *(after - 1) < *after - value) --after;
    return int(after - axis_.At.begin());
}

void ProfileChart::mouseMoveEvent(QMouseEvent* event)
{
    const QRectF area = PlotArea();
    const QPointF at = event->position();
    const int index = at.y() >= area.top() && at.y() <= area.bottom() ? PointAt(at.x()) : -1;
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
