#pragma once

#include "map/profile_layout.h"
#include "settings/settings.h"
#include "map/map_trip.h"

#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace qm {

// The profile under the map, over time or over distance (the user's choice;
// distance when the gaps between the parts would take most of a time
// axis): each run's value of what the trip is coloured by (speed averaged
// over the calculation interval, or another measure) as bars in its band's
// colour, optionally the speed from point to point as a thin line,
// the height, on demand one measure of the track (heart rate, cadence, power
// or temperature) with its own value axis, the stops as marks on the axis and each gap between two parts
// as a short marked break; in a trip of several files, a line where it goes
// on in another file with that file's name, and a note of the files left out. A cursor follows the mouse and tells where it
// points; the map's pointer moves it the other way. What the columns show is
// computed when the trip, the choices or the size change; painting only draws.
class ProfileChart : public QWidget {
    Q_OBJECT
public:
    explicit ProfileChart(QWidget* parent = nullptr);

    // Times in the zone GMTMOD gives; the interval's text from TIMEINTRVL;
    // the axis and the measure PROFILEAXIS and PROFILEMEASURE choose (the
    // measure where the track has it).
    void SetTrip(const MapTrip* trip, const Settings& settings);
    // Puts the cursor on a track point (-1: hides it).
    void ShowCursor(int pointIndex);

    ProfileScale Scale() const { return scale_; }
    void SetScale(ProfileScale scale);
    // Where the plot is drawn and where a point lies on it, in pixels.
    QRectF PlotArea() const;
    double PlotX(int pointIndex) const;
    // The measure drawn beside speed and height, if any.
    std::optional<qm::Measure> ShownMeasure() const { return shown_; }
    void ShowMeasure(std::optional<qm::Measure> measure);
    // Where a trip of several files goes on in another, as drawn.
    const std::vector<ProfilePlot::FileMark>& FileMarks() const { return fileMarks_; }
    // The note of the files left out of the trip, empty without any.
    QString HiddenNote() const;
    // The file of a trip the user points at (-1: none): the others' stretches faint.
    void HighlightFile(int file);
    int HighlightedFile() const { return highlighted_; }

signals:
    // The track point under the mouse, -1 when it is off the plot.
    void PointHovered(int pointIndex);
    // The user chose the axis or the measure: Scale() and ShownMeasure() tell which.
    void Chosen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The controls' captions in the interface language; the painted texts follow at the next paint.
    void Retranslate();
    void NewAxis();
    // What each column of the plot shows, for the plot's current size.
    void Measure();
    void OfferMeasures();
    ProfilePlot Plot() const;

    const MapTrip* trip_ = nullptr;
    int gmtHours_ = 0;
    double interval_ = 0;  // minutes
    ProfileScale scale_ = ProfileScale::Time;
    ProfileAxis axis_;
    ProfileColumns columns_;
    ProfileValueAxes valueAxes_;
    std::vector<ProfilePlot::FileMark> fileMarks_;
    int highlighted_ = -1;
    std::optional<qm::Measure> shown_;
    int cursor_ = -1;
    QRadioButton* overTime_;
    QRadioButton* overDistance_;
    QCheckBox* stepSpeeds_;
    QLabel* measureLabel_;
    QComboBox* measureChoice_;
};

}  // namespace qm
