#pragma once

#include <QHash>
#include <QImage>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSet>
#include <QString>

#include <deque>

namespace qm {

// One map tile of the Web Mercator grid.
struct TileKey {
    int Zoom = 0;
    int X = 0;
    int Y = 0;
    friend bool operator==(const TileKey&, const TileKey&) = default;
};
size_t qHash(const TileKey& key, size_t seed = 0);

// Map tiles from a tile server whose URL template holds {z}, {x} and {y}, as
// its usage policy asks: at most two requests at a time, a User-Agent that
// names the program, and each tile kept on disk (in the user's cache
// directory) for a week, so that it is fetched once. Never blocks: a tile not
// at hand is requested and Arrived() tells when it has come. A tile the
// server refuses stays empty; after the first request that finds no server
// the source counts as offline and asks for nothing more.
class TileSource : public QObject {
    Q_OBJECT
public:
    TileSource(const QString& urlTemplate, const QString& cacheDirectory, QObject* parent = nullptr);

    // The tile, or a null image when it is not at hand yet (it is then
    // requested, unless the source is offline).
    QImage Tile(const TileKey& key);
    // Forgets the tiles asked for but not yet requested: a view calls this
    // before it asks for the tiles it shows now.
    void ForgetWanted();

    bool Offline() const { return offline_; }
    // No request running or waiting.
    bool Idle() const { return running_ == 0 && wanted_.empty(); }
    // The requests sent to the server so far.
    int RequestCount() const { return requests_; }

    static QString DefaultCacheDirectory();

signals:
    void Arrived();

private:
    QString CachePath(const TileKey& key) const;
    void StartRequests();
    void Finished(QNetworkReply* reply, const TileKey& key);

    QString urlTemplate_;
    QString cacheDirectory_;
    QNetworkAccessManager network_;
    QHash<TileKey, QImage> images_;
    std::deque<TileKey> wanted_;
    QSet<TileKey> pending_;  // wanted or running
    QSet<TileKey> missing_;  // refused by the server
    int running_ = 0;
    int requests_ = 0;
    bool offline_ = false;
};

}  // namespace qm
