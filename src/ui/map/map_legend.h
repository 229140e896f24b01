#pragma once

#include "settings/settings.h"
#include "map/map_trip.h"

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;

namespace qm {

// The ten bands of the scale with colour and range, and the distance and
// time the runs of each cover with their shares of the whole; then the time
// in no band (pauses), the whole as the statistics give it, the track's
// fastest step and what the marks on the map mean. Bands without a run are
// greyed, or hidden when the user says so.
class MapLegend : public QWidget {
    Q_OBJECT
public:
    explicit MapLegend(QWidget* parent = nullptr);
    // Numbers as the statistics write them (DECDELIM, NUMDIGITS). The trip
    // stays its owner's, who shows the next one or none before it goes.
    void SetTrip(const MapTrip* trip, const Settings& settings);

protected:
    // The texts in the interface language: the trip shown anew.
    void changeEvent(QEvent* event) override;

private:
    void ShowEmptyBands();

    struct Row {
        QLabel* Swatch;
        QLabel* Range;
        QLabel* Distance;
        QLabel* Time;
        bool Empty = true;
    };
    std::array<Row, kBandCount> rows_;
    QLabel* pauseTime_;
    QLabel* totalDistance_;
    QLabel* totalTime_;
    QLabel* maxSpeed_;
    QLabel* speedHeader_;
    QLabel* distanceHeader_;
    QLabel* timeHeader_;
    QLabel* pauses_;
    QLabel* total_;
    QLabel* maxSpeedName_;
    // Start, finish, stops (with their number).
    std::vector<QLabel*> markNames_;
    const MapTrip* trip_ = nullptr;
    Settings settings_;
    QCheckBox* emptyBands_;
};

// A length of time as the legend writes it: DurationText below a day, days
// and hours beyond ("2 д 03:15:00").
QString LegendDuration(double days);

}  // namespace qm
