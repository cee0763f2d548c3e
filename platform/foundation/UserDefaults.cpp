#include "platform/foundation/UserDefaults.h"
#include "platform/foundation/Log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
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

void UserDefaults::ensureLoaded()
{
    if (loaded_)
        return;
    loaded_ = true;
    values_.clear();
    QFile file(path_);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        NSLog("UserDefaults: cannot read %@: %@", path_, file.errorString());
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (auto parsed = parse(bytes)) {
        values_ = *parsed;
        return;
    }
    // Invalid UTF-8 inside a value makes the JSON reader refuse the whole document; read it
    // with the bad bytes replaced instead, so that nothing else is lost.
    auto repaired = parse(QString::fromUtf8(bytes).toUtf8());
    // Keep what the user had: the damaged document goes aside, unchanged, before the
    // first write can replace it.
    const QString aside = path_ + QStringLiteral(".damaged-")
                          + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const bool kept = QFile::copy(path_, aside);
    if (repaired) {
        values_ = *repaired;
        NSLog("UserDefaults: %@ holds text that is not valid UTF-8; read it with the bad bytes replaced, original kept as %@",
              path_, kept ? aside : QStringLiteral("(not copied)"));
    } else if (kept) {
        NSLog("UserDefaults: %@ could not be read as a settings document; kept it as %@ and started afresh", path_, aside);
    } else {
        NSLog("UserDefaults: %@ could not be read as a settings document and could not be copied aside", path_);
    }
}

void UserDefaults::reload()
{
    loaded_ = false;
    dirty_ = false;
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
    dirty_ = true;
}

void UserDefaults::setInteger(qint64 value, const QString& key)
{
    setObject(QVariant::fromValue(value), key);
}

void UserDefaults::removeObjectForKey(const QString& key)
{
    ensureLoaded();
    if (values_.remove(key) > 0)
        dirty_ = true;
}

bool UserDefaults::synchronize()
{
    ensureLoaded();
    if (!dirty_)
        return true;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // QSaveFile writes a temporary file and renames it over the old one, so a crash
    // leaves either the old or the new document.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        NSLog("UserDefaults: cannot write %@: %@", path_, file.errorString());
        return false;
    }
    file.write(serialize(values_));
    if (!file.commit()) {
        NSLog("UserDefaults: cannot write %@: %@", path_, file.errorString());
        return false;
    }
    dirty_ = false;
    return true;
}
