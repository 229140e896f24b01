#pragma once

#include "map/map_grid.h"
#include "map/map_trip.h"
#include "map/map_viewport.h"
#include "map/mark_groups.h"
#include "map/track_lines.h"

#include <QFont>
#include <QPointF>
#include <QRegion>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace qm {

class TileSource;

// The layers of the map view, bottom to top, each drawn by one function
// from what the view has laid out, in the painter's font (SmallFont).

// The tiles at hand; gives where tiles are not to be had.
QRegion DrawTiles(QPainter& painter, TileSource& tiles, const MapViewport& view);
void DrawGrid(QPainter& painter, const MapGrid& grid, const std::vector<GridLabel>& labels, QSize size);
// The lines that reach into the view, each in its band's colour; with a
// filter, only the lines it takes.
void DrawTrackLines(QPainter& painter, const std::vector<TrackLine>& lines, const std::vector<ColourBandTotal>& bands,
                    const MapViewport& view, int lineWidth,
                    const std::function<bool(const TrackLine&)>& only = {});
// The finish, the stops, the start and the cursor (-1: none).
void DrawMarks(QPainter& painter, const MapTrip& trip, const std::vector<MarkGroup>& stops, const MapViewport& view,
               int cursor);
// The bar at the bottom left with its distance above it.
void DrawScaleBar(QPainter& painter, const ScaleBar& bar, const QString& text, int viewHeight);
// A text on a light box whose top left corner is at `at`.
void DrawBoxedText(QPainter& painter, const QString& text, QPointF at);

// The map's texts (grid labels, scale bar, notes) are smaller than the window's.
QFont SmallFont(const QFont& font);

}  // namespace qm
