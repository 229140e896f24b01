#pragma once

#include "ui/map/map_trip.h"

#include <QWidget>

#include <array>

class QLabel;

namespace qm {

// The ten bands of the scale with colour and range, and the distance and
// time the runs of each cover with their shares of the whole; the whole in
// the last row.
class MapLegend : public QWidget {
    Q_OBJECT
public:
    explicit MapLegend(QWidget* parent = nullptr);
    void SetTrip(const MapTrip* trip);

private:
    struct Row {
        QLabel* Swatch;
        QLabel* Range;
        QLabel* Distance;
        QLabel* Time;
    };
    std::array<Row, kBandCount> rows_;
    QLabel* totalDistance_;
    QLabel* totalTime_;
};

}  // namespace qm
