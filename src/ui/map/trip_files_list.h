#pragma once

#include "map/map_trip.h"
#include "map/trip_file_rows.h"
#include "settings/settings.h"

#include <QTableWidget>

#include <vector>

namespace qm {

// The files of a trip, under the map's legend, for a trip of several files
// only: each row a box that shows or hides the file, its name (the whole path
// in its tooltip), the date of its first point and its distance. The box of
// the last file shown that has points is disabled: a trip is never left with
// nothing to show. The row the mouse is over, else the row selected, is the
// file pointed at, which the map brings out; a double click asks for the map
// to be fitted to that file.
class TripFilesList : public QTableWidget {
    Q_OBJECT
public:
    explicit TripFilesList(QWidget* parent = nullptr);

    // The files of the whole trip (null, or one file: the list is emptied and
    // hidden), dates in the zone GMTMOD gives, distances with NUMDIGITS
    // decimals, and which of them are hidden. The trip stays its owner's,
    // who shows the next one or none before it goes.
    void SetTrip(const MapTrip* whole, const Settings& settings, const std::vector<bool>& hidden);
    // Which files the boxes hide, one flag per file.
    const std::vector<bool>& Hidden() const { return hidden_; }
    // The file pointed at and shown, -1 for none.
    int Pointed() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user changed a box: Hidden() tells which files are hidden now.
    void HiddenChanged();
    void PointedChanged(int file);
    void FitAsked(int file);

protected:
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // The rows' texts and boxes, in the interface language.
    void Fill();
    void BoxChanged(QTableWidgetItem* item);
    void PointAt(int hoveredRow);
    void FitRows();
    // The height of that many rows with the header and the frame.
    int RowsHeight(int rows) const;

    const MapTrip* whole_ = nullptr;
    Settings settings_;
    std::vector<TripFileRow> rows_;
    std::vector<bool> hidden_;
    int hovered_ = -1;
    int pointed_ = -1;
};

}  // namespace qm
