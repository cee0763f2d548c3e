#pragma once
// What the tiles module does for the tile sources: downloads through Qt's network library
// with its disk cache, and queries on MBTiles files through SQLite. Neither library is
// loaded before the map asks for its first tile source.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QtPlugin>
#include <functional>

struct TileDownload {
    QUrl url;
    QByteArray userAgent;
    bool cacheOnly = false;   // a copy from the disk cache, however old, or nothing
    int timeoutMs = 15000;    // without a byte from the server
    int deadlineMs = 30000;   // for the whole download
    qint64 maximumBytes = 0;  // announced or received beyond this, the download is cut off
};

struct TileDownloadResult {
    quint64 id = 0;
    bool ok = false;   // the body of a 200 answer (or of the cache)
    QByteArray body;
    QString refusal;   // larger than allowed: not worth asking again
    QString failure;   // otherwise why not: "HTTP 404", the network's words, the deadline
};

class TileDownloader {
public:
    using Done = std::function<void(const TileDownloadResult&)>;
    virtual ~TileDownloader() = default; // cancels whatever runs, without answers
    // Starts a download and returns its id; `done` follows once, later, in this thread,
    // unless the download is cancelled first.
    virtual quint64 get(const TileDownload& download, Done done) = 0;
    virtual void cancel(quint64 id) = 0;
    virtual bool hasDiskCache() const = 0;
};

// An MBTiles file opened read-only; used from one thread. Every statement runs under
// `interrupted`, which ends it when it answers true.
class MBTilesDatabase {
public:
    virtual ~MBTilesDatabase() = default;
    virtual bool open(const QString& path, std::function<bool()> interrupted, QString* error) = 0;
    // Whether the tiles table can be read at all.
    virtual bool readTiles(QString* error) = 0;
    // A metadata value, or empty.
    virtual QString metadata(const QString& name) = 0;
    // The lowest and highest zoom level of the tiles; false when there are none.
    virtual bool zoomRange(int* lowest, int* highest) = 0;
    // The bytes of a tile (empty when the file lacks it); false with `error` when the query
    // failed.
    virtual bool tile(int zoom, int column, qint64 row, QByteArray* data, QString* error) = 0;
};

// What the tiles module offers; each object made belongs to the caller.
class TileBackends {
public:
    virtual ~TileBackends() = default;
    virtual TileDownloader* makeDownloader(const QString& cacheDirectory, qint64 cacheBytes, int minimumFreshDays) = 0;
    virtual MBTilesDatabase* makeMBTilesDatabase() = 0;
};
Q_DECLARE_INTERFACE(TileBackends, "org.quorvel.TileBackends/1")
