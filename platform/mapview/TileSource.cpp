#include "platform/mapview/TileSource.h"
#include "platform/foundation/HostAddress.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Modules.h"
#include "platform/foundation/PrivateFiles.h"
#include "platform/mapview/TileBackends.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutex>
#include <QThread>
#include <QThreadPool>
#include <QWaitCondition>

#include <atomic>

namespace {

// The tiles module, or why it cannot be had.
TileBackends* tilesModule(QString* error)
{
    return Modules::get<TileBackends>(QStringLiteral("tiles"), error);
}

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

} // namespace

QImage TileSource::decodeTile(const QByteArray& bytes, QString* reason, bool* refused)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // Tiles come from strangers: only the two formats tile servers use are decoded, and never
    // by whichever other image plugin happens to recognise the bytes.
    const QByteArray format = bytes.startsWith("\x89PNG\r\n\x1a\n") ? QByteArrayLiteral("png")
                              : bytes.startsWith("\xff\xd8\xff")      ? QByteArrayLiteral("jpeg")
                                                                       : QByteArray();
    if (format.isEmpty()) {
        *reason = QStringLiteral("not an image");
        return {};
    }
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
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
    if (!wellFormed)
        return;
    QString error;
    // The cache shows where the user has looked at the map: private like the rest of ours,
    // also when an earlier version made it open to all.
    if (!options_.cacheDirectory.isEmpty() && PrivateFiles::makeFolder(options_.cacheDirectory))
        QFile::setPermissions(options_.cacheDirectory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (TileBackends* module = tilesModule(&error))
        downloader_.reset(module->makeDownloader(options_.cacheDirectory, options_.diskCacheBytes, options_.minimumFreshDays));
    else
        NSLog("MAP: tile server %@ not contacted: %@", probe.host(), error);
    usable_ = downloader_ != nullptr;
}

HttpTileSource::~HttpTileSource()
{
    {
        QMutexLocker lock(&relay_->mutex);
        relay_->target = nullptr;
    }
    downloader_.reset(); // cancels every download, without answers
}

bool HttpTileSource::networkAllowed(const QUrl& url)
{
    if (qEnvironmentVariable("QUORVEL_NETWORK") != QLatin1String("loopback"))
        return true;
    return HostAddress::isLoopback(url.host());
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
    if (downloads_.contains(key) || decoding_.contains(key))
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
    TileDownload download;
    download.url = url;
    download.userAgent = options_.userAgent;
    download.cacheOnly = staleCacheOnly;
    download.timeoutMs = options_.timeoutMs;
    download.deadlineMs = options_.deadlineMs;
    download.maximumBytes = options_.maximumTileBytes;
    const quint64 id = downloader_->get(download, [this, key, networkFailure](const TileDownloadResult& result) {
        finished(key, result, networkFailure);
    });
    downloads_.insert(key, id);
}

void HttpTileSource::cancelTile(const TileKey& key)
{
    decoding_.remove(key);
    if (const auto it = downloads_.constFind(key); it != downloads_.cend()) {
        downloader_->cancel(*it);
        downloads_.erase(it);
    }
}

void HttpTileSource::finished(const TileKey& key, const TileDownloadResult& result, const QString& networkFailure)
{
    if (downloads_.value(key) != result.id)
        return;
    downloads_.remove(key);
    if (!result.refusal.isEmpty()) {
        refuse(key, result.refusal);
        return;
    }
    if (result.ok) {
        decoding_.insert(key);
        decodePool().start([relay = relay_, key, bytes = result.body, networkFailure] {
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
    failOrTryStale(key, result.failure, networkFailure);
}

void HttpTileSource::failOrTryStale(const TileKey& key, const QString& reason, const QString& networkFailure)
{
    // Offline or a server fault: a copy past its date is better than nothing.
    if (networkFailure.isEmpty() && downloader_->hasDiskCache()) {
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
        QString error;
        std::unique_ptr<MBTilesDatabase> db;
        if (TileBackends* module = tilesModule(&error))
            db.reset(module->makeMBTilesDatabase());
        const Opened result = db ? open(*db) : Opened{true, false, 0, 19, {}, QStringLiteral("MBTiles file not opened: %1 (%2)").arg(path_, error)};
        {
            QMutexLocker lock(&mutex_);
            opened_ = result;
            wake_.wakeAll();
        }
        MBTilesTileSource* owner = owner_;
        QMetaObject::invokeMethod(owner, [owner] { owner->opened(); }, Qt::QueuedConnection);
        if (result.ok)
            serve(*db);
    }

private:
    QString why(const QString& error, int deadlineMs) const
    {
        if (deadline_.hasExpired())
            return QStringLiteral("no answer within %1 s").arg(deadlineMs / 1000.0);
        return error;
    }

    Opened open(MBTilesDatabase& db)
    {
        Opened r;
        r.done = true;
        if (!QFileInfo(path_).isFile()) {
            r.problem = QStringLiteral("MBTiles file not found: %1").arg(path_);
            return r;
        }
        deadline_ = QDeadlineTimer(kOpenDeadlineMs);
        QString error;
        if (!db.open(path_, [this] { return deadline_.hasExpired() || stopping_; }, &error)) {
            r.problem = QStringLiteral("MBTiles file not readable: %1 (%2)").arg(path_, error);
            return r;
        }
        if (!db.readTiles(&error)) {
            r.problem = QStringLiteral("not an MBTiles file: %1 (%2)").arg(path_, why(error, kOpenDeadlineMs));
            return r;
        }
        r.ok = true;
        bool ok = false;
        const int minZ = db.metadata(QStringLiteral("minzoom")).toInt(&ok);
        if (ok)
            r.minZoom = std::clamp(minZ, 0, 24);
        const int maxZ = db.metadata(QStringLiteral("maxzoom")).toInt(&ok);
        if (ok)
            r.maxZoom = std::clamp(maxZ, r.minZoom, 24);
        int lowest = 0;
        int highest = 0;
        if (!ok && db.zoomRange(&lowest, &highest)) {
            r.minZoom = std::clamp(lowest, 0, 24);
            r.maxZoom = std::clamp(highest, r.minZoom, 24);
        }
        r.attribution = db.metadata(QStringLiteral("attribution"));
        if (deadline_.hasExpired()) {
            r = Opened{true, false, 0, 19, {}, QStringLiteral("MBTiles file %1 took longer than %2 s to open")
                                                   .arg(path_).arg(kOpenDeadlineMs / 1000.0)};
        }
        return r;
    }

    void serve(MBTilesDatabase& db)
    {
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
            QByteArray bytes;
            QString error;
            if (!db.tile(key.z, key.x, rows - 1 - key.y, &bytes, &error)) {
                reason = why(error, kQueryDeadlineMs);
                refused = deadline_.hasExpired();
            } else if (bytes.isEmpty()) {
                reason = QStringLiteral("not in %1").arg(QFileInfo(path_).fileName());
            } else {
                image = decodeTile(bytes, &reason);
                refused = image.isNull(); // the file will not change its mind
            }
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
