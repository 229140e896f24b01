#include "ui/map/profile_chart.h"

#include "map/profile.h"
#include "platform/date_time_text.h"
#include "ui/qt_color.h"

#include <QAreaSeries>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLineItem>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace qm {
namespace {

// Days from 1899-12-30 to 1970-01-01.
constexpr double kMillisecondsPerDay = 86400000;
// Time slices of the bars and the heights: about a pixel each on a wide chart.
constexpr int kSlices = 1500;

}  // namespace

ProfileChart::ProfileChart(QWidget* parent) : QChartView(parent)
{
    setObjectName("speedProfile");
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    SetTrip(nullptr, 0);
}

void ProfileChart::NewChart()
{
    // A chart of its own for each trip: one whose series were replaced keeps
    // the layout of its first axis labels.
    QChart* old = chart();
    setChart(new QChart);
    delete old;  // the view gives up its old chart without deleting it
    chart()->legend()->hide();
    chart()->setMargins(QMargins(4, 4, 4, 4));
    timeAxis_ = new QDateTimeAxis;
    timeAxis_->setFormat("dd.MM HH:mm");
    timeAxis_->setTickCount(7);
    speedAxis_ = new QValueAxis;
    speedAxis_->setTitleText("км/ч");
    speedAxis_->setLabelFormat("%.0f");
    heightAxis_ = new QValueAxis;
    heightAxis_->setTitleText("м");
    heightAxis_->setLabelFormat("%.0f");
    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{timeAxis_, speedAxis_, heightAxis_})
        axis->setTruncateLabels(false);
    chart()->addAxis(timeAxis_, Qt::AlignBottom);
    chart()->addAxis(speedAxis_, Qt::AlignLeft);
    chart()->addAxis(heightAxis_, Qt::AlignRight);
    cursorLine_ = new QGraphicsLineItem(chart());
    cursorLine_->setPen(QPen(QColor(0, 90, 255), 1.5));
    cursorLine_->setZValue(100);
    cursorLine_->hide();
}

qreal ProfileChart::ChartTime(double dateTime) const
{
    return (dateTime + offsetDays_ - kDaysBefore1970) * kMillisecondsPerDay;
}

void ProfileChart::SetTrip(const MapTrip* trip, int gmtHours)
{
    NewChart();
    trip_ = trip;
    cursor_ = -1;
    if (!trip) return;
    const TrackPoints& points = trip->Track.Points;
    // The axis shows times in the machine's zone: take that back out.
    const qint64 start = qint64((points.front().DateTime - kDaysBefore1970) * kMillisecondsPerDay);
    offsetDays_ = gmtHours / 24.0 - QDateTime::fromMSecsSinceEpoch(start).offsetFromUtc() / 86400.0;
    auto attach = [this](QAbstractSeries* series, QValueAxis* valueAxis) {
        chart()->addSeries(series);
        series->attachAxis(timeAxis_);
        series->attachAxis(valueAxis);
    };

    double topSpeed = 1;
    const SpeedBars bars = qm::SpeedProfile(points, trip->Visualisation.Runs, kSlices);
    // The fast bands first: a slower bar in the same slice is lower and stays in sight.
    for (int band = kBandCount - 1; band >= 0; --band) {
        if (bars[band].empty()) continue;
        QList<QPointF> outlinePoints;
        for (const ProfilePoint& point : bars[band]) {
            outlinePoints.append({ChartTime(point.DateTime), point.Value});
            topSpeed = std::max(topSpeed, point.Value);
        }
        auto* outline = new QLineSeries;
        outline->replace(outlinePoints);
        auto* area = new QAreaSeries(outline);
        const QColor fill = ColorOf(trip->Visualisation.Bands[band].Color);
        area->setBrush(fill);
        area->setPen(QPen(fill, 1));
        attach(area, speedAxis_);
    }

    auto* heights = new QLineSeries;
    heights->setPen(QPen(QColor(90, 60, 30), 1.5));
    double low = 0, high = 1;
    const std::vector<ProfilePoint> profile = HeightProfile(points, kSlices);
    QList<QPointF> heightPoints;
    for (const ProfilePoint& point : profile) heightPoints.append({ChartTime(point.DateTime), point.Value});
    heights->replace(heightPoints);
    if (!profile.empty()) {
        const auto [min, max] = std::minmax_element(profile.begin(), profile.end(),
                                                    [](auto& a, auto& b) { return a.Value < b.Value; });
        low = min->Value;
        high = std::max(max->Value, low + 1);
    }
    attach(heights, heightAxis_);

    auto* stops = new QScatterSeries;
    stops->setMarkerSize(9);
    stops->setColor(QColor(255, 255, 0));
    stops->setBorderColor(Qt::black);
    for (const TrackStop& stop : trip->Visualisation.Stops) stops->append(ChartTime(points[stop.First].DateTime), 0);
    attach(stops, speedAxis_);

    timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(qint64(ChartTime(points.front().DateTime))),
                        QDateTime::fromMSecsSinceEpoch(qint64(ChartTime(points.back().DateTime))));
    speedAxis_->setRange(0, topSpeed * 1.05);
    heightAxis_->setRange(low, high);
}

void ProfileChart::ShowCursor(int pointIndex)
{
    cursor_ = pointIndex;
    PlaceCursor();
}

void ProfileChart::PlaceCursor()
{
    if (!trip_ || cursor_ < 0 || cursor_ >= int(trip_->Track.Points.size())) {
        cursorLine_->hide();
        return;
    }
    const QRectF area = chart()->plotArea();
    const qreal x = chart()->mapToPosition(QPointF(ChartTime(trip_->Track.Points[cursor_].DateTime), 0)).x();
    cursorLine_->setLine(x, area.top(), x, area.bottom());
    cursorLine_->show();
}

void ProfileChart::mouseMoveEvent(QMouseEvent* event)
{
    QChartView::mouseMoveEvent(event);
    if (!trip_) return;
    const QPointF inChart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    int index = -1;
    if (chart()->plotArea().contains(inChart)) {
        const double dateTime = chart()->mapToValue(inChart).x() / kMillisecondsPerDay + kDaysBefore1970 - offsetDays_;
        const TrackPoints& points = trip_->Track.Points;
        auto after = std::lower_bound(points.begin(), points.end(), dateTime,
                                      [](const TrackPoint& point, double time) { return point.DateTime < time; });
        if (after == points.end()) --after;
        if (after != points.begin() && dateTime - (after - 1)->DateTime < after->DateTime - dateTime) --after;
        index = int(after - points.begin());
    }
    ShowCursor(index);
    emit PointHovered(index);
}

void ProfileChart::leaveEvent(QEvent* event)
{
    QChartView::leaveEvent(event);
    ShowCursor(-1);
    emit PointHovered(-1);
}

void ProfileChart::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    PlaceCursor();
}

}  // namespace qm
