#include "ui/map/trip_view.h"

#include "platform/atomic_file_writer.h"
#include "platform/error.h"
#include "platform/message_text.h"
#include "settings/line_width.h"
#include "ui/map/map_legend.h"
#include "ui/map/map_view.h"
#include "ui/map/profile_chart.h"
#include "ui/qt_text.h"
#include "ui/map/tile_source.h"

#include <QBuffer>
#include <QEvent>
#include <QHBoxLayout>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>

namespace qm {
namespace {

// What the map must say about its tiles: the OpenStreetMap line its tile
// usage policy asks for, or the name of another server.
QString Attribution(const QString& urlTemplate)
{
    const QString host = QUrl(urlTemplate).host();
    if (host.endsWith("openstreetmap.org")) return TripView::tr("© участники OpenStreetMap");
    return TripView::tr("Подложка: %1").arg(host);
}

}  // namespace

TripView::TripView(QWidget* parent) : QWidget(parent)
{
    map_ = new MapView;
    legend_ = new MapLegend;
    profile_ = new ProfileChart;
    profile_->setMinimumHeight(200);

    auto* top = new QWidget;
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(map_, 1);
    side_ = new QVBoxLayout;
    side_->setContentsMargins(0, 0, 0, 0);
    side_->addWidget(legend_);
    side_->addStretch();
    row->addLayout(side_);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(top);
    splitter->addWidget(profile_);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({600, 300});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(map_, &MapView::PointHovered, profile_, &ProfileChart::ShowCursor);
    connect(profile_, &ProfileChart::PointHovered, map_, &MapView::ShowCursor);
}

void TripView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && tiles_) map_->SetTileSource(tiles_, Attribution(tileUrl_));
    QWidget::changeEvent(event);
}

QByteArray EncodePicture(const QPixmap& picture, PictureFormat format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // A map's thin lines and small texts blur below a quality of about 90.
    if (!picture.save(&buffer, format == PictureFormat::Png ? "PNG" : "JPEG", format == PictureFormat::Png ? -1 : 90))
        return {};
    return bytes;
}

void TripView::SavePicture(const std::string& path)
{
    const std::optional<PictureFormat> format = PictureFormatOf(path);
    if (!format) throw Error(MessageText(MessageId::PictureNameUnknown));
    const QByteArray bytes = EncodePicture(grab(), *format);
    if (bytes.isEmpty()) throw Error(MessageText(MessageId::JpegUnavailable));
    WriteFileAtomically(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

void TripView::Show(std::shared_ptr<const MapTrip> trip, const Settings& settings, const QString& cacheDirectory)
{
    const QString url = ToQt(settings.TILEURL);
    if (url != tileUrl_) {
        map_->SetTileSource(nullptr, {});
        delete tiles_;
        tiles_ = url.isEmpty() ? nullptr : new TileSource(url, cacheDirectory, this);
        tileUrl_ = url;
        map_->SetTileSource(tiles_, url.isEmpty() ? QString() : Attribution(url));
    }
    trip_ = std::move(trip);
    settings_ = settings;
    legend_->SetTrip(trip_.get(), settings);
    profile_->SetTrip(trip_.get(), settings);
    map_->SetTrip(trip_, LineWidth(settings), settings.GMTMOD);
}

void TripView::Replace(std::shared_ptr<const MapTrip> trip)
{
    trip_ = std::move(trip);
    legend_->SetTrip(trip_.get(), settings_);
    Settings kept = settings_;
    kept.PROFILEAXIS = profile_->Scale() == ProfileScale::Time ? ProfileAxisChoice::Time : ProfileAxisChoice::Distance;
    kept.PROFILEMEASURE = profile_->ShownMeasure();
    profile_->SetTrip(trip_.get(), kept);
    map_->ReplaceTrip(trip_);
}

void TripView::AddUnderLegend(QWidget* widget) { side_->insertWidget(side_->count() - 1, widget); }

}  // namespace qm
