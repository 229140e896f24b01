#pragma once

#include "ui/map/tile_cache.h"

#include <QCache>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <chrono>
#include <deque>

class QNetworkReply;

namespace qm {

// The delays before another try of a tile that failed: the first, doubled
// at each failure up to the longest.
struct TileRetryDelays {
    std::chrono::milliseconds First{2000};
    std::chrono::milliseconds Longest{60000};
};

// Map tiles from a tile server whose URL template holds {z}, {x} and {y}, as
// its usage policy asks: at most two requests at a time, a User-Agent that
// names the program, and each tile kept on disk (in the user's cache
// directory) for a week, so that it is fetched once. Never blocks: a view
// says which tiles it shows, those not at hand are requested, and Arrived()
// tells when one has come or failed.
//
// Nothing the server sends is trusted: a body over 1 MiB is abandoned while
// it arrives, only a PNG or JPEG image of at most 1024 x 1024 pixels is
// decoded, and the decoded tiles are held within a number of bytes, the
// least recently drawn going first. Failures are per tile: a tile that failed
// is tried again after the retry delays as long as a view shows it, and one
// at hand, even expired, is drawn until a fresh one comes.
class TileSource : public QObject {
    Q_OBJECT
public:
    // Why a tile is not drawn, the graver last.
    enum class Lack { None, BadTile, NoServer };

    TileSource(const QString& urlTemplate, const QString& cacheDirectory, QObject* parent = nullptr,
               TileRetryDelays delays = {});

    // False for a template that is not an http or https URL with {z}, {x}
    // and {y}: such a source asks for nothing.
    bool Usable() const { return usable_; }
    // The tiles a view shows now: those neither at hand nor fresh are
    // requested in this order; those no longer shown are not.
    void Want(const QList<TileKey>& keys);
    // The tile to draw, from memory or the disk, fresh or expired; a null
    // image when there is none.
    QImage Tile(const TileKey& key);
    // NoServer or BadTile when the tile is not at hand and its last request
    // failed, for want of an answer or of a good tile.
    Lack LackOf(const TileKey& key) const;

    // Each tile asked for by the last Want has come or failed (what is tried
    // again later does not count).
    bool Settled() const { return awaited_.isEmpty(); }
    // The requests sent to the server so far.
    int RequestCount() const { return requests_; }

    static QString DefaultCacheDirectory();

signals:
    void Arrived();

private:
    struct Decoded {
        QImage Image;
        std::time_t Modified = 0;
    };
    struct Failure {
        Lack Kind = Lack::None;
        int Count = 0;
        qint64 RetryAt = 0;  // on clock_
    };

    const Decoded* Load(const TileKey& key);
    void Keep(const TileKey& key, const QImage& image, std::time_t modified);
    void Schedule();
    void Request(const TileKey& key);
    void Finished(QNetworkReply* reply, const TileKey& key, const QByteArray& body);

    QString urlTemplate_;
    bool usable_;
    TileCache disk_;
    TileRetryDelays delays_;
    QCache<TileKey, Decoded> images_;
    QList<TileKey> shown_;
    std::deque<TileKey> queue_;
    QSet<TileKey> running_;
    QSet<TileKey> awaited_;  // asked for by the last Want, neither come nor failed
    QHash<TileKey, Failure> failures_;
    QElapsedTimer clock_;
    QTimer retryTimer_;
    int requests_ = 0;
    // Last, so that it and its replies go first.
    QNetworkAccessManager network_;
};

}  // namespace qm
