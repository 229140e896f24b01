#include "ui/map/tile_cache.h"

#include "platform/cache_files.h"

#include <QHashFunctions>

namespace qm {
namespace {

CachePath PathOf(const std::string& cacheDirectory, const std::string& serverFolder, const TileKey& key)
{
    return {cacheDirectory, {serverFolder, std::to_string(key.Zoom), std::to_string(key.X)},
            std::to_string(key.Y) + ".tile"};
}

}  // namespace

size_t qHash(const TileKey& key, size_t seed) { return qHashMulti(seed, key.Zoom, key.X, key.Y); }

TileCache::TileCache(std::string cacheDirectory, std::string serverFolder)
    : cacheDirectory_(std::move(cacheDirectory)), serverFolder_(std::move(serverFolder))
{
}

std::optional<TileCache::Entry> TileCache::Read(const TileKey& key, qint64 maxBytes) const
{
    std::optional<CacheFile> file = ReadCacheFile(PathOf(cacheDirectory_, serverFolder_, key), maxBytes);
    if (!file) return std::nullopt;
    return Entry{QByteArray::fromStdString(file->Bytes), file->Modified};
}

bool TileCache::Write(const TileKey& key, const QByteArray& bytes) const
{
    return WriteCacheFile(PathOf(cacheDirectory_, serverFolder_, key),
                          std::string_view(bytes.constData(), size_t(bytes.size())));
}

}  // namespace qm
