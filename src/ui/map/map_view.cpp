#include "ui/map/map_view.h"

#include "platform/date_time_text.h"
#include "ui/map/map_marks.h"
#include "ui/qt_color.h"
#include "ui/map/tile_source.h"
#include "ui/qt_text.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace qm {
namespace {

constexpr int kMinZoom = 1;
// Zoom levels whose lines are kept; more are computed again when needed.
constexpr std::size_t kKeptLevels = 4;
// Stops nearer than this in pixels share a mark.
constexpr double kStopSpacing = 2 * kMarkRadius + 6;
// A wheel's notch; touchpads send fractions of it.
constexpr int kWheelStep = 120;
// Stops a merged mark's tooltip lists.
constexpr int kListedStops = 5;

// The largest of 1, 2 and 5 times a power of ten not above value.
double RoundDown125(double value)
{
    const double power = std::pow(10, std::floor(std::log10(value)));
    for (double step : {5, 2, 1})
        if (step * power <= value) return step * power;
    return power;
}

QString DistanceText(double metres)
{
    return metres >= 1000 ? MapView::tr("%1 км").arg(metres / 1000) : MapView::tr("%1 м").arg(metres);
}

QFont SmallFont(const QFont& font)
{
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() * 0.8);
    return small;
}

// A grid label with as many decimals as the step needs.
QString DegreesText(double degrees, double step)
{
    const int decimals = std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
    return QString::number(degrees, 'f', decimals) + "°";
}

}  // namespace

MapView::MapView(QWidget* parent) : QWidget(parent)
{
    setObjectName("mapView");
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
}

void MapView::SetTrip(std::shared_ptr<const MapTrip> trip, int lineWidth, int gmtHours)
{
    trip_ = std::move(trip);
    lineWidth_ = std::max(1, lineWidth);
    gmtHours_ = gmtHours;
    lines_.clear();
    stopMarks_.clear();
    cursor_ = -1;
    FitTrack();
}

void MapView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (fitted_)
        FitTrack();
    else
        ViewChanged();
}

void MapView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ViewChanged();
}

void MapView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A hidden map asks for nothing.
    if (tiles_) tiles_->Want({});
}

void MapView::ViewChanged()
{
    update();
    if (!tiles_ || !isVisible()) return;
    QList<TileKey> keys;
    for (const auto& [key, place] : ShownTiles()) keys << key;
    tiles_->Want(keys);
}

void MapView::SetTileSource(TileSource* source, const QString& attribution)
{
    if (tiles_) disconnect(tiles_, nullptr, this, nullptr);
    tiles_ = source;
    attribution_ = attribution;
    if (tiles_) connect(tiles_, &TileSource::Arrived, this, qOverload<>(&QWidget::update));
    ViewChanged();
}

void MapView::FitTrack()
{
    if (!trip_ || trip_->World.empty()) return;
    fitted_ = true;
    double minX = 1, minY = 1, maxX = 0, maxY = 0;
    for (const WorldPoint& point : trip_->World) {
        minX = std::min(minX, point.X);
        maxX = std::max(maxX, point.X);
        minY = std::min(minY, point.Y);
        maxY = std::max(maxY, point.Y);
    }
    centre_ = {(minX + maxX) / 2, (minY + maxY) / 2};
    // The deepest level at which the track and a margin fit into the view.
    const double margin = 2 * (lineWidth_ + kMarkRadius) + 8;
    zoom_ = kMinZoom;
    for (int zoom = kMaxZoom; zoom >= kMinZoom; --zoom) {
        const double pixels = WorldPixels(zoom);
        if ((maxX - minX) * pixels <= width() - margin && (maxY - minY) * pixels <= height() - margin) {
            zoom_ = zoom;
            break;
        }
    }
    ViewChanged();
}

void MapView::ZoomBy(int levels, QPointF anchor)
{
    const int zoom = std::clamp(zoom_ + levels, kMinZoom, kMaxZoom);
    if (zoom == zoom_) return;
    fitted_ = false;
    const double before = WorldPixels(zoom_);
    const QPointF offset = anchor - QPointF(width() / 2.0, height() / 2.0);
    const WorldPoint anchored{centre_.X + offset.x() / before, centre_.Y + offset.y() / before};
    zoom_ = zoom;
    const double after = WorldPixels(zoom_);
    centre_ = {anchored.X - offset.x() / after, anchored.Y - offset.y() / after};
    ViewChanged();
}

void MapView::ShowCursor(int pointIndex)
{
    if (pointIndex == cursor_) return;
    cursor_ = pointIndex;
    update();
}

QPointF MapView::Origin() const
{
    const double pixels = WorldPixels(zoom_);
    return {centre_.X * pixels - width() / 2.0, centre_.Y * pixels - height() / 2.0};
}

QPointF MapView::ScreenPoint(int pointIndex) const
{
    const WorldPoint& world = trip_->World[pointIndex];
    const double pixels = WorldPixels(zoom_);
    return QPointF(world.X * pixels, world.Y * pixels) - Origin();
}

QString MapView::Note() const
{
    if (!tiles_) return tr("Подложка карты не задана: показана сетка широт и долгот");
    if (!tiles_->Usable())
        return tr("TILEURL не адрес сервера карт (нужен http:// или https:// с {z}, {x} и {y}): показана сетка широт "
                  "и долгот");
    TileSource::Lack lack = TileSource::Lack::None;
    for (const auto& [key, place] : ShownTiles()) lack = std::max(lack, tiles_->LackOf(key));
    if (lack == TileSource::Lack::NoServer)
        return tr("Нет связи с сервером карт: где нет тайлов, показана сетка широт и долгот");
    if (lack == TileSource::Lack::BadTile)
        return tr("Сервер карт прислал негодные тайлы: на их месте показана сетка широт и долгот");
    return {};
}

const std::vector<TrackLine>& MapView::LinesAt(int zoom)
{
    auto found = lines_.find(zoom);
    if (found != lines_.end()) return found->second;
    if (lines_.size() >= kKeptLevels) lines_.clear();
    return lines_[zoom] = RunLines(trip_->World, trip_->Breaks, trip_->Visualisation.Runs, zoom);
}

const std::vector<MarkGroup>& MapView::StopMarks()
{
    auto found = stopMarks_.find(zoom_);
    if (found != stopMarks_.end()) return found->second;
    if (stopMarks_.size() >= kKeptLevels) stopMarks_.clear();
    std::vector<LinePoint> places;
    const double pixels = WorldPixels(zoom_);
    if (trip_) {
        for (const TrackStop& stop : trip_->Visualisation.Stops) {
            const WorldPoint& world = trip_->World[stop.First];
            places.push_back({world.X * pixels, world.Y * pixels, stop.First});
        }
    }
    return stopMarks_[zoom_] = GroupMarks(places, kStopSpacing);
}

void MapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(242, 239, 233));
    const QRegion gridded = tiles_ && tiles_->Usable() ? DrawTiles(painter) : QRegion(rect());
    if (!gridded.isEmpty()) {
        painter.setClipRegion(gridded);
        DrawGrid(painter);
        painter.setClipping(false);
    }
    if (trip_) {
        painter.setRenderHint(QPainter::Antialiasing);
        DrawTrack(painter);
        DrawMarkers(painter);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawScaleBar(painter);
    DrawTexts(painter);
}

std::vector<std::pair<TileKey, QRect>> MapView::ShownTiles() const
{
    std::vector<std::pair<TileKey, QRect>> shown;
    const QPointF origin = Origin();
    const int count = 1 << zoom_;
    const int firstX = int(std::floor(origin.x() / kTileSize));
    const int firstY = std::max(0, int(std::floor(origin.y() / kTileSize)));
    const int lastX = int(std::floor((origin.x() + width() - 1) / kTileSize));
    const int lastY = std::min(count - 1, int(std::floor((origin.y() + height() - 1) / kTileSize)));
    for (int y = firstY; y <= lastY; ++y)
        for (int x = firstX; x <= lastX; ++x)
            // On whole pixels, so that tiles and the grid between them meet without seams.
            shown.emplace_back(TileKey{zoom_, ((x % count) + count) % count, y},
                               QRect((QPointF(x, y) * kTileSize - origin).toPoint(), QSize(kTileSize, kTileSize)));
    return shown;
}

QRegion MapView::DrawTiles(QPainter& painter)
{
    QRegion gridded;
    for (const auto& [key, place] : ShownTiles()) {
        const QImage tile = tiles_->Tile(key);
        if (!tile.isNull())
            painter.drawImage(place, tile);
        else if (tiles_->LackOf(key) != TileSource::Lack::None)
            gridded += place;
    }
    return gridded;
}

QRectF MapView::NoteBox() const
{
    const QString note = Note();
    if (note.isEmpty()) return {};
    const QFontMetrics metrics(SmallFont(font()));
    return QRectF(QPointF(4, 4), metrics.boundingRect(note).adjusted(-3, -1, 3, 1).size());
}

QRectF MapView::ScaleBarBox() const
{
    const QFontMetrics metrics(SmallFont(font()));
    // The bar is at most 120 pixels long and its text sits above it.
    const double width = std::max(120.0, metrics.horizontalAdvance(DistanceText(5000000)) + 8.0);
    return QRectF(6, height() - 14 - metrics.height() - 4, width + 8, metrics.height() + 12);
}

void MapView::DrawGrid(QPainter& painter)
{
    const QPointF origin = Origin();
    const double pixels = WorldPixels(zoom_);
    const double west = LongitudeOf(origin.x() / pixels), east = LongitudeOf((origin.x() + width()) / pixels);
    const double north = LatitudeOf(origin.y() / pixels), south = LatitudeOf((origin.y() + height()) / pixels);
    painter.setFont(SmallFont(font()));
    const QFontMetrics metrics = painter.fontMetrics();
    // Lines about every 100 pixels at round degrees, and wide enough apart
    // for their labels.
    const double room = std::max(100, metrics.horizontalAdvance("-179.00000°") + 12);
    const double step = RoundDown125(std::max(1e-6, (east - west) * room / std::max(1, width())));
    // A label is drawn only where it is whole and covers neither another
    // label, the note nor the scale bar.
    gridLabels_.clear();
    const std::vector<QRectF> kept{NoteBox(), ScaleBarBox()};
    const QRectF inside = QRectF(rect()).adjusted(2, 2, -2, -2);
    auto label = [&](const QString& text, QPointF topLeft) {
        const QRectF box(topLeft, QSizeF(metrics.horizontalAdvance(text) + 2, metrics.height()));
        if (!inside.contains(box)) return;
        const QRectF room = box.adjusted(-3, -1, 3, 1);
        auto clear = [&](const std::vector<QRectF>& boxes) {
            return std::none_of(boxes.begin(), boxes.end(),
                                [&](const QRectF& other) { return other.intersects(room); });
        };
        if (!clear(kept) || !clear(gridLabels_)) return;
        gridLabels_.push_back(box);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    painter.setPen(QPen(QColor(170, 170, 170), 1));
    const double labelTop = NoteBox().isEmpty() ? 4 : NoteBox().bottom() + 4;
    for (double lon = std::ceil(west / step) * step; lon <= east; lon += step) {
        const double x = Project(0, lon).X * pixels - origin.x();
        painter.drawLine(QPointF(x, 0), QPointF(x, height()));
    }
    for (double lat = std::ceil(south / step) * step; lat <= north; lat += step) {
        const double y = Project(lat, 0).Y * pixels - origin.y();
        painter.drawLine(QPointF(0, y), QPointF(width(), y));
    }
    painter.setPen(QColor(90, 90, 90));
    for (double lon = std::ceil(west / step) * step; lon <= east; lon += step) {
        const double x = Project(0, lon).X * pixels - origin.x();
        label(DegreesText(lon, step), QPointF(x + 3, labelTop));
    }
    for (double lat = std::ceil(south / step) * step; lat <= north; lat += step) {
        const double y = Project(lat, 0).Y * pixels - origin.y();
        label(DegreesText(lat, step), QPointF(3, y - 2 - metrics.height()));
    }
}

void MapView::DrawTrack(QPainter& painter)
{
    const QPointF origin = Origin();
    const QRectF shown = QRectF(origin, size()).adjusted(-lineWidth_, -lineWidth_, lineWidth_, lineWidth_);
    const auto& bands = trip_->Visualisation.Bands;
    QPolygonF polyline;
    for (const TrackLine& line : LinesAt(zoom_)) {
        if (line.MaxX < shown.left() || line.MinX > shown.right() || line.MaxY < shown.top() ||
            line.MinY > shown.bottom())
            continue;
        polyline.clear();
        for (const LinePoint& point : line.Points) polyline << QPointF(point.X - origin.x(), point.Y - origin.y());
        painter.setPen(QPen(ColorOf(bands[line.Band].Color), lineWidth_, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPolyline(polyline);
    }
}

void MapView::DrawMarkers(QPainter& painter)
{
    const int last = int(trip_->Track.Points.size()) - 1;
    painter.setFont(SmallFont(font()));
    DrawMark(painter, ScreenPoint(last), MarkKind::Finish);
    const QPointF origin = Origin();
    const QRectF shown = QRectF(origin, size()).adjusted(-20, -20, 20, 20);
    for (const MarkGroup& group : StopMarks())
        if (shown.contains(group.X, group.Y))
            DrawMark(painter, QPointF(group.X, group.Y) - origin, MarkKind::Stop, int(group.Members.size()));
    // The start last: a ring that leaves what lies under it in sight.
    DrawMark(painter, ScreenPoint(0), MarkKind::Start);
    if (cursor_ >= 0 && cursor_ <= last) DrawMark(painter, ScreenPoint(cursor_), MarkKind::Cursor);
}

void MapView::DrawScaleBar(QPainter& painter)
{
    const double latitude = LatitudeOf(centre_.Y);
    const double metres = RoundDown125(MetresPerPixel(latitude, zoom_) * 120);
    const double length = metres / MetresPerPixel(latitude, zoom_);
    const QPointF start(10, height() - 12);
    painter.setFont(SmallFont(font()));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(start, start + QPointF(length, 0));
    painter.drawLine(start, start - QPointF(0, 5));
    painter.drawLine(start + QPointF(length, 0), start + QPointF(length, -5));
    painter.drawText(start + QPointF(4, -4), DistanceText(metres));
}

void MapView::DrawTexts(QPainter& painter)
{
    painter.setFont(SmallFont(font()));
    const QFontMetrics metrics = painter.fontMetrics();
    auto boxed = [&](const QString& text, QPointF at) {
        QRectF box = metrics.boundingRect(text).adjusted(-3, -1, 3, 1);
        box.moveTopLeft(at);
        painter.fillRect(box, QColor(255, 255, 255, 200));
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, text);
    };
    const QString note = Note();
    if (!note.isEmpty()) boxed(note, QPointF(4, 4));
    if (note.isEmpty() && !attribution_.isEmpty()) {
        const double width = metrics.horizontalAdvance(attribution_) + 6;
        boxed(attribution_, QPointF(this->width() - width - 2, height() - metrics.height() - 4));
    }
}

int MapView::PointNear(QPointF position)
{
    if (!trip_) return -1;
    const QPointF at = position + Origin();
    double best = 10 + lineWidth_ / 2.0;
    int index = -1;
    for (const TrackLine& line : LinesAt(zoom_)) {
        if (line.MaxX < at.x() - best || line.MinX > at.x() + best || line.MaxY < at.y() - best ||
            line.MinY > at.y() + best)
            continue;
        for (const LinePoint& point : line.Points) {
            const double distance = std::hypot(point.X - at.x(), point.Y - at.y());
            if (distance < best) {
                best = distance;
                index = point.Index;
            }
        }
    }
    return index;
}

QString MapView::MarkText(QPointF position)
{
    if (!trip_) return {};
    const TrackPoints& points = trip_->Track.Points;
    const QString zone = " (" + ZoneText(gmtHours_) + ")";
    auto at = [&](int index) { return ToQt(DateTimeText(points[index].DateTime + gmtHours_ / 24.0)) + zone; };
    auto near = [&](QPointF place, double radius) {
        const QPointF d = place - position;
        return std::hypot(d.x(), d.y()) <= radius + 2;
    };
    const QFontMetrics measure(SmallFont(font()));
    const QPointF origin = Origin();
    for (const MarkGroup& group : StopMarks()) {
        const int count = int(group.Members.size());
        if (!near(QPointF(group.X, group.Y) - origin, MarkRadius(measure, count))) continue;
        QStringList lines;
        if (count > 1) lines << tr("Остановок: %1 (приблизьте карту, чтобы увидеть каждую)").arg(count);
        for (int n = 0; n < std::min(count, kListedStops); ++n) {
            const int number = group.Members[n];
            const TrackStop& stop = trip_->Visualisation.Stops[number];
            lines << tr("Остановка %1: начало %2, длительность %3")
                         .arg(number + 1)
                         .arg(at(stop.First))
                         .arg(ToQt(DurationText(stop.Duration)));
        }
        if (count > kListedStops) lines << "…";
        return lines.join('\n');
    }
    const int last = int(points.size()) - 1;
    QStringList ends;
    if (near(ScreenPoint(0), kMarkRadius + 3)) ends << tr("Начало трека: %1").arg(at(0));
    if (near(ScreenPoint(last), kMarkRadius)) ends << tr("Конец трека: %1").arg(at(last));
    return ends.join('\n');
}

bool MapView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = MarkText(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}

void MapView::wheelEvent(QWheelEvent* event)
{
    // Small steps add up to a zoom step; a turn back starts afresh.
    const int angle = event->angleDelta().y();
    if ((angle > 0) != (wheelAngle_ > 0)) wheelAngle_ = 0;
    wheelAngle_ += angle;
    const int levels = wheelAngle_ / kWheelStep;
    wheelAngle_ -= levels * kWheelStep;
    if (levels != 0) ZoomBy(levels, event->position());
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void MapView::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_) {
        const QPointF moved = event->position() - dragFrom_;
        dragFrom_ = event->position();
        const double pixels = WorldPixels(zoom_);
        centre_ = {centre_.X - moved.x() / pixels, centre_.Y - moved.y() / pixels};
        fitted_ = false;
        ViewChanged();
        return;
    }
    emit PointHovered(PointNear(event->position()));
}

void MapView::mouseReleaseEvent(QMouseEvent*)
{
    dragging_ = false;
    unsetCursor();
}

void MapView::keyPressEvent(QKeyEvent* event)
{
    const QPointF middle(width() / 2.0, height() / 2.0);
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomBy(1, middle);
        break;
    case Qt::Key_Minus:
        ZoomBy(-1, middle);
        break;
    case Qt::Key_Home:
        FitTrack();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

}  // namespace qm
