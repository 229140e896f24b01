#pragma once

#include "map/map_grid.h"
#include "map/map_trip.h"
#include "map/map_viewport.h"
#include "map/trip_levels.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <memory>
#include <vector>

namespace qm {

class TileSource;

// The track on a map: each run in its band's colour, gaps where the track
// breaks, start and finish, the stops, a scale bar and the map tiles under
// it, with a latitude/longitude grid and a one-line note where there are
// none. Stops that would overlap are drawn as one mark with their count.
// Whenever the view changes it lays out what it shows (lines, marks, grid)
// and asks for its tiles; painting only draws. The wheel and +/- zoom,
// dragging and the arrow keys pan, Home fits the track. Pointing at a mark tells what it is,
// when it was (in the zone GMTMOD gives) and how long a stop lasted.
class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(QWidget* parent = nullptr);

    // A new trip (null for none) drawn with lines lineWidth pixels wide; the
    // view fits it, and fits it again when its size changes before the user
    // zooms or pans.
    void SetTrip(std::shared_ptr<const MapTrip> trip, int lineWidth, int gmtHours);
    // The tiles to draw under the track with their attribution, or null for
    // the grid.
    void SetTileSource(TileSource* source, const QString& attribution);

    void FitTrack();
    // Zooms by whole levels, keeping the place under anchor where it is.
    void ZoomBy(int levels, QPointF anchor);
    // Moves the map by so many pixels, as dragging it would.
    void Pan(double dx, double dy);
    int Zoom() const { return viewport_.Zoom(); }
    // Marks a track point (-1: none), as the profile's cursor asks.
    void ShowCursor(int pointIndex);
    // Another trip of the same track (a trip without some of its files): the
    // view stays where the user took it, and fits the track anew only where
    // it was fitted.
    void ReplaceTrip(std::shared_ptr<const MapTrip> trip);
    // Brings out the lines of one file of a trip (an index into its Files;
    // -1: none) by drawing the others faint.
    void HighlightFile(int file);
    int HighlightedFile() const { return highlighted_; }
    // Fits the view to the points of one file of a trip.
    void FitFile(int file);

    // Where a track point is drawn, in the view's pixels.
    QPointF ScreenPoint(int pointIndex) const;
    // The one line over the map that says why there is a grid, or empty;
    // drawn cut to the view's width (ShownNote), whole in its tooltip.
    QString Note() const;
    QString ShownNote() const;
    // The stops as they are drawn at the current zoom level, places in its
    // pixels.
    const std::vector<MarkGroup>& StopMarks() const { return levels_.StopMarks(viewport_.Zoom()); }
    // The text a tooltip shows at a place in the view; empty off the marks.
    QString MarkText(QPointF position) const;
    // The grid's labels, and where the note and the scale bar are, which
    // they keep clear of.
    const std::vector<GridLabel>& GridLabels() const { return gridLabels_; }
    QRectF NoteBox() const;
    QRectF ScaleBarBox() const;

signals:
    // The track point nearest to the mouse, -1 when none is near.
    void PointHovered(int pointIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Lays out what the view shows now, asks for its tiles and redraws it.
    void ViewChanged();
    // The grid and its labels, which keep clear of the note.
    void LayOutGrid();

    std::shared_ptr<const MapTrip> trip_;
    int lineWidth_ = 5;
    int gmtHours_ = 0;
    TileSource* tiles_ = nullptr;
    QString attribution_;
    MapViewport viewport_;
    TripLevels levels_;
    MapGrid grid_;
    std::vector<GridLabel> gridLabels_;
    int cursor_ = -1;
    int highlighted_ = -1;
    QPointF dragFrom_;
    bool dragging_ = false;
    bool fitted_ = false;
    int wheelAngle_ = 0;  // eighths of a degree not yet turned into a zoom step
};

}  // namespace qm
