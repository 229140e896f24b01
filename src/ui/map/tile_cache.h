#pragma once

#include <QByteArray>

#include <ctime>
#include <optional>
#include <string>

namespace qm {

// One map tile of the Web Mercator grid.
struct TileKey {
    int Zoom = 0;
    int X = 0;
    int Y = 0;
    friend bool operator==(const TileKey&, const TileKey&) = default;
};
size_t qHash(const TileKey& key, size_t seed = 0);

// The tiles of one server on disk, as the server sent them: FOLDER/Z/X/Y.tile
// in the server's folder under the cache directory (a UTF-8 path). Where the
// cache directory lies is the user's business (it may be reached through
// links), but inside the server's folder nothing is trusted: no link is
// followed, only regular files are read, and a tile written replaces whatever
// is at its name.
class TileCache {
public:
    TileCache(std::string cacheDirectory, std::string serverFolder);

    struct Entry {
        QByteArray Bytes;
        std::time_t Modified = 0;
    };
    // The tile's bytes, or nothing when there is no regular file of at most
    // maxBytes at its name.
    std::optional<Entry> Read(const TileKey& key, qint64 maxBytes) const;
    // False when the tile cannot be stored; the cache is then only slower.
    bool Write(const TileKey& key, const QByteArray& bytes) const;

private:
    std::string cacheDirectory_;
    std::string serverFolder_;
};

}  // namespace qm
