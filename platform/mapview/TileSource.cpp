#include "platform/mapview/TileSource.h"
#include "platform/foundation/Log.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

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

int connectionCounter = 0;

} // namespace

// ---------------------------------------------------------------------------------------

HttpTileSource::HttpTileSource(Options options, QObject* parent) : TileSource(parent), options_(std::move(options))
{
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
    if (replies_.contains(key))
        return;
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
}

void HttpTileSource::cancelTile(const TileKey& key)
{
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
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString reason;
    if (reply->error() == QNetworkReply::NoError && (status == 200 || status == 0)) {
        QImage image;
        if (image.loadFromData(reply->readAll())) {
            emit tileReady(key, image);
            return;
        }
        reason = QStringLiteral("not an image");
    } else {
        reason = status ? QStringLiteral("HTTP %1").arg(status) : reply->errorString();
    }
    // Offline or a server fault: a copy past its date is better than nothing.
    if (networkFailure.isEmpty() && network_->cache()) {
        fetch(key, reason);
        return;
    }
    emit tileFailed(key, networkFailure.isEmpty() ? reason : networkFailure);
}

// ---------------------------------------------------------------------------------------

MBTilesTileSource::MBTilesTileSource(const QString& path, QObject* parent)
    : TileSource(parent), path_(path), connection_(QStringLiteral("quorvel-mbtiles-%1").arg(++connectionCounter))
{
    if (!QFileInfo(path).isFile()) {
        NSLog("MAP: MBTiles file not found: %@", path);
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        NSLog("MAP: MBTiles file not readable: %@ (%@)", path, db.lastError().text());
        return;
    }
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT 1 FROM tiles LIMIT 1"))) {
        NSLog("MAP: not an MBTiles file: %@ (%@)", path, probe.lastError().text());
        return;
    }
    open_ = true;
    bool ok = false;
    const int minZ = metadata(QStringLiteral("minzoom")).toInt(&ok);
    if (ok)
        minZoom_ = std::clamp(minZ, 0, 24);
    const int maxZ = metadata(QStringLiteral("maxzoom")).toInt(&ok);
    if (ok)
        maxZoom_ = std::clamp(maxZ, minZoom_, 24);
    if (!ok) {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT MIN(zoom_level), MAX(zoom_level) FROM tiles")) && q.next()
            && !q.value(0).isNull()) {
            minZoom_ = std::clamp(q.value(0).toInt(), 0, 24);
            maxZoom_ = std::clamp(q.value(1).toInt(), minZoom_, 24);
        }
    }
    attribution_ = metadata(QStringLiteral("attribution"));
}

MBTilesTileSource::~MBTilesTileSource()
{
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

QString MBTilesTileSource::describe() const
{
    return QFileInfo(path_).fileName();
}

QString MBTilesTileSource::metadata(const QString& name) const
{
    if (!open_)
        return {};
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT value FROM metadata WHERE name = ?"));
    q.addBindValue(name);
    if (q.exec() && q.next())
        return q.value(0).toString().trimmed();
    return {};
}

QByteArray MBTilesTileSource::tileData(const TileKey& key) const
{
    if (!open_ || key.z < 0 || key.z > 30)
        return {};
    const qint64 rows = qint64(1) << key.z;
    if (key.x < 0 || key.y < 0 || key.x >= rows || key.y >= rows)
        return {};
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT tile_data FROM tiles WHERE zoom_level = ? AND tile_column = ? AND tile_row = ?"));
    q.addBindValue(key.z);
    q.addBindValue(key.x);
    q.addBindValue(rows - 1 - key.y);
    if (q.exec() && q.next())
        return q.value(0).toByteArray();
    return {};
}

void MBTilesTileSource::requestTile(const TileKey& key)
{
    if (!pending_.contains(key))
        pending_.append(key);
    if (!deliveryQueued_) {
        deliveryQueued_ = true;
        QMetaObject::invokeMethod(this, &MBTilesTileSource::deliverPending, Qt::QueuedConnection);
    }
}

void MBTilesTileSource::cancelTile(const TileKey& key)
{
    pending_.removeAll(key);
}

void MBTilesTileSource::deliverPending()
{
    deliveryQueued_ = false;
    const QList<TileKey> keys = std::exchange(pending_, {});
    for (const TileKey& key : keys) {
        const QByteArray data = tileData(key);
        QImage image;
        if (data.isEmpty())
            emit tileFailed(key, QStringLiteral("not in %1").arg(describe()));
        else if (!image.loadFromData(data))
            emit tileFailed(key, QStringLiteral("not an image"));
        else
            emit tileReady(key, image);
    }
}

// ---------------------------------------------------------------------------------------

TileSourceChain::TileSourceChain(QObject* parent) : TileSource(parent) {}

void TileSourceChain::append(std::unique_ptr<TileSource> owned)
{
    TileSource* source = owned.release();
    source->setParent(this);
    const int index = int(sources_.size());
    sources_.append(source);
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
