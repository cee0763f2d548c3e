#pragma once
// Decoded tiles kept in memory, bounded by their bytes: the least recently used go first.

#include "platform/mapview/TileSource.h"

#include <QCache>
#include <QImage>

class TileMemoryCache {
public:
    static constexpr qsizetype kDefaultBytes = 64ll << 20;

    explicit TileMemoryCache(qsizetype maximumBytes = kDefaultBytes) : cache_(maximumBytes) {}

    // `layer` keeps the standard and satellite pictures apart.
    const QImage* find(int layer, const TileKey& key) const { return cache_.object(id(layer, key)); }
    bool contains(int layer, const TileKey& key) const { return cache_.contains(id(layer, key)); }
    // Stores the tile in the format fastest to draw; false when it is larger than the cache.
    bool insert(int layer, const TileKey& key, const QImage& image)
    {
        auto* copy = new QImage(image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                               : QImage::Format_RGB32));
        return cache_.insert(id(layer, key), copy, std::max<qsizetype>(1, copy->sizeInBytes()));
    }
    void clear() { cache_.clear(); }

    qsizetype totalBytes() const { return cache_.totalCost(); }
    qsizetype maximumBytes() const { return cache_.maxCost(); }
    qsizetype count() const { return cache_.count(); }

private:
    static quint64 id(int layer, const TileKey& key) { return key.packed() ^ (quint64(layer & 1) << 63); }
    mutable QCache<quint64, QImage> cache_;
};
