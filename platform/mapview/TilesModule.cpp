// The tiles module: tile downloads through Qt's network library, with a disk cache, and
// MBTiles files through SQLite.
#include "platform/foundation/ModuleEntry.h"
#include "platform/mapview/TileBackends.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>
#include <memory>

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

// Why a reply was stopped before its end, set on the reply by whoever stopped it.
constexpr char kRefusedProperty[] = "quorvelRefused";
constexpr char kLateProperty[] = "quorvelLate";

class NetworkTileDownloader : public TileDownloader {
public:
    NetworkTileDownloader(const QString& cacheDirectory, qint64 cacheBytes, int minimumFreshDays)
    {
        network_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
        if (!cacheDirectory.isEmpty()) {
            QDir().mkpath(cacheDirectory);
            auto* cache = new TileDiskCache(minimumFreshDays, &network_);
            cache->setCacheDirectory(cacheDirectory);
            cache->setMaximumCacheSize(cacheBytes);
            network_.setCache(cache);
        }
    }
    ~NetworkTileDownloader() override
    {
        for (const auto& reply : std::as_const(replies_))
            if (reply) {
                reply->disconnect(&network_);
                reply->abort();
            }
    }

    quint64 get(const TileDownload& download, Done done) override
    {
        QNetworkRequest request(download.url);
        request.setHeader(QNetworkRequest::UserAgentHeader, download.userAgent);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             download.cacheOnly ? QNetworkRequest::AlwaysCache : QNetworkRequest::PreferCache);
        request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, true);
        request.setTransferTimeout(download.timeoutMs);
        QNetworkReply* reply = network_.get(request);
        const quint64 id = ++lastId_;
        replies_.insert(id, reply);
        QObject::connect(reply, &QNetworkReply::finished, &network_, [this, reply, id, done = std::move(done)] {
            reply->deleteLater();
            replies_.remove(id);
            done(resultOf(reply, id));
        });
        // A server that answers without end, or announces more than a tile can be, is cut off.
        auto refuseIfLarge = [reply, limit = download.maximumBytes](qint64 bytes) {
            if (bytes > limit && !reply->property(kRefusedProperty).isValid()) {
                reply->setProperty(kRefusedProperty, QStringLiteral("larger than %1 KB").arg(limit / 1024));
                reply->abort();
            }
        };
        QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, refuseIfLarge] {
            refuseIfLarge(reply->header(QNetworkRequest::ContentLengthHeader).toLongLong());
        });
        QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                         [refuseIfLarge](qint64 received, qint64 total) { refuseIfLarge(std::max(received, total)); });
        // The transfer time-out only counts silence; a trickle must end too.
        auto* deadline = new QTimer(reply);
        deadline->setSingleShot(true);
        QObject::connect(deadline, &QTimer::timeout, reply, [reply, ms = download.deadlineMs] {
            reply->setProperty(kLateProperty, QStringLiteral("no tile within %1 s").arg(ms / 1000.0));
            reply->abort();
        });
        deadline->start(download.deadlineMs);
        return id;
    }

    void cancel(quint64 id) override
    {
        if (QPointer<QNetworkReply> reply = replies_.take(id)) {
            reply->disconnect(&network_);
            reply->abort();
            reply->deleteLater();
        }
    }

    bool hasDiskCache() const override { return network_.cache() != nullptr; }

private:
    static TileDownloadResult resultOf(QNetworkReply* reply, quint64 id)
    {
        TileDownloadResult r;
        r.id = id;
        r.refusal = reply->property(kRefusedProperty).toString();
        if (!r.refusal.isEmpty())
            return r;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::NoError && (status == 200 || status == 0)) {
            r.ok = true;
            r.body = reply->readAll();
            return r;
        }
        r.failure = reply->property(kLateProperty).toString();
        if (r.failure.isEmpty())
            r.failure = status ? QStringLiteral("HTTP %1").arg(status) : reply->errorString();
        return r;
    }

    QNetworkAccessManager network_;
    QHash<quint64, QPointer<QNetworkReply>> replies_;
    quint64 lastId_ = 0;
};

// ---------------------------------------------------------------------------------------

class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr); }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return statement_; }
    explicit operator bool() const { return statement_ != nullptr; }

private:
    sqlite3_stmt* statement_ = nullptr;
};

class SqliteMBTilesDatabase : public MBTilesDatabase {
public:
    ~SqliteMBTilesDatabase() override
    {
        tileQuery_.reset();
        sqlite3_close_v2(db_);
    }

    bool open(const QString& path, std::function<bool()> interrupted, QString* error) override
    {
        interrupted_ = std::move(interrupted);
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                            nullptr) != SQLITE_OK) {
            *error = lastError();
            return false;
        }
        sqlite3_progress_handler(db_, 1000, &SqliteMBTilesDatabase::onProgress, this);
        // Views and triggers of the file may not call functions with side effects, and no
        // single tile may be larger than a few MB.
        sqlite3_limit(db_, SQLITE_LIMIT_LENGTH, 8 << 20);
        sqlite3_exec(db_, "PRAGMA trusted_schema = OFF", nullptr, nullptr, nullptr);
        return true;
    }

    bool readTiles(QString* error) override
    {
        Statement q(db_, "SELECT 1 FROM tiles LIMIT 1");
        const int step = q ? sqlite3_step(q.get()) : SQLITE_ERROR;
        if (step == SQLITE_ROW || step == SQLITE_DONE)
            return true;
        *error = lastError();
        return false;
    }

    QString metadata(const QString& name) override
    {
        Statement q(db_, "SELECT value FROM metadata WHERE name = ?");
        if (!q)
            return {};
        const QByteArray utf8 = name.toUtf8();
        sqlite3_bind_text(q.get(), 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(q.get()) != SQLITE_ROW)
            return {};
        return textOf(q.get(), 0).trimmed();
    }

    bool zoomRange(int* lowest, int* highest) override
    {
        Statement q(db_, "SELECT MIN(zoom_level), MAX(zoom_level) FROM tiles");
        if (!q || sqlite3_step(q.get()) != SQLITE_ROW || sqlite3_column_type(q.get(), 0) == SQLITE_NULL)
            return false;
        *lowest = sqlite3_column_int(q.get(), 0);
        *highest = sqlite3_column_int(q.get(), 1);
        return true;
    }

    bool tile(int zoom, int column, qint64 row, QByteArray* data, QString* error) override
    {
        if (!tileQuery_)
            tileQuery_ = std::make_unique<Statement>(
                db_, "SELECT tile_data FROM tiles WHERE zoom_level = ? AND tile_column = ? AND tile_row = ?");
        sqlite3_stmt* q = tileQuery_->get();
        if (!q) {
            *error = lastError();
            return false;
        }
        sqlite3_reset(q);
        sqlite3_bind_int(q, 1, zoom);
        sqlite3_bind_int(q, 2, column);
        sqlite3_bind_int64(q, 3, row);
        const int step = sqlite3_step(q);
        data->clear();
        if (step == SQLITE_ROW) {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(q, 0));
            *data = QByteArray(bytes, bytes ? sqlite3_column_bytes(q, 0) : 0);
        }
        const bool ok = step == SQLITE_ROW || step == SQLITE_DONE;
        if (!ok)
            *error = lastError();
        sqlite3_reset(q);
        return ok;
    }

private:
    static int onProgress(void* self)
    {
        auto* database = static_cast<SqliteMBTilesDatabase*>(self);
        return database->interrupted_ && database->interrupted_() ? 1 : 0;
    }

    static QString textOf(sqlite3_stmt* q, int column)
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(q, column));
        return text ? QString::fromUtf8(text, sqlite3_column_bytes(q, column)) : QString();
    }

    QString lastError() const
    {
        return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
    }

    sqlite3* db_ = nullptr;
    std::function<bool()> interrupted_;
    std::unique_ptr<Statement> tileQuery_;
};

} // namespace

class TilesPlugin : public QObject, public QuorvelModule, public TileBackends {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.quorvel.TileBackends/1")
    Q_INTERFACES(QuorvelModule TileBackends)
public:
    void setLogWriter(QuorvelModuleLogWriter writer) override { setModuleLogWriter(writer); }
    TileDownloader* makeDownloader(const QString& cacheDirectory, qint64 cacheBytes, int minimumFreshDays) override
    {
        return new NetworkTileDownloader(cacheDirectory, cacheBytes, minimumFreshDays);
    }
    MBTilesDatabase* makeMBTilesDatabase() override { return new SqliteMBTilesDatabase; }
};

#include "TilesModule.moc"
