#include "ui/map/tile_source.h"

#include "ui/qt_text.h"
#include "version.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QImageReader>
#include <QNetworkReply>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace qm {
namespace {

constexpr int kMaxRunning = 2;
constexpr std::time_t kKeepSeconds = 7 * 24 * 3600;
constexpr qint64 kMaxTileBytes = 1 << 20;
constexpr int kMaxTileSide = 1024;
// Decoded tiles held in memory: a few screens full (a 256-pixel tile in
// 32-bit colour takes 256 KiB).
constexpr int kMaxImageBytes = 64 << 20;
const QByteArray kUserAgent = "Quillmarsh/" QUILLMARSH_VERSION " (GPS track viewer)";

QUrl TileUrl(QString urlTemplate, const TileKey& key)
{
    urlTemplate.replace("{z}", QString::number(key.Zoom))
        .replace("{x}", QString::number(key.X))
        .replace("{y}", QString::number(key.Y));
    return QUrl(urlTemplate);
}

bool UsableTemplate(const QString& urlTemplate)
{
    const QUrl url = TileUrl(urlTemplate, {});
    return urlTemplate.contains("{z}") && urlTemplate.contains("{x}") && urlTemplate.contains("{y}") &&
           url.isValid() && (url.scheme() == "http" || url.scheme() == "https") && !url.host().isEmpty();
}

// The image, or a null one for anything but a PNG or JPEG image of at most
// kMaxTileSide pixels a side; the size is read before any pixel is decoded.
QImage Decode(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    QImage image;
    if ((format == "png" || format == "jpeg") && size.isValid() && size.width() <= kMaxTileSide &&
        size.height() <= kMaxTileSide && reader.read(&image))
        return image;
    return {};
}

}  // namespace

TileSource::TileSource(const QString& urlTemplate, const QString& cacheDirectory, QObject* parent,
                       TileRetryDelays delays)
    : QObject(parent),
      urlTemplate_(urlTemplate),
      usable_(UsableTemplate(urlTemplate)),
      // Each server its own folder: tiles of two servers never mix.
      disk_(ToStd(cacheDirectory),
            QCryptographicHash::hash(urlTemplate.toUtf8(), QCryptographicHash::Sha1).toHex().left(16).toStdString()),
      delays_(delays),
      images_(kMaxImageBytes)
{
    clock_.start();
    retryTimer_.setSingleShot(true);
    connect(&retryTimer_, &QTimer::timeout, this, &TileSource::Schedule);
}

QString TileSource::DefaultCacheDirectory()
{
#ifdef Q_OS_WIN
    // %LOCALAPPDATA%: Qt's cache location there is a "cache" folder inside it.
    constexpr auto kLocation = QStandardPaths::GenericDataLocation;
#else
    constexpr auto kLocation = QStandardPaths::GenericCacheLocation;
#endif
    return QDir(QStandardPaths::writableLocation(kLocation)).filePath("quillmarsh/tiles");
}

void TileSource::Keep(const TileKey& key, const QImage& image, std::time_t modified)
{
    images_.insert(key, new Decoded{image, modified}, int(std::min<qsizetype>(image.sizeInBytes(), kMaxImageBytes)));
}

const TileSource::Decoded* TileSource::Load(const TileKey& key)
{
    if (const Decoded* held = images_.object(key)) return held;
    if (auto entry = disk_.Read(key, kMaxTileBytes)) {
        const QImage image = Decode(entry->Bytes);
        if (!image.isNull()) {
            Keep(key, image, entry->Modified);
            return images_.object(key);
        }
    }
    return nullptr;
}

QImage TileSource::Tile(const TileKey& key)
{
    const Decoded* tile = Load(key);
    return tile ? tile->Image : QImage();
}

TileSource::Lack TileSource::LackOf(const TileKey& key) const
{
    if (images_.contains(key)) return Lack::None;
    return failures_.value(key).Kind;
}

void TileSource::Want(const QList<TileKey>& keys)
{
    shown_ = keys;
    Schedule();
    awaited_ = running_;
    for (const TileKey& key : queue_) awaited_.insert(key);
    awaited_.intersect(QSet<TileKey>(keys.begin(), keys.end()));
}

void TileSource::Schedule()
{
    if (!usable_) return;
    queue_.clear();
    const qint64 now = clock_.elapsed();
    qint64 nextTry = -1;
    for (const TileKey& key : shown_) {
        if (running_.contains(key)) continue;
        const Decoded* tile = Load(key);
        if (tile && std::time(nullptr) - tile->Modified < kKeepSeconds) continue;
        if (auto failed = failures_.constFind(key); failed != failures_.constEnd() && failed->RetryAt > now) {
            nextTry = nextTry < 0 ? failed->RetryAt : std::min(nextTry, failed->RetryAt);
            continue;
        }
        queue_.push_back(key);
    }
    while (running_.size() < kMaxRunning && !queue_.empty()) {
        Request(queue_.front());
        queue_.pop_front();
    }
    if (nextTry >= 0)
        retryTimer_.start(int(nextTry - now));
    else
        retryTimer_.stop();
}

void TileSource::Request(const TileKey& key)
{
    QNetworkRequest request(TileUrl(urlTemplate_, key));
    request.setHeader(QNetworkRequest::UserAgentHeader, kUserAgent);
    request.setTransferTimeout(15000);
    // The body is taken as it arrives and abandoned past kMaxTileBytes. (A
    // read buffer size would bound it more tightly, but stalls a compressed
    // body until the transfer times out.)
    QNetworkReply* reply = network_.get(request);
    running_.insert(key);
    ++requests_;
    auto body = std::make_shared<QByteArray>();
    auto take = [reply, body] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if ((length.isValid() && length.toLongLong() > kMaxTileBytes) ||
            body->size() + reply->bytesAvailable() > kMaxTileBytes) {
            reply->abort();
            return;
        }
        body->append(reply->readAll());
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, take);
    connect(reply, &QNetworkReply::readyRead, this, take);
    connect(reply, &QNetworkReply::finished, this, [this, reply, key, body] { Finished(reply, key, *body); });
}

void TileSource::Finished(QNetworkReply* reply, const TileKey& key, const QByteArray& body)
{
    reply->deleteLater();
    running_.remove(key);
    awaited_.remove(key);
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QImage image =
        reply->error() == QNetworkReply::NoError && status.toInt() == 200 ? Decode(body) : QImage();
    if (!image.isNull()) {
        failures_.remove(key);
        Keep(key, image, std::time(nullptr));
        disk_.Write(key, body);
    } else {
        Failure& failure = failures_[key];
        // No status: the server never answered (refused, unreachable, silent).
        failure.Kind = status.isValid() ? Lack::BadTile : Lack::NoServer;
        const std::chrono::milliseconds delay =
            std::min<std::chrono::milliseconds>(delays_.First * (1 << std::min(failure.Count, 20)), delays_.Longest);
        failure.RetryAt = clock_.elapsed() + delay.count();
        ++failure.Count;
    }
    Schedule();
    emit Arrived();
}

}  // namespace qm
