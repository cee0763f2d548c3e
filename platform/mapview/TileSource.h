#pragma once
// Where map tiles come from: a tile server over HTTP (with a disk cache) or an MBTiles
// file. Every answer arrives later through a signal, never inside the request.

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QUrl>
#include <memory>

class TileDownloader;
struct TileDownloadResult;

struct TileKey {
    int z = 0;
    int x = 0;
    int y = 0; // XYZ numbering: row 0 at the top (north)

    friend bool operator==(const TileKey&, const TileKey&) = default;
    quint64 packed() const { return (quint64(z) << 58) | (quint64(x) << 29) | quint64(y); }
};

inline size_t qHash(const TileKey& key, size_t seed = 0)
{
    return ::qHash(key.packed(), seed);
}

class TileSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TileSource() override = default;

    // Asks for a tile; tileReady or tileFailed follows once for each request.
    virtual void requestTile(const TileKey& key) = 0;
    // Forgets a request whose answer is no longer wanted (no signal follows for it).
    virtual void cancelTile(const TileKey&) {}
    virtual int minimumZoom() const { return 0; }
    virtual int maximumZoom() const { return 19; }
    virtual QString attribution() const { return {}; }
    // Whether the source can deliver anything at all (a file that opened, a server set).
    virtual bool isUsable() const { return true; }
    // Short words for the log and the offline note.
    virtual QString describe() const = 0;

    // The largest picture a tile may be; anything larger is refused before it is decoded.
    static constexpr int kMaximumTilePixels = 512;
    // Decodes a tile's bytes, or says why not; `refused` tells a picture larger than a tile
    // (never worth asking for again) from bytes that are no picture at all.
    static QImage decodeTile(const QByteArray& bytes, QString* reason, bool* refused = nullptr);

signals:
    void tileReady(const TileKey& key, const QImage& image);
    void tileFailed(const TileKey& key, const QString& reason);
    // isUsable(), the zoom range or the attribution changed (a file finished opening).
    void availabilityChanged();
};

// Remembers the tiles a source refused (too large, not a picture), so that they are not
// fetched and decoded again; bounded, as a long walk can meet many.
class RefusedTiles {
public:
    bool contains(const TileKey& key) const { return reasons_.contains(key); }
    QString reason(const TileKey& key) const { return reasons_.value(key); }
    void insert(const TileKey& key, const QString& reason)
    {
        if (reasons_.size() >= 4096)
            reasons_.clear();
        reasons_.insert(key, reason);
    }

private:
    QHash<TileKey, QString> reasons_;
};

// A tile server addressed by a URL template with {z}, {x} and {y} (and {s}, taken as "a").
// Tiles are cached on disk for as long as the server allows, and at least for
// `minimumFreshDays`; when the network fails a stale copy from the disk is still used.
class HttpTileSource : public TileSource {
    Q_OBJECT
public:
    struct Options {
        QString urlTemplate;
        QString attribution;
        QByteArray userAgent;
        QString cacheDirectory;          // empty: no disk cache
        qint64 diskCacheBytes = 256ll << 20;
        int minimumFreshDays = 7;
        int maximumZoom = 19;
        int timeoutMs = 15000;           // without a byte from the server
        int deadlineMs = 30000;          // for the whole tile
        qint64 maximumTileBytes = 2 << 20; // a tile is tens of KB
    };
    explicit HttpTileSource(Options options, QObject* parent = nullptr);
    ~HttpTileSource() override;

    void requestTile(const TileKey& key) override;
    void cancelTile(const TileKey& key) override;
    int maximumZoom() const override { return options_.maximumZoom; }
    QString attribution() const override { return options_.attribution; }
    bool isUsable() const override { return usable_; }
    QString describe() const override;

    QUrl urlForTile(const TileKey& key) const;
    int pendingCount() const { return int(downloads_.size()); }
    // Whether a URL may be fetched under the process's network policy: with
    // QUORVEL_NETWORK=loopback (set for the test suite) only loopback hosts are.
    static bool networkAllowed(const QUrl& url);

private:
    struct DecodeRelay;
    // A stale-cache fetch carries the network's failure, to report if the cache has nothing.
    void finished(const TileKey& key, const TileDownloadResult& result, const QString& networkFailure);
    void fetch(const TileKey& key, const QString& networkFailure = {});
    void failOrTryStale(const TileKey& key, const QString& reason, const QString& networkFailure);
    void refuse(const TileKey& key, const QString& reason);
    void decoded(const TileKey& key, const QImage& image, const QString& reason, bool refused,
                 const QString& networkFailure);

    Options options_;
    bool usable_ = false;
    std::unique_ptr<TileDownloader> downloader_; // from the tiles module
    QHash<TileKey, quint64> downloads_;
    QSet<TileKey> decoding_;
    RefusedTiles refused_;
    std::shared_ptr<DecodeRelay> relay_;
};

// An MBTiles file (SQLite): rows are numbered from the south (TMS) and flipped here. The
// file is opened and read, and its tiles decoded, on a thread of its own, every query with
// a deadline, so that a crafted file cannot hold up the window.
class MBTilesTileSource : public TileSource {
    Q_OBJECT
public:
    // How long the constructor waits for the file to open; a file that takes longer is
    // announced through availabilityChanged once it has opened (or failed to).
    static constexpr int kOpenWaitMs = 250;
    static constexpr int kOpenDeadlineMs = 3000;
    static constexpr int kQueryDeadlineMs = 1000;

    explicit MBTilesTileSource(const QString& path, QObject* parent = nullptr);
    ~MBTilesTileSource() override;

    void requestTile(const TileKey& key) override;
    void cancelTile(const TileKey& key) override;
    int minimumZoom() const override { return minZoom_; }
    int maximumZoom() const override { return maxZoom_; }
    QString attribution() const override { return attribution_; }
    bool isUsable() const override { return open_; }
    QString describe() const override;

private:
    class Reader;
    void opened();
    void answered(const TileKey& key, const QImage& image, const QString& reason, bool refused);

    QString path_;
    std::unique_ptr<Reader> reader_;
    bool settled_ = false;
    bool open_ = false;
    int minZoom_ = 0;
    int maxZoom_ = 19;
    QString attribution_;
    QSet<TileKey> pending_;
    RefusedTiles refused_;
};

// Tries sources in order: a tile the first lacks is asked of the next.
class TileSourceChain : public TileSource {
    Q_OBJECT
public:
    explicit TileSourceChain(QObject* parent = nullptr);
    // Takes ownership.
    void append(std::unique_ptr<TileSource> source);
    const QList<TileSource*>& sources() const { return sources_; }

    void requestTile(const TileKey& key) override;
    void cancelTile(const TileKey& key) override;
    int minimumZoom() const override;
    int maximumZoom() const override;
    QString attribution() const override;
    bool isUsable() const override;
    QString describe() const override;

private:
    void tryFrom(const TileKey& key, int index, const QString& lastReason);

    QList<TileSource*> sources_;
    QHash<TileKey, int> stage_; // which source is being asked for a pending tile
};
