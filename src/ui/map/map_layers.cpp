#include "ui/map/map_layers.h"

#include "ui/map/map_marks.h"
#include "ui/map/tile_source.h"
#include "ui/qt_color.h"
#include "ui/qt_text.h"

#include <QPainter>

namespace qm {

QFont SmallFont(const QFont& font)
{
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() * 0.8);
    return small;
}

QRegion DrawTiles(QPainter& painter, TileSource& tiles, const MapViewport& view)
{
    QRegion gridded;
    for (const MapViewport::Tile& shown : view.Tiles()) {
        const TileKey key{view.Zoom(), shown.X, shown.Y};
        const QRect place(shown.Left, shown.Top, kTileSize, kTileSize);
        const QImage tile = tiles.Tile(key);
        if (!tile.isNull())
            painter.drawImage(place, tile);
        else if (tiles.LackOf(key) != TileSource::Lack::None)
            gridded += place;
    }
    return gridded;
}

void DrawGrid(QPainter& painter, const MapGrid& grid, const std::vector<GridLabel>& labels, QSize size)
{
    painter.setPen(QPen(QColor(170, 170, 170), 1));
    for (const GridLine& meridian : grid.Meridians)
        painter.drawLine(QPointF(meridian.Pixel, 0), QPointF(meridian.Pixel, size.height()));
    for (const GridLine& parallel : grid.Parallels)
        painter.drawLine(QPointF(0, parallel.Pixel), QPointF(size.width(), parallel.Pixel));
    painter.setPen(QColor(90, 90, 90));
    for (const GridLabel& label : labels)
        painter.drawText(QRectF(label.Box.Left, label.Box.Top, label.Box.Width, label.Box.Height),
                         Qt::AlignLeft | Qt::AlignVCenter, ToQt(label.Text));
}

void DrawTrackLines(QPainter& painter, const std::vector<TrackLine>& lines, const std::vector<ColourBandTotal>& bands,
                    const MapViewport& view, int lineWidth, const std::function<bool(const TrackLine&)>& only)
{
    const ViewPoint origin = view.Origin();
    const QRectF shown =
        QRectF(origin.X, origin.Y, view.Width(), view.Height()).adjusted(-lineWidth, -lineWidth, lineWidth, lineWidth);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF polyline;
    for (const TrackLine& line : lines) {
        if (line.MaxX < shown.left() || line.MinX > shown.right() || line.MaxY < shown.top() ||
            line.MinY > shown.bottom() || (only && !only(line)))
            continue;
        polyline.clear();
        for (const LinePoint& point : line.Points) polyline << QPointF(point.X - origin.X, point.Y - origin.Y);
        painter.setPen(QPen(ColorOf(bands[line.Band].Color), lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(polyline);
    }
}

void DrawMarks(QPainter& painter, const MapTrip& trip, const std::vector<MarkGroup>& stops, const MapViewport& view,
               int cursor)
{
    auto at = [&](int index) {
        const ViewPoint point = view.ToView(trip.World[index]);
        return QPointF(point.X, point.Y);
    };
    const int last = int(trip.Track.Points.size()) - 1;
    painter.setRenderHint(QPainter::Antialiasing);
    DrawMark(painter, at(last), MarkKind::Finish);
    const ViewPoint origin = view.Origin();
    const QRectF shown = QRectF(0, 0, view.Width(), view.Height()).adjusted(-20, -20, 20, 20);
    for (const MarkGroup& group : stops) {
        const QPointF place(group.X - origin.X, group.Y - origin.Y);
        if (shown.contains(place)) DrawMark(painter, place, MarkKind::Stop, int(group.Members.size()));
    }
    // The start last: a ring that leaves what lies under it in sight.
    DrawMark(painter, at(0), MarkKind::Start);
    if (cursor >= 0 && cursor <= last) DrawMark(painter, at(cursor), MarkKind::Cursor);
}

void DrawScaleBar(QPainter& painter, const ScaleBar& bar, const QString& text, int viewHeight)
{
    const QPointF start(10, viewHeight - 12);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(start, start + QPointF(bar.Pixels, 0));
    painter.drawLine(start, start - QPointF(0, 5));
    painter.drawLine(start + QPointF(bar.Pixels, 0), start + QPointF(bar.Pixels, -5));
    painter.drawText(start + QPointF(4, -4), text);
}

void DrawBoxedText(QPainter& painter, const QString& text, QPointF at)
{
    const QFontMetrics metrics = painter.fontMetrics();
    QRectF box = metrics.boundingRect(text).adjusted(-3, -1, 3, 1);
    box.moveTopLeft(at);
    painter.fillRect(box, QColor(255, 255, 255, 200));
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace qm
