#include "platform/mapview/TileLoader.h"
#include "platform/foundation/Log.h"

#include <algorithm>
#include <cmath>

TileLoader::TileLoader(std::function<View()> shown, QObject* parent) : QObject(parent), shown_(std::move(shown))
{
    clock_.start();
}

TileLoader::~TileLoader() = default;

void TileLoader::setSource(std::unique_ptr<TileSource> source, int layer)
{
    pending_.clear();
    failed_.clear();
    source_ = std::move(source);
    layer_ = layer;
    if (source_) {
        connect(source_.get(), &TileSource::tileReady, this, &TileLoader::arrived);
        connect(source_.get(), &TileSource::tileFailed, this, &TileLoader::failed);
        connect(source_.get(), &TileSource::availabilityChanged, this, &TileLoader::availabilityChanged);
    }
    offline_ = false;
}

int TileLoader::tileZoom(double zoom) const
{
    int lo = 0, hi = 19;
    if (source_ && source_->isUsable()) {
        lo = source_->minimumZoom();
        hi = std::max(lo, source_->maximumZoom());
    }
    return std::clamp(int(std::floor(zoom + std::log2(ratio_) + 0.5)), lo, hi);
}

QList<TileKey> TileLoader::visibleTiles(const View& view, int tz)
{
    QList<TileKey> keys;
    const int width = view.size.width(), height = view.size.height();
    // Tiles far finer than the view would be thousands of tiny ones: the grid stands in.
    if (width <= 0 || height <= 0 || tz - view.zoom > MapGeometry::kMaximumOverview)
        return keys;
    const qint64 n = qint64(1) << tz;
    const double scale = std::exp2(view.zoom - tz);
    const QPointF c = MapGeometry::project(view.center) * (MapGeometry::kTileSize * double(n));
    const double halfW = width / 2.0 / scale, halfH = height / 2.0 / scale;
    const qint64 x0 = qint64(std::floor((c.x() - halfW) / MapGeometry::kTileSize));
    const qint64 x1 = qint64(std::floor((c.x() + halfW) / MapGeometry::kTileSize));
    const qint64 y0 = std::max<qint64>(0, qint64(std::floor((c.y() - halfH) / MapGeometry::kTileSize)));
    const qint64 y1 = std::min<qint64>(n - 1, qint64(std::floor((c.y() + halfH) / MapGeometry::kTileSize)));
    // Nearest the centre first, so that what the user looks at comes first.
    for (qint64 y = y0; y <= y1; ++y)
        for (qint64 x = x0; x <= std::min(x1, x0 + n - 1); ++x)
            keys.append({tz, int(((x % n) + n) % n), int(y)});
    const double cx = c.x() / MapGeometry::kTileSize, cy = c.y() / MapGeometry::kTileSize;
    std::stable_sort(keys.begin(), keys.end(), [&](const TileKey& a, const TileKey& b) {
        auto d = [&](const TileKey& k) {
            double dx = k.x + 0.5 - cx;
            dx -= std::round(dx / double(n)) * double(n);
            const double dy = k.y + 0.5 - cy;
            return dx * dx + dy * dy;
        };
        return d(a) < d(b);
    });
    return keys;
}

void TileLoader::request(const View& target, bool wanted)
{
    if (wanted && source_ && source_->isUsable() && target.size.width() > 0 && target.size.height() > 0) {
        const QList<TileKey> keys = visibleTiles(target, tileZoom(target.zoom));
        for (auto it = pending_.begin(); it != pending_.end();) {
            if (!keys.contains(it.key())) {
                source_->cancelTile(it.key());
                it = pending_.erase(it);
            } else {
                ++it;
            }
        }
        const qint64 now = clock_.elapsed();
        if (failed_.size() > 4096) // a long walk offline: forget failures past retrying
            failed_.removeIf([now](const auto& it) { return now - it.value() >= kRetryFailedAfterMs; });
        for (const TileKey& key : keys) {
            if (memory_.contains(layer_, key) || pending_.contains(key))
                continue;
            auto failed = failed_.constFind(failureId(key, layer_));
            if (failed != failed_.cend() && now - *failed < kRetryFailedAfterMs)
                continue;
            pending_.insert(key, layer_);
            source_->requestTile(key);
        }
    }
    updateOfflineState();
}

void TileLoader::arrived(const TileKey& key, const QImage& image)
{
    const int asked = pending_.value(key, layer_);
    pending_.remove(key);
    memory_.insert(asked, key, image);
    failed_.remove(failureId(key, asked));
    updateOfflineState();
    emit tilesChanged();
}

void TileLoader::failed(const TileKey& key, const QString& reason)
{
    const int asked = pending_.value(key, layer_);
    pending_.remove(key);
    failed_.insert(failureId(key, asked), clock_.elapsed());
    const bool wasOffline = offline_;
    updateOfflineState();
    if (offline_ && !wasOffline)
        NSLog("MAP: no tiles (%@)", reason);
    emit tilesChanged();
}

void TileLoader::updateOfflineState()
{
    bool offline = true;
    const View view = shown_();
    if (source_ && source_->isUsable() && view.size.width() > 0 && view.size.height() > 0) {
        if (!pending_.isEmpty()) {
            offline = false;
        } else {
            for (const TileKey& key : visibleTiles(view, tileZoom(view.zoom)))
                if (memory_.contains(layer_, key)) {
                    offline = false;
                    break;
                }
        }
    }
    offline_ = offline;
}
