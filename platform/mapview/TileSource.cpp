#include "platform/mapview/TileSource.h"
#include "platform/foundation/Log.h"

#include <QBuffer>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QImageReader>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QWaitCondition>

#include <atomic>
#include <sqlite3.h>

namespace {

// Keeps every tile at least `minimumFreshDays`, however short the server's own expiry: tile
// servers ask clients to cache that long, and the map should survive a week offline.
class TileDiskCache : public QNetworkDiskCache {
public:
    TileDiskCache(int minimumFreshDays, QObject* parent) : QNetworkDiskCache(parent), days_(minimumFreshDays) {}

    QIODevice* prepare(const QNetworkCacheMetaData& metaData) override
    {
        return QNetworkDiskCache::prepare(extended(metaData));
    }
    void updateMetaData(const QNetworkCacheMetaData& metaData) override
    {
        QNetworkDiskCache::updateMetaData(extended(metaData));
    }

private:
    QNetworkCacheMetaData extended(QNetworkCacheMetaData metaData) const
    {
        if (!metaData.saveToDisk())
            return metaData;
        const QDateTime floor = QDateTime::currentDateTimeUtc().addDays(days_);
        if (!metaData.expirationDate().isValid() || metaData.expirationDate() < floor)
            metaData.setExpirationDate(floor);
        // The freshness check reads max-age before the expiry date, so the stored headers
        // must say the same as the date.
        QNetworkCacheMetaData::RawHeaderList headers;
        for (const auto& header : metaData.rawHeaders()) {
            const QByteArray name = header.first.toLower();
            if (name == "cache-control" || name == "expires" || name == "pragma")
                continue;
            headers.append(header);
        }
        const qint64 maxAge = QDateTime::currentDateTimeUtc().secsTo(metaData.expirationDate());
        headers.append({"Cache-Control", "max-age=" + QByteArray::number(maxAge)});
        metaData.setRawHeaders(headers);
        return metaData;
    }

    int days_;
};

std::atomic<int> connectionCounter{0};

// Why a reply was stopped before its end, set on the reply by whoever stopped it.
constexpr char kRefusedProperty[] = "quorvelRefused";
constexpr char kLateProperty[] = "quorvelLate";

// Decoding happens off the window's thread; two threads keep up with any tile server.
QThreadPool& decodePool()
{
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(2);
        return p;
    }();
    return *pool;
}

QString kilobytes(qint64 bytes)
{
    return QString::number(bytes / 1024);
}

} // namespace

QImage TileSource::decodeTile(const QByteArray& bytes, QString* reason, bool* refused)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The header's size is checked first; the limit stops a format that cannot tell it.
    reader.setAllocationLimit(16);
    const QSize size = reader.size();
    auto tooLarge = [&](QSize s) {
        *reason = QStringLiteral("a picture of %1x%2, larger than a tile").arg(s.width()).arg(s.height());
        if (refused)
            *refused = true;
        return QImage();
    };
    if (size.isValid() && (size.width() > kMaximumTilePixels || size.height() > kMaximumTilePixels))
        return tooLarge(size);
    QImage image = reader.read();
    if (image.isNull()) {
        *reason = QStringLiteral("not an image");
        return {};
    }
    if (image.width() > kMaximumTilePixels || image.height() > kMaximumTilePixels)
        return tooLarge(image.size());
    return image;
}

// The decoder's way back: cleared when the source goes, so that a late answer is dropped.
struct HttpTileSource::DecodeRelay {
    QMutex mutex;
    HttpTileSource* target = nullptr;
};

// ---------------------------------------------------------------------------------------

HttpTileSource::HttpTileSource(Options options, QObject* parent)
    : TileSource(parent), options_(std::move(options)), relay_(std::make_shared<DecodeRelay>())
{
    relay_->target = this;
    const QString t = options_.urlTemplate;
    const QUrl probe(QString(t).replace(QLatin1String("{z}"), QLatin1String("0"))
                         .replace(QLatin1String("{x}"), QLatin1String("0"))
                         .replace(QLatin1String("{y}"), QLatin1String("0"))
                         .replace(QLatin1String("{s}"), QLatin1String("a")));
    const bool wellFormed = t.contains(QLatin1String("{z}")) && t.contains(QLatin1String("{x}"))
                            && t.contains(QLatin1String("{y}")) && probe.isValid()
                            && (probe.scheme() == QLatin1String("http") || probe.scheme() == QLatin1String("https"))
                            && !probe.host().isEmpty();
    if (!t.isEmpty() && !wellFormed)
        NSLog("MAP: tile URL template not usable: %@", t);
    if (wellFormed && !networkAllowed(probe)) {
        NSLog("MAP: tile server %@ not contacted (loopback only)", probe.host());
        return;
    }
    usable_ = wellFormed;
    if (!usable_)
        return;
    network_ = new QNetworkAccessManager(this);
    network_->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    if (!options_.cacheDirectory.isEmpty()) {
        QDir().mkpath(options_.cacheDirectory);
        auto* cache = new TileDiskCache(options_.minimumFreshDays, network_);
        cache->setCacheDirectory(options_.cacheDirectory);
        cache->setMaximumCacheSize(options_.diskCacheBytes);
        network_->setCache(cache);
    }
}

HttpTileSource::~HttpTileSource()
{
    {
        QMutexLocker lock(&relay_->mutex);
        relay_->target = nullptr;
    }
    for (const auto& reply : std::as_const(replies_))
        if (reply) {
            reply->disconnect(this);
            reply->abort();
        }
}

bool HttpTileSource::networkAllowed(const QUrl& url)
{
    if (qEnvironmentVariable("QUORVEL_NETWORK") != QLatin1String("loopback"))
        return true;
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QString HttpTileSource::describe() const
{
    return usable_ ? QUrl(options_.urlTemplate).host() : QStringLiteral("no tile server");
}

QUrl HttpTileSource::urlForTile(const TileKey& key) const
{
    QString s = options_.urlTemplate;
    s.replace(QLatin1String("{z}"), QString::number(key.z));
    s.replace(QLatin1String("{x}"), QString::number(key.x));
    s.replace(QLatin1String("{y}"), QString::number(key.y));
    s.replace(QLatin1String("{s}"), QLatin1String("a"));
    return QUrl(s);
}

void HttpTileSource::requestTile(const TileKey& key)
{
    if (replies_.contains(key) || decoding_.contains(key))
        return;
    if (refused_.contains(key)) {
        QMetaObject::invokeMethod(this, [this, key] { emit tileFailed(key, refused_.reason(key)); }, Qt::QueuedConnection);
        return;
    }
    if (!usable_) {
        QMetaObject::invokeMethod(this, [this, key] { emit tileFailed(key, QStringLiteral("no tile server")); },
                                  Qt::QueuedConnection);
        return;
    }
    fetch(key);
}

void HttpTileSource::fetch(const TileKey& key, const QString& networkFailure)
{
    const bool staleCacheOnly = !networkFailure.isEmpty();
    const QUrl url = urlForTile(key);
    if (!networkAllowed(url)) {
        QMetaObject::invokeMethod(this, [this, key] { emit tileFailed(key, QStringLiteral("not allowed")); },
                                  Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, options_.userAgent);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         staleCacheOnly ? QNetworkRequest::AlwaysCache : QNetworkRequest::PreferCache);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, true);
    request.setTransferTimeout(options_.timeoutMs);
    QNetworkReply* reply = network_->get(request);
    replies_.insert(key, reply);
    connect(reply, &QNetworkReply::finished, this, [this, reply, key, networkFailure] {
        finished(reply, key, networkFailure);
    });
    // A server that answers without end, or announces more than a tile can be, is cut off.
    const qint64 limit = options_.maximumTileBytes;
    auto refuseIfLarge = [reply, limit](qint64 bytes) {
        if (bytes > limit && !reply->property(kRefusedProperty).isValid()) {
            reply->setProperty(kRefusedProperty, QStringLiteral("larger than %1 KB").arg(kilobytes(limit)));
            reply->abort();
        }
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, refuseIfLarge] {
        refuseIfLarge(reply->header(QNetworkRequest::ContentLengthHeader).toLongLong());
    });
    connect(reply, &QNetworkReply::downloadProgress, reply, [refuseIfLarge](qint64 received, qint64 total) {
        refuseIfLarge(std::max(received, total));
    });
    // The transfer time-out only counts silence; a trickle must end too.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [reply, ms = options_.deadlineMs] {
        reply->setProperty(kLateProperty, QStringLiteral("no tile within %1 s").arg(ms / 1000.0));
        reply->abort();
    });
    deadline->start(options_.deadlineMs);
}

void HttpTileSource::cancelTile(const TileKey& key)
{
    decoding_.remove(key);
    if (QPointer<QNetworkReply> reply = replies_.take(key)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void HttpTileSource::finished(QNetworkReply* reply, const TileKey& key, const QString& networkFailure)
{
    reply->deleteLater();
    if (replies_.value(key) != reply)
        return;
    replies_.remove(key);
    if (const QString refusal = reply->property(kRefusedProperty).toString(); !refusal.isEmpty()) {
        refuse(key, refusal);
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && (status == 200 || status == 0)) {
        decoding_.insert(key);
        decodePool().start([relay = relay_, key, bytes = reply->readAll(), networkFailure] {
            QString reason;
            bool refused = false;
            const QImage image = decodeTile(bytes, &reason, &refused);
            QMutexLocker lock(&relay->mutex);
            if (HttpTileSource* target = relay->target)
                QMetaObject::invokeMethod(
                    target, [target, key, image, reason, refused, networkFailure] {
                        target->decoded(key, image, reason, refused, networkFailure);
                    },
                    Qt::QueuedConnection);
        });
        return;
    }
    QString reason = reply->property(kLateProperty).toString();
    if (reason.isEmpty())
        reason = status ? QStringLiteral("HTTP %1").arg(status) : reply->errorString();
    failOrTryStale(key, reason, networkFailure);
}

void HttpTileSource::failOrTryStale(const TileKey& key, const QString& reason, const QString& networkFailure)
{
    // Offline or a server fault: a copy past its date is better than nothing.
    if (networkFailure.isEmpty() && network_->cache()) {
        fetch(key, reason);
        return;
    }
    emit tileFailed(key, networkFailure.isEmpty() ? reason : networkFailure);
}

void HttpTileSource::refuse(const TileKey& key, const QString& reason)
{
    refused_.insert(key, reason);
    emit tileFailed(key, reason);
}

void HttpTileSource::decoded(const TileKey& key, const QImage& image, const QString& reason, bool refused,
                             const QString& networkFailure)
{
    if (!decoding_.remove(key))
        return; // cancelled meanwhile
    if (!image.isNull())
        emit tileReady(key, image);
    else if (refused)
        refuse(key, reason);
    else // not a picture at all: perhaps a captive portal's page, so not remembered
        failOrTryStale(key, reason, networkFailure);
}

// ---------------------------------------------------------------------------------------

// The file's own thread: it opens the file, then answers one tile at a time until stopped.
// Every statement runs under SQLite's progress handler, which ends it at its deadline.
class MBTilesTileSource::Reader : public QThread {
public:
    struct Opened {
        bool done = false;
        bool ok = false;
        int minZoom = 0;
        int maxZoom = 19;
        QString attribution;
        QString problem; // for the log
    };

    Reader(QString path, MBTilesTileSource* owner) : path_(std::move(path)), owner_(owner) {}
    ~Reader() override
    {
        {
            QMutexLocker lock(&mutex_);
            stopping_ = true;
            wake_.wakeAll();
        }
        wait();
    }

    // Waits at most `ms` for the file to open; true once it has (or has failed to).
    bool waitOpened(int ms)
    {
        QMutexLocker lock(&mutex_);
        const QDeadlineTimer deadline(ms);
        while (!opened_.done && wake_.wait(&mutex_, deadline)) {
        }
        return opened_.done;
    }
    Opened opened() const
    {
        QMutexLocker lock(&mutex_);
        return opened_;
    }
    void ask(const TileKey& key)
    {
        QMutexLocker lock(&mutex_);
        if (!queue_.contains(key))
            queue_.append(key);
        wake_.wakeAll();
    }
    void forget(const TileKey& key)
    {
        QMutexLocker lock(&mutex_);
        queue_.removeAll(key);
    }

protected:
    void run() override
    {
        const QString connection = QStringLiteral("quorvel-mbtiles-%1").arg(++connectionCounter);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(path_);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            const Opened result = open(db);
            {
                QMutexLocker lock(&mutex_);
                opened_ = result;
                wake_.wakeAll();
            }
            MBTilesTileSource* owner = owner_;
            QMetaObject::invokeMethod(owner, [owner] { owner->opened(); }, Qt::QueuedConnection);
            if (result.ok)
                serve(db);
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
    }

private:
    static int onProgress(void* self)
    {
        auto* reader = static_cast<Reader*>(self);
        return reader->deadline_.hasExpired() || reader->stopping_ ? 1 : 0;
    }

    static sqlite3* handleOf(const QSqlDatabase& db)
    {
        const QVariant handle = db.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            return *static_cast<sqlite3* const*>(handle.constData());
        return nullptr;
    }

    QString why(const QSqlQuery& q, int deadlineMs) const
    {
        if (deadline_.hasExpired())
            return QStringLiteral("no answer within %1 s").arg(deadlineMs / 1000.0);
        return q.lastError().text();
    }

    // A metadata value, or empty.
    QString metadata(const QSqlDatabase& db, const QString& name) const
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT value FROM metadata WHERE name = ?"));
        q.addBindValue(name);
        if (q.exec() && q.next())
            return q.value(0).toString().trimmed();
        return {};
    }

    Opened open(QSqlDatabase& db)
    {
        Opened r;
        r.done = true;
        if (!QFileInfo(path_).isFile()) {
            r.problem = QStringLiteral("MBTiles file not found: %1").arg(path_);
            return r;
        }
        deadline_ = QDeadlineTimer(kOpenDeadlineMs);
        if (!db.open()) {
            r.problem = QStringLiteral("MBTiles file not readable: %1 (%2)").arg(path_, db.lastError().text());
            return r;
        }
        sqlite3* handle = handleOf(db);
        if (!handle) {
            r.problem = QStringLiteral("MBTiles file not opened: %1 (no SQLite handle)").arg(path_);
            return r;
        }
        sqlite3_progress_handler(handle, 1000, &Reader::onProgress, this);
        // Views and triggers of the file may not call functions with side effects, and no
        // single tile may be larger than a few MB.
        sqlite3_limit(handle, SQLITE_LIMIT_LENGTH, 8 << 20);
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA trusted_schema = OFF"));
        if (!q.exec(QStringLiteral("SELECT 1 FROM tiles LIMIT 1"))) {
            r.problem = QStringLiteral("not an MBTiles file: %1 (%2)").arg(path_, why(q, kOpenDeadlineMs));
            return r;
        }
        r.ok = true;
        bool ok = false;
        const int minZ = metadata(db, QStringLiteral("minzoom")).toInt(&ok);
        if (ok)
            r.minZoom = std::clamp(minZ, 0, 24);
        const int maxZ = metadata(db, QStringLiteral("maxzoom")).toInt(&ok);
        if (ok)
            r.maxZoom = std::clamp(maxZ, r.minZoom, 24);
        if (!ok && q.exec(QStringLiteral("SELECT MIN(zoom_level), MAX(zoom_level) FROM tiles")) && q.next()
            && !q.value(0).isNull()) {
            r.minZoom = std::clamp(q.value(0).toInt(), 0, 24);
            r.maxZoom = std::clamp(q.value(1).toInt(), r.minZoom, 24);
        }
        r.attribution = metadata(db, QStringLiteral("attribution"));
        if (deadline_.hasExpired()) {
            r = Opened{true, false, 0, 19, {}, QStringLiteral("MBTiles file %1 took longer than %2 s to open")
                                                   .arg(path_).arg(kOpenDeadlineMs / 1000.0)};
        }
        return r;
    }

    void serve(QSqlDatabase& db)
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT tile_data FROM tiles WHERE zoom_level = ? AND tile_column = ? AND tile_row = ?"));
        for (;;) {
            TileKey key;
            {
                QMutexLocker lock(&mutex_);
                while (queue_.isEmpty() && !stopping_)
                    wake_.wait(&mutex_);
                if (stopping_)
                    return;
                key = queue_.takeFirst();
            }
            QImage image;
            QString reason;
            bool refused = false;
            const qint64 rows = qint64(1) << key.z;
            deadline_ = QDeadlineTimer(kQueryDeadlineMs);
            q.bindValue(0, key.z);
            q.bindValue(1, key.x);
            q.bindValue(2, rows - 1 - key.y);
            const bool found = q.exec() && q.next();
            if (!found && (deadline_.hasExpired() || q.lastError().isValid())) {
                reason = why(q, kQueryDeadlineMs);
                refused = deadline_.hasExpired();
            } else if (!found || q.value(0).toByteArray().isEmpty()) {
                reason = QStringLiteral("not in %1").arg(QFileInfo(path_).fileName());
            } else {
                image = decodeTile(q.value(0).toByteArray(), &reason);
                refused = image.isNull(); // the file will not change its mind
            }
            q.finish();
            MBTilesTileSource* owner = owner_;
            QMetaObject::invokeMethod(
                owner, [owner, key, image, reason, refused] { owner->answered(key, image, reason, refused); },
                Qt::QueuedConnection);
        }
    }

    const QString path_;
    MBTilesTileSource* const owner_; // outlives the thread: its destructor waits for it
    mutable QMutex mutex_;
    QWaitCondition wake_;
    Opened opened_;
    QList<TileKey> queue_;
    std::atomic<bool> stopping_{false};
    QDeadlineTimer deadline_; // only touched on the reader's thread
};

MBTilesTileSource::MBTilesTileSource(const QString& path, QObject* parent)
    : TileSource(parent), path_(path), reader_(std::make_unique<Reader>(path, this))
{
    reader_->start();
    // A good file opens in a few milliseconds, and the map is then built as if it had
    // opened here; a slow one is announced when it is done.
    if (reader_->waitOpened(kOpenWaitMs))
        opened();
}

MBTilesTileSource::~MBTilesTileSource()
{
    reader_.reset(); // stops and waits for the reader, whose last answers are then dropped
}

QString MBTilesTileSource::describe() const
{
    return QFileInfo(path_).fileName();
}

void MBTilesTileSource::opened()
{
    if (settled_)
        return;
    settled_ = true;
    const Reader::Opened r = reader_->opened();
    if (!r.ok)
        NSLog("MAP: %@", r.problem);
    open_ = r.ok;
    minZoom_ = r.minZoom;
    maxZoom_ = r.maxZoom;
    attribution_ = r.attribution;
    emit availabilityChanged();
}

void MBTilesTileSource::requestTile(const TileKey& key)
{
    QString reason;
    if (!open_)
        reason = QStringLiteral("%1 is not open").arg(describe());
    else if (key.z < 0 || key.z > 30 || key.x < 0 || key.y < 0 || key.x >= (qint64(1) << key.z)
             || key.y >= (qint64(1) << key.z))
        reason = QStringLiteral("not in %1").arg(describe());
    else if (refused_.contains(key))
        reason = refused_.reason(key);
    if (!reason.isEmpty()) {
        QMetaObject::invokeMethod(this, [this, key, reason] { emit tileFailed(key, reason); }, Qt::QueuedConnection);
        return;
    }
    if (pending_.contains(key))
        return;
    pending_.insert(key);
    reader_->ask(key);
}

void MBTilesTileSource::cancelTile(const TileKey& key)
{
    if (pending_.remove(key))
        reader_->forget(key);
}

void MBTilesTileSource::answered(const TileKey& key, const QImage& image, const QString& reason, bool refused)
{
    if (!pending_.remove(key))
        return; // cancelled
    if (refused)
        refused_.insert(key, reason);
    if (image.isNull())
        emit tileFailed(key, reason);
    else
        emit tileReady(key, image);
}

// ---------------------------------------------------------------------------------------

TileSourceChain::TileSourceChain(QObject* parent) : TileSource(parent) {}

void TileSourceChain::append(std::unique_ptr<TileSource> owned)
{
    TileSource* source = owned.release();
    source->setParent(this);
    const int index = int(sources_.size());
    sources_.append(source);
    connect(source, &TileSource::availabilityChanged, this, &TileSource::availabilityChanged);
    connect(source, &TileSource::tileReady, this, [this, index](const TileKey& key, const QImage& image) {
        auto it = stage_.find(key);
        if (it == stage_.end() || *it != index)
            return;
        stage_.erase(it);
        emit tileReady(key, image);
    });
    connect(source, &TileSource::tileFailed, this, [this, index](const TileKey& key, const QString& reason) {
        auto it = stage_.find(key);
        if (it == stage_.end() || *it != index)
            return;
        stage_.erase(it);
        tryFrom(key, index + 1, reason);
    });
}

void TileSourceChain::requestTile(const TileKey& key)
{
    if (stage_.contains(key))
        return;
    tryFrom(key, 0, QStringLiteral("no tile source"));
}

void TileSourceChain::tryFrom(const TileKey& key, int index, const QString& lastReason)
{
    for (int i = index; i < sources_.size(); ++i) {
        TileSource* s = sources_[i];
        if (!s->isUsable() || key.z < s->minimumZoom() || key.z > s->maximumZoom())
            continue;
        stage_.insert(key, i);
        s->requestTile(key);
        return;
    }
    QMetaObject::invokeMethod(this, [this, key, lastReason] { emit tileFailed(key, lastReason); },
                              Qt::QueuedConnection);
}

void TileSourceChain::cancelTile(const TileKey& key)
{
    auto it = stage_.find(key);
    if (it == stage_.end())
        return;
    sources_[*it]->cancelTile(key);
    stage_.erase(it);
}

int TileSourceChain::minimumZoom() const
{
    int z = 24;
    for (TileSource* s : sources_)
        if (s->isUsable())
            z = std::min(z, s->minimumZoom());
    return z == 24 ? 0 : z;
}

int TileSourceChain::maximumZoom() const
{
    int z = -1;
    for (TileSource* s : sources_)
        if (s->isUsable())
            z = std::max(z, s->maximumZoom());
    return z < 0 ? 19 : z;
}

QString TileSourceChain::attribution() const
{
    QStringList parts;
    for (TileSource* s : sources_)
        if (s->isUsable() && !s->attribution().isEmpty() && !parts.contains(s->attribution()))
            parts.append(s->attribution());
    return parts.join(QStringLiteral(" · "));
}

bool TileSourceChain::isUsable() const
{
    return std::any_of(sources_.begin(), sources_.end(), [](TileSource* s) { return s->isUsable(); });
}

QString TileSourceChain::describe() const
{
    QStringList parts;
    for (TileSource* s : sources_)
        if (s->isUsable())
            parts.append(s->describe());
    return parts.isEmpty() ? QStringLiteral("no tile source") : parts.join(QStringLiteral(", "));
}
