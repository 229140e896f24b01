#pragma once

#include "map/legend_layout.h"
#include "map/map_trip.h"
#include "settings/settings.h"

#include <QPixmap>
#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;

namespace qm {

// "Цвет по:", the choice of what the track is coloured by among what it has
// (speed, height, grade, the device's measures); the bands of that measure
// with colour and range (by a measure other than speed, "нет данных" last),
// and the distance and time the runs of each cover with their shares of the
// whole; then the time
// in no band (pauses), the whole as the statistics give it, the highest
// speed of a run (its tooltip says which speed that is), what the marks on
// the map mean and the zone the window's times are given in (the marks'
// tooltips, the profile's time axis). Bands without a run are greyed, or
// hidden when the user says so. Its table is laid out whenever its texts or
// font change, with columns as wide as their widest text; painting only
// draws it.
class MapLegend : public QWidget {
    Q_OBJECT
public:
    explicit MapLegend(QWidget* parent = nullptr);
    // Numbers with NUMDIGITS decimals, as the statistics write them, but the
    // interface's decimal separator; times in the zone GMTMOD gives. The
    // trip stays its owner's, who shows the next one or none before it goes.
    void SetTrip(const MapTrip* trip, const Settings& settings);

    // The cells as they are drawn, in the widget's pixels.
    const LegendLayout& Layout() const { return layout_; }
    // The text of the cell of that name ("range3", "totalTime"...), empty
    // when there is none.
    QString CellText(const std::string& name) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The table was laid out anew, and its size may have changed.
    void LaidOut();
    // The user chose what to colour the track by.
    void ColourChosen(qm::ColourMeasure measure);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The texts in the interface language: the trip shown anew.
    void changeEvent(QEvent* event) override;

private:
    void Relayout();
    std::vector<LegendRow> Rows() const;

    const MapTrip* trip_ = nullptr;
    Settings settings_;
    QCheckBox* emptyBands_;
    QLabel* colourByLabel_;
    QComboBox* colourBy_;
    std::vector<QPixmap> pictures_;
    LegendLayout layout_;
};

}  // namespace qm
