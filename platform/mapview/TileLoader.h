#pragma once
// The map's tiles: asks the source for those in view (nearest the centre first), forgets
// requests for tiles scrolled away, keeps what arrives in memory, waits a while before asking
// again for a tile that failed, and tells whether the map has nothing to show (offline).

#include "platform/mapview/MapGeometry.h"
#include "platform/mapview/TileMemoryCache.h"
#include "platform/mapview/TileSource.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSize>
#include <algorithm>
#include <functional>
#include <memory>

class TileLoader : public QObject {
    Q_OBJECT
public:
    static constexpr int kRetryFailedAfterMs = 30000;

    struct View {
        LocationCoordinate2D center;
        double zoom = 0;
        QSize size;
    };

    // `shown` gives the view as it is drawn now (mid-animation too).
    explicit TileLoader(std::function<View()> shown, QObject* parent = nullptr);
    ~TileLoader() override;

    // Drops every request and failure of the previous source. `layer` keeps the standard
    // and satellite pictures apart in memory.
    void setSource(std::unique_ptr<TileSource> source, int layer);
    TileSource* source() const { return source_.get(); }
    int layer() const { return layer_; }

    // Asks for the tiles of `target` (where the view is going) and cancels the rest; when
    // not `wanted` (a map nobody sees yet) nothing is asked for.
    void request(const View& target, bool wanted);
    // Works out again whether the map shows nothing of its tiles.
    void updateOfflineState();

    // The zoom of the tiles for a view's zoom (rounded, within the source's range). On a
    // screen of two or three device pixels to the logical one the tiles are those of the
    // next zoom levels, so that each tile pixel falls on a device pixel, not blown up.
    int tileZoom(double zoom) const;
    void setDevicePixelRatio(qreal ratio) { ratio_ = std::max<qreal>(1, ratio); }
    qreal devicePixelRatio() const { return ratio_; }
    // The tiles that cover `view` at `tileZoom`, nearest its centre first; none when they
    // would be too small to be worth drawing.
    static QList<TileKey> visibleTiles(const View& view, int tileZoom);

    int pendingCount() const { return int(pending_.size()); }
    bool isOffline() const { return offline_; }
    const TileMemoryCache& memory() const { return memory_; }

signals:
    // A tile arrived or failed.
    void tilesChanged();
    // The source became usable or unusable.
    void availabilityChanged();

private:
    void arrived(const TileKey& key, const QImage& image);
    void failed(const TileKey& key, const QString& reason);
    quint64 failureId(const TileKey& key, int layer) const { return key.packed() ^ (quint64(layer) << 63); }

    std::function<View()> shown_;
    std::unique_ptr<TileSource> source_;
    int layer_ = 0;
    TileMemoryCache memory_;
    QHash<TileKey, int> pending_;     // value: layer asked for
    QHash<quint64, qint64> failed_;   // tile id -> when it failed (ms since start)
    QElapsedTimer clock_;
    bool offline_ = false;
    qreal ratio_ = 1;
};
