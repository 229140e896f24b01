#include "ui/map/map_view.h"

#include "platform/date_time_text.h"
#include "platform/number_text.h"
#include "ui/interface_language.h"
#include "ui/map/map_layers.h"
#include "ui/map/map_marks.h"
#include "ui/map/tile_source.h"
#include "ui/qt_text.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace qm {
namespace {

// Stops nearer than this in pixels share a mark.
constexpr double kStopSpacing = 2 * kMarkRadius + 6;
// A wheel's notch; touchpads send fractions of it.
constexpr int kWheelStep = 120;
// Stops a merged mark's tooltip lists.
constexpr int kListedStops = 5;
// The scale bar's longest length in pixels.
constexpr double kScaleBarPixels = 120;
// The opacity of the lines of the files not brought out: their colours can
// still be told, and the file brought out stands clear of them.
constexpr double kFaintLines = 0.25;

QString DistanceText(double metres)
{
    const char separator = InterfaceDecimalSeparator();
    return metres >= 1000 ? MapView::tr("%1 км").arg(ToQt(FloatToText(metres / 1000, separator)))
                          : MapView::tr("%1 м").arg(ToQt(FloatToText(metres, separator)));
}

PixelBox BoxOf(const QRectF& rect) { return {rect.left(), rect.top(), rect.width(), rect.height()}; }

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
    levels_ = TripLevels(trip_, kStopSpacing);
    cursor_ = -1;
    if (trip_)
        FitTrack();
    else
        ViewChanged();
}

void MapView::ReplaceTrip(std::shared_ptr<const MapTrip> trip)
{
    trip_ = std::move(trip);
    levels_ = TripLevels(trip_, kStopSpacing);
    cursor_ = -1;
    if (trip_ && fitted_)
        FitTrack();
    else
        ViewChanged();
}

void MapView::HighlightFile(int file)
{
    if (file == highlighted_) return;
    highlighted_ = file;
    update();
}

void MapView::FitFile(int file)
{
    if (!trip_ || trip_->PointFiles.size() != trip_->World.size()) return;
    std::vector<WorldPoint> points;
    for (size_t i = 0; i < trip_->World.size(); ++i)
        if (int(trip_->PointFiles[i]) == file) points.push_back(trip_->World[i]);
    if (points.empty()) return;
    viewport_.Resize(width(), height());
    viewport_.Fit(points, 2 * (lineWidth_ + kMarkRadius) + 8);
    // The user chose this view: a new size keeps it.
    fitted_ = false;
    ViewChanged();
}

void MapView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    viewport_.Resize(width(), height());
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

void MapView::changeEvent(QEvent* event)
{
    // The note and the labels are measured in the font and written in the language.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange) {
        LayOutGrid();
        update();
    }
    QWidget::changeEvent(event);
}

void MapView::ViewChanged()
{
    levels_.Prepare(viewport_.Zoom());
    LayOutGrid();
    update();
    if (!tiles_ || !isVisible()) return;
    QList<TileKey> keys;
    for (const MapViewport::Tile& tile : viewport_.Tiles()) keys << TileKey{viewport_.Zoom(), tile.X, tile.Y};
    tiles_->Want(keys);
}

void MapView::LayOutGrid()
{
    const QFontMetrics metrics(SmallFont(font()));
    // Lines about every 100 pixels, and wide enough apart for their labels.
    grid_ = MakeGrid(viewport_, std::max(100, metrics.horizontalAdvance("-179.00000°") + 12));
    const QRectF note = NoteBox();
    const TextWidth width = [&](const std::string& text, bool) { return metrics.horizontalAdvance(ToQt(text)); };
    gridLabels_ = PlaceGridLabels(grid_, InterfaceDecimalSeparator(), width, metrics.height(),
                                  note.isEmpty() ? 4 : note.bottom() + 4, BoxOf(QRectF(rect()).adjusted(2, 2, -2, -2)),
                                  {BoxOf(note), BoxOf(ScaleBarBox())});
}

void MapView::SetTileSource(TileSource* source, const QString& attribution)
{
    if (tiles_) disconnect(tiles_, nullptr, this, nullptr);
    tiles_ = source;
    attribution_ = attribution;
    if (tiles_) {
        // A tile that comes or fails may change the note.
        connect(tiles_, &TileSource::Arrived, this, [this] {
            LayOutGrid();
            update();
        });
    }
    ViewChanged();
}

void MapView::FitTrack()
{
    if (!trip_ || trip_->World.empty()) return;
    fitted_ = true;
    viewport_.Resize(width(), height());
    viewport_.Fit(trip_->World, 2 * (lineWidth_ + kMarkRadius) + 8);
    ViewChanged();
}

void MapView::ZoomBy(int levels, QPointF anchor)
{
    if (!viewport_.ZoomBy(levels, {anchor.x(), anchor.y()})) return;
    fitted_ = false;
    ViewChanged();
}

void MapView::Pan(double dx, double dy)
{
    viewport_.Pan(dx, dy);
    fitted_ = false;
    ViewChanged();
}

void MapView::ShowCursor(int pointIndex)
{
    if (pointIndex == cursor_) return;
    cursor_ = pointIndex;
    update();
}

QPointF MapView::ScreenPoint(int pointIndex) const
{
    const ViewPoint point = viewport_.ToView(trip_->World[pointIndex]);
    return {point.X, point.Y};
}

QString MapView::Note() const
{
    if (!tiles_) return tr("Подложка карты не задана: показана сетка широт и долгот");
    if (!tiles_->Usable())
        return tr("TILEURL не адрес сервера карт (нужен http:// или https:// с {z}, {x} и {y}): показана сетка широт "
                  "и долгот");
    TileSource::Lack lack = TileSource::Lack::None;
    for (const MapViewport::Tile& tile : viewport_.Tiles())
        lack = std::max(lack, tiles_->LackOf({viewport_.Zoom(), tile.X, tile.Y}));
    if (lack == TileSource::Lack::NoServer)
        return tr("Нет связи с сервером карт: где нет тайлов, показана сетка широт и долгот");
    if (lack == TileSource::Lack::BadTile)
        return tr("Сервер карт прислал негодные тайлы: на их месте показана сетка широт и долгот");
    return {};
}

QString MapView::ShownNote() const
{
    const QFontMetrics metrics(SmallFont(font()));
    // The box's margins and the view's, on either side.
    return metrics.elidedText(Note(), Qt::ElideRight, width() - 2 * (4 + 3));
}

QRectF MapView::NoteBox() const
{
    const QString note = ShownNote();
    if (note.isEmpty()) return {};
    const QFontMetrics metrics(SmallFont(font()));
    return QRectF(QPointF(4, 4), metrics.boundingRect(note).adjusted(-3, -1, 3, 1).size());
}

QRectF MapView::ScaleBarBox() const
{
    const QFontMetrics metrics(SmallFont(font()));
    // The bar's text sits above it.
    const double width = std::max(kScaleBarPixels, metrics.horizontalAdvance(DistanceText(5000000)) + 8.0);
    return QRectF(6, height() - 14 - metrics.height() - 4, width + 8, metrics.height() + 12);
}

void MapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(242, 239, 233));
    painter.setFont(SmallFont(font()));
    const QRegion gridded = tiles_ && tiles_->Usable() ? DrawTiles(painter, *tiles_, viewport_) : QRegion(rect());
    if (!gridded.isEmpty()) {
        painter.setClipRegion(gridded);
        DrawGrid(painter, grid_, gridLabels_, size());
        painter.setClipping(false);
    }
    if (trip_) {
        const std::vector<TrackLine>& lines = levels_.Lines(viewport_.Zoom());
        if (highlighted_ >= 0 && !trip_->PointFiles.empty()) {
            const auto highlighted = uint32_t(highlighted_);
            const PointSources& files = trip_->PointFiles;
            painter.setOpacity(kFaintLines);
            DrawTrackLines(painter, lines, trip_->Colouring.Bands, viewport_, lineWidth_,
                           [&](const TrackLine& line) { return LineSource(line, files) != highlighted; });
            painter.setOpacity(1);
            DrawTrackLines(painter, lines, trip_->Colouring.Bands, viewport_, lineWidth_,
                           [&](const TrackLine& line) { return LineSource(line, files) == highlighted; });
        } else {
            DrawTrackLines(painter, lines, trip_->Colouring.Bands, viewport_, lineWidth_);
        }
        DrawMarks(painter, *trip_, StopMarks(), viewport_, cursor_);
    }
    const ScaleBar bar = MakeScaleBar(viewport_, kScaleBarPixels);
    DrawScaleBar(painter, bar, DistanceText(bar.Metres), height());
    const QString note = ShownNote();
    const QFontMetrics metrics = painter.fontMetrics();
    if (!note.isEmpty()) {
        DrawBoxedText(painter, note, QPointF(4, 4));
    } else if (!attribution_.isEmpty()) {
        const double width = metrics.horizontalAdvance(attribution_) + 6;
        DrawBoxedText(painter, attribution_, QPointF(this->width() - width - 2, height() - metrics.height() - 4));
    }
}

QString MapView::MarkText(QPointF position) const
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
    const ViewPoint origin = viewport_.Origin();
    for (const MarkGroup& group : StopMarks()) {
        const int count = int(group.Members.size());
        if (!near(QPointF(group.X - origin.X, group.Y - origin.Y), MarkRadius(measure, count))) continue;
        QStringList lines;
        if (count > 1) lines << tr("Остановок: %1 (приблизьте карту, чтобы увидеть каждую)").arg(count);
        for (int n = 0; n < std::min(count, kListedStops); ++n) {
            const int number = group.Members[n];
            const TrackStop& stop = trip_->Visualisation.Stops[number];
            lines << tr("Остановка %1: начало %2, длительность %3")
                         .arg(number + 1)
                         .arg(at(stop.First))
                         .arg(ShownDuration(stop.Duration));
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
    QString text = MarkText(help->pos());
    // The note whole, however much of it the view has room for.
    if (text.isEmpty() && NoteBox().contains(help->pos())) text = Note();
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
        Pan(moved.x(), moved.y());
        return;
    }
    const ViewPoint origin = viewport_.Origin();
    emit PointHovered(levels_.NearestPoint(viewport_.Zoom(), event->position().x() + origin.X,
                                           event->position().y() + origin.Y, 10 + lineWidth_ / 2.0));
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
    // A quarter of the view at a time; the map moves as a drag would move it.
    case Qt::Key_Left:
        Pan(width() / 4.0, 0);
        break;
    case Qt::Key_Right:
        Pan(-width() / 4.0, 0);
        break;
    case Qt::Key_Up:
        Pan(0, height() / 4.0);
        break;
    case Qt::Key_Down:
        Pan(0, -height() / 4.0);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

}  // namespace qm
