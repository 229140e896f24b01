#pragma once

#include "ui/map/map_trip.h"

#include <QChartView>

class QAreaSeries;
class QDateTimeAxis;
class QGraphicsLineItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace qm {

// The profile under the map: each run's speed as a bar in its band's colour
// and the height over time, with the stops marked on the time axis. A
// cursor follows the mouse and tells the time it points at; the map's
// pointer moves it the other way.
class ProfileChart : public QChartView {
    Q_OBJECT
public:
    explicit ProfileChart(QWidget* parent = nullptr);

    void SetTrip(const MapTrip* trip, int gmtHours);
    // Puts the cursor on a track point (-1: hides it).
    void ShowCursor(int pointIndex);

signals:
    // The track point under the mouse, -1 when it is off the track's time.
    void PointHovered(int pointIndex);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Chart x values: milliseconds that the time axis shows as the track's
    // local time (the track's time plus GMTMOD).
    qreal ChartTime(double dateTime) const;
    void NewChart();
    void PlaceCursor();

    const MapTrip* trip_ = nullptr;
    double offsetDays_ = 0;
    int cursor_ = -1;
    QDateTimeAxis* timeAxis_;
    QValueAxis* speedAxis_;
    QValueAxis* heightAxis_;
    QGraphicsLineItem* cursorLine_;
};

}  // namespace qm
