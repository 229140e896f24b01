#include "ui/map/profile_chart.h"

#include "platform/date_time_text.h"
#include "platform/number_text.h"
#include "ui/map/map_marks.h"
#include "ui/qt_color.h"
#include "ui/qt_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTimeZone>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

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

QDateTime LocalTime(double days)
{
    return QDateTime::fromMSecsSinceEpoch(std::llround((days - kDaysBefore1970) * 86400000), QTimeZone::utc());
}

QString NumberText(double value, double step)
{
    const int decimals = std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
    return QString::number(value, 'f', decimals);
}

}  // namespace

void ProfileChart::Retranslate()
{
    overTime_->setText(tr("По времени"));
    overDistance_->setText(tr("По расстоянию"));
    stepSpeeds_->setText(tr("Скорость между точками"));
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
    return QRectF(QPointF(side, top), QPointF(width() - side, std::max(top + 1, bottom)));
}

void ProfileChart::Measure()
{
    bars_.clear();
    heights_.clear();
    steps_.clear();
    topSpeed_ = 1, lowHeight_ = 0, highHeight_ = 1;
    if (!trip_ || !(axis_.Length > 0)) return;
    const int count = std::max(1, int(PlotArea().width()) / kColumnPixels);
    const TrackPoints& points = trip_->Track.Points;
    bars_ = SpeedColumns(axis_, trip_->Parts, trip_->Visualisation.Runs, count);
    heights_ = HeightColumns(points, axis_, count);
    if (stepSpeeds_->isChecked()) steps_ = StepSpeedColumns(points, trip_->Scale, trip_->Parts, axis_, count);
    for (const SpeedColumn& bar : bars_) topSpeed_ = std::max(topSpeed_, bar.Speed);
    for (const ValueRange& step : steps_)
        if (!std::isnan(step.High)) topSpeed_ = std::max(topSpeed_, step.High);
    bool any = false;
    for (const ValueRange& height : heights_) {
        if (std::isnan(height.Low)) continue;
        lowHeight_ = any ? std::min(lowHeight_, height.Low) : height.Low;
        highHeight_ = any ? std::max(highHeight_, height.High) : height.High;
        any = true;
    }
    highHeight_ = std::max(highHeight_, lowHeight_ + 1);
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
    const double heightStep = RoundStep((highHeight_ - lowHeight_) / std::max(1.0, area.height() / kValueLabelSpacing));
    const double heightLow = std::floor(lowHeight_ / heightStep) * heightStep;
    const double heightHigh = std::max(heightLow + heightStep, std::ceil(highHeight_ / heightStep) * heightStep);
    auto speedY = [&](double v) { return area.bottom() - v / speedTop * area.height(); };
    auto heightY = [&](double v) { return area.bottom() - (v - heightLow) / (heightHigh - heightLow) * area.height(); };
    for (double v : RoundTicks(0, speedTop, speedStep)) {
        const double y = speedY(v);
        painter.setPen(QColor(235, 235, 235));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, area.left() - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, NumberText(v, speedStep));
    }
    painter.setPen(kHeightColor);
    for (double v : RoundTicks(heightLow, heightHigh, heightStep)) {
        const double y = heightY(v);
        painter.drawText(QRectF(area.right() + 4, y - metrics.height() / 2.0, width() - area.right() - 4,
                                metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, NumberText(v, heightStep));
    }
    const QRectF titles(area.left(), area.top() - metrics.height() - 4, area.width(), metrics.height());
    painter.setPen(Qt::black);
    painter.drawText(titles, Qt::AlignLeft,
                     tr("Скорость, км/ч: средняя за интервал расчета %1 мин").arg(ToQt(FloatToText(interval_))));
    painter.setPen(kHeightColor);
    painter.drawText(titles, Qt::AlignRight, tr("Высота, м"));

    // The bars, then the gaps over them, the step speeds and the heights.
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
                text = NumberText(value, step);
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
