#include "ui/map/tile_source.h"

#include "version.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QNetworkReply>
#include <QSaveFile>
#include <QStandardPaths>

namespace qm {
namespace {

constexpr int kMaxRunning = 2;
constexpr qint64 kKeepSeconds = 7 * 24 * 3600;
// Tiles held in memory: a few screens full.
constexpr int kMaxImages = 512;
const QByteArray kUserAgent = "Quillmarsh/" QUILLMARSH_VERSION " (GPS track viewer)";

}  // namespace

size_t qHash(const TileKey& key, size_t seed) { return qHashMulti(seed, key.Zoom, key.X, key.Y); }

TileSource::TileSource(const QString& urlTemplate, const QString& cacheDirectory, QObject* parent)
    : QObject(parent), urlTemplate_(urlTemplate)
{
    // Each server its own folder: tiles of two servers never mix.
    const QByteArray server = QCryptographicHash::hash(urlTemplate.toUtf8(), QCryptographicHash::Sha1).toHex();
    cacheDirectory_ = QDir(cacheDirectory).filePath(QString::fromLatin1(server.left(16)));
}

QString TileSource::DefaultCacheDirectory()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)).filePath("quillmarsh/tiles");
}

QString TileSource::CachePath(const TileKey& key) const
{
    return QStringLiteral("%1/%2/%3/%4.tile").arg(cacheDirectory_).arg(key.Zoom).arg(key.X).arg(key.Y);
}

QImage TileSource::Tile(const TileKey& key)
{
    if (auto found = images_.constFind(key); found != images_.constEnd()) return *found;
    const QFileInfo cached(CachePath(key));
    if (cached.exists() && cached.lastModified().secsTo(QDateTime::currentDateTime()) < kKeepSeconds) {
        QImage image(cached.filePath());
        if (!image.isNull()) {
            if (images_.size() >= kMaxImages) images_.clear();
            images_.insert(key, image);
            return image;
        }
    }
    if (!offline_ && !pending_.contains(key) && !missing_.contains(key)) {
        pending_.insert(key);
        wanted_.push_back(key);
        StartRequests();
    }
    return {};
}

void TileSource::ForgetWanted()
{
    for (const TileKey& key : wanted_) pending_.remove(key);
    wanted_.clear();
}

void TileSource::StartRequests()
{
    while (running_ < kMaxRunning && !wanted_.empty()) {
        const TileKey key = wanted_.front();
        wanted_.pop_front();
        QString url = urlTemplate_;
        url.replace("{z}", QString::number(key.Zoom))
            .replace("{x}", QString::number(key.X))
            .replace("{y}", QString::number(key.Y));
        QNetworkRequest request{QUrl(url)};
        request.setHeader(QNetworkRequest::UserAgentHeader, kUserAgent);
        request.setTransferTimeout(15000);
        QNetworkReply* reply = network_.get(request);
        ++running_;
        ++requests_;
        connect(reply, &QNetworkReply::finished, this, [this, reply, key] { Finished(reply, key); });
    }
}

void TileSource::Finished(QNetworkReply* reply, const TileKey& key)
{
    reply->deleteLater();
    --running_;
    pending_.remove(key);
    const QByteArray data = reply->readAll();
    QImage image;
    if (reply->error() == QNetworkReply::NoError && image.loadFromData(data)) {
        images_.insert(key, image);
        QDir().mkpath(QFileInfo(CachePath(key)).path());
        QSaveFile file(CachePath(key));
        if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size()) file.commit();
    } else if (reply->error() < QNetworkReply::ContentAccessDenied) {
        // No connection (or none through the proxy): ask for nothing more.
        offline_ = true;
        ForgetWanted();
    } else {
        // The server has no such tile: it stays empty, asked for once.
        missing_.insert(key);
    }
    StartRequests();
    emit Arrived();
}

}  // namespace qm
