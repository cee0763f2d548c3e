#include "platform/foundation/UserDefaults.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PrivateFiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>

#include <cmath>

namespace {

// A JSON value as one of the three types the store keeps; anything else is not kept.
QVariant fromJson(const QJsonValue& v)
{
    if (v.isString())
        return v.toString();
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) <= 9007199254740992.0)
            return static_cast<qint64>(d);
        return {};
    }
    if (v.isArray()) {
        QStringList list;
        for (const QJsonValue& e : v.toArray()) {
            if (!e.isString())
                return {};
            list.append(e.toString());
        }
        return list;
    }
    return {};
}

QJsonValue toJson(const QVariant& v)
{
    if (v.typeId() == QMetaType::QStringList)
        return QJsonArray::fromStringList(v.toStringList());
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    return QJsonValue(static_cast<qint64>(v.toLongLong()));
}

QVariant normalized(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::QString:
    case QMetaType::QStringList:
        return v;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return static_cast<qint64>(v.toLongLong());
    default:
        return {};
    }
}

} // namespace

UserDefaults::UserDefaults(QString path) : path_(std::move(path)) {}

QString UserDefaults::standardPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/quorvel/defaults.json");
}

UserDefaults& UserDefaults::standardUserDefaults()
{
    static UserDefaults store(standardPath());
    return store;
}

std::optional<QMap<QString, QVariant>> UserDefaults::parse(const QByteArray& bytes)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    QMap<QString, QVariant> values;
    const QJsonObject obj = doc.object();
    for (auto it = obj.begin(); it != obj.end(); ++it) {
        const QVariant v = fromJson(it.value());
        if (v.isValid())
            values.insert(it.key(), v);
    }
    return values;
}

QByteArray UserDefaults::serialize(const QMap<QString, QVariant>& values)
{
    QJsonObject obj;
    for (auto it = values.begin(); it != values.end(); ++it)
        obj.insert(it.key(), toJson(it.value()));
    return QJsonDocument(obj).toJson(QJsonDocument::Indented);
}

namespace {

// A writer holds the lock for milliseconds; waiting longer than this means another process
// is stuck, and the changes wait for the next synchronize instead of freezing the window.
constexpr int kLockWaitMs = 2000;

class StoreLock {
public:
    explicit StoreLock(const QString& path) : lock_(path)
    {
        PrivateFiles::makeFolder(QFileInfo(path).absolutePath());
        // A lock left by a killed process names a process that no longer runs: QLockFile
        // takes it over.
        locked_ = lock_.tryLock(kLockWaitMs);
        if (locked_)
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    bool locked() const { return locked_; }
    QLockFile::LockError error() const { return lock_.error(); }

private:
    QLockFile lock_;
    bool locked_ = false;
};

} // namespace

void UserDefaults::logOnce(const QString& what, const QString& line)
{
    if (what == lastProblem_)
        return;
    lastProblem_ = what;
    NSLog("%@", line);
}

UserDefaults::DiskRead UserDefaults::readDisk(bool locked)
{
    const PrivateFiles::ReadResult read = PrivateFiles::readRegularFile(path_);
    if (read.status == PrivateFiles::ReadResult::Missing)
        return {QMap<QString, QVariant>{}, false};
    if (read.status == PrivateFiles::ReadResult::Failed) {
        logOnce(QStringLiteral("unreadable ") + read.error,
                QStringLiteral("UserDefaults: %1 could not be read (%2); left where it is, and nothing is saved over it")
                    .arg(path_, read.error));
        return {std::nullopt, false, true};
    }
    if (read.status != PrivateFiles::ReadResult::Ok) {
        // Something that is not our document (a FIFO, a folder, a device, a huge
        // file) goes aside whole, so that neither this start nor the next write touches it.
        const QString aside = locked ? PrivateFiles::setAside(path_) : QString();
        if (!aside.isEmpty())
            NSLog("UserDefaults: %@ could not be read (%@); moved it aside as %@ and started afresh", path_,
                  read.error, aside);
        else
            logOnce(QStringLiteral("unreadable ") + read.error,
                    QStringLiteral("UserDefaults: %1 could not be read (%2)").arg(path_, read.error));
        return {std::nullopt, true};
    }
    if (auto parsed = parse(read.bytes))
        return {std::move(parsed), false};
    // Invalid UTF-8 inside a value makes the JSON reader refuse the whole document; read it
    // with the bad bytes replaced instead, so that nothing else is lost.
    auto repaired = parse(QString::fromUtf8(read.bytes).toUtf8());
    // Keep what the user had: the damaged document goes aside, unchanged, before the first
    // write can replace it. Once is enough for the same bytes, read again at synchronize.
    const QByteArray digest = QCryptographicHash::hash(read.bytes, QCryptographicHash::Sha256);
    if (digest == damagedKept_)
        return {std::move(repaired), true};
    const QString aside = path_ + QStringLiteral(".damaged-")
                          + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const bool kept = locked && PrivateFiles::writeNewFile(aside, read.bytes);
    if (kept)
        damagedKept_ = digest;
    if (repaired)
        NSLog("UserDefaults: %@ holds text that is not valid UTF-8; read it with the bad bytes replaced, original kept as %@",
              path_, kept ? aside : QStringLiteral("(not copied)"));
    else if (kept)
        NSLog("UserDefaults: %@ could not be read as a settings document; kept it as %@ and started afresh", path_, aside);
    else
        NSLog("UserDefaults: %@ could not be read as a settings document and could not be copied aside", path_);
    return {std::move(repaired), true};
}

void UserDefaults::ensureLoaded()
{
    if (loaded_)
        return;
    loaded_ = true;
    pending_.clear();
    StoreLock lock(lockPath());
    values_ = readDisk(lock.locked()).values.value_or(QMap<QString, QVariant>{});
}

void UserDefaults::reload()
{
    loaded_ = false;
    ensureLoaded();
}

QVariant UserDefaults::objectForKey(const QString& key)
{
    ensureLoaded();
    return values_.value(key);
}

std::optional<QString> UserDefaults::stringForKey(const QString& key)
{
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    return std::nullopt;
}

std::optional<QStringList> UserDefaults::stringArrayForKey(const QString& key)
{
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList();
    return std::nullopt;
}

qint64 UserDefaults::integerForKey(const QString& key)
{
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::LongLong)
        return v.toLongLong();
    return 0;
}

void UserDefaults::setObject(const QVariant& value, const QString& key)
{
    ensureLoaded();
    const QVariant v = normalized(value);
    if (!v.isValid()) {
        removeObjectForKey(key);
        return;
    }
    values_.insert(key, v);
    pending_.insert(key, v);
}

void UserDefaults::setInteger(qint64 value, const QString& key)
{
    setObject(QVariant::fromValue(value), key);
}

void UserDefaults::removeObjectForKey(const QString& key)
{
    ensureLoaded();
    values_.remove(key);
    pending_.insert(key, std::nullopt);
}

bool UserDefaults::synchronize()
{
    ensureLoaded();
    StoreLock lock(lockPath());
    if (!lock.locked()) {
        logOnce(QStringLiteral("lock"),
                lock.error() == QLockFile::LockFailedError
                    ? QStringLiteral("UserDefaults: %1 is locked by another process; the changes wait for the next synchronize")
                          .arg(path_)
                    : QStringLiteral("UserDefaults: cannot lock %1; the changes wait for the next synchronize").arg(path_));
        return false;
    }
    // What another process wrote meanwhile is the base; when the document on disk cannot be
    // read, what this process last saw of it is.
    DiskRead disk = readDisk(true);
    if (disk.unreadable)
        return false;
    QMap<QString, QVariant> merged = disk.values ? *std::move(disk.values) : values_;
    // A damaged document is replaced even without changes, so it is not kept aside again.
    if (pending_.isEmpty() && !disk.damaged) {
        values_ = std::move(merged);
        return true;
    }
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        if (it.value())
            merged.insert(it.key(), *it.value());
        else
            merged.remove(it.key());
    }
    QString error;
    if (!PrivateFiles::writeAtomically(path_, serialize(merged), &error)) {
        logOnce(QStringLiteral("write ") + error, QStringLiteral("UserDefaults: cannot write %1: %2").arg(path_, error));
        return false;
    }
    values_ = std::move(merged);
    pending_.clear();
    lastProblem_.clear();
    return true;
}
