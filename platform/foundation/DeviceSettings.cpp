#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PrivateFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSettings>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>

namespace DeviceSettings {

namespace {
QHash<QString, QString>& overrides()
{
    static QHash<QString, QString> map;
    return map;
}
} // namespace

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/quorvel/device.ini");
}

QString value(const QString& group, const QString& key, const QString& fallback)
{
    const auto it = overrides().constFind(group + QLatin1Char('/') + key);
    if (it != overrides().constEnd())
        return *it;
    return valueIn(path(), group, key, fallback);
}

namespace {

// The INI reader opens whatever stands at the path and reads it whole: a FIFO would hold the
// start for ever and a device or a huge file would fill memory. Only a regular file of a
// settings file's size is handed to it; anything else goes aside, once. The stamp of the
// file as it stands, or nothing when it is not to be read.
std::optional<PrivateFiles::ReadResult::Stamp> readable(const QString& file)
{
    const PrivateFiles::ReadResult checked = PrivateFiles::inspectFile(file, PrivateFiles::kSettingsFileLimit);
    switch (checked.status) {
    case PrivateFiles::ReadResult::Ok: break;
    case PrivateFiles::ReadResult::Missing: return std::nullopt;
    case PrivateFiles::ReadResult::Failed: {
        static QSet<QString> logged;
        if (!logged.contains(file)) {
            logged.insert(file);
            NSLog("DeviceSettings: cannot read %@: %@", file, checked.error);
        }
        return std::nullopt;
    }
    case PrivateFiles::ReadResult::NotRegular:
    case PrivateFiles::ReadResult::TooLarge: {
        const QString aside = PrivateFiles::setAside(file);
        NSLog("DeviceSettings: %@ is not a settings file (%@); %@", file, checked.error,
              aside.isEmpty() ? QStringLiteral("ignored it") : QStringLiteral("moved it aside as ") + aside);
        return std::nullopt;
    }
    }
    // The file may hold the mail password; say so once if others can read it.
    if (checked.mode & 0044) {
        static QSet<QString> warned;
        if (!warned.contains(file)) {
            warned.insert(file);
            QSettings settings(file, QSettings::IniFormat);
            if (!settings.value(QStringLiteral("mail/password")).toString().isEmpty())
                NSLog("DeviceSettings: %@ holds a password and can be read by other users; make it private with chmod 600",
                      file);
        }
    }
    return checked.stamp;
}

// Every "group/key" of a file, parsed once and again only when the file on disk changes, since
// the screens ask for values often (each map redraw, each source started).
struct Parsed {
    PrivateFiles::ReadResult::Stamp stamp;
    QHash<QString, QVariant> values;
    // File times advance in ticks of a few milliseconds: a second edit of the same size within
    // one tick leaves the stamp as it was. A file changed that recently is read again.
    bool settled = false;
    QByteArray bytes; // what was parsed, while not settled
};

constexpr qint64 kSettledNs = 2'000'000'000;

QMutex& parsedMutex()
{
    static QMutex mutex;
    return mutex;
}

QHash<QString, Parsed>& parsedFiles()
{
    static QHash<QString, Parsed> files;
    return files;
}

// The file's values, or nothing when there is no file to read.
std::optional<QHash<QString, QVariant>> contents(const QString& file)
{
    QMutexLocker lock(&parsedMutex());
    const std::optional<PrivateFiles::ReadResult::Stamp> stamp = readable(file);
    if (!stamp) {
        parsedFiles().remove(file);
        return std::nullopt;
    }
    const auto it = parsedFiles().constFind(file);
    if (it != parsedFiles().constEnd() && it->settled && it->stamp == *stamp)
        return it->values;
    const qint64 nowNs = QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    Parsed parsed{*stamp, {}, nowNs - std::max(stamp->modifiedNs, stamp->changedNs) > kSettledNs, {}};
    QString readFrom = file;
    std::optional<QTemporaryDir> fresh;
    if (!parsed.settled) {
        // Within one tick the stamp cannot tell two versions apart; the bytes can.
        const PrivateFiles::ReadResult read = PrivateFiles::readRegularFile(file);
        if (read.status == PrivateFiles::ReadResult::Ok) {
            if (it != parsedFiles().constEnd() && it->stamp == *stamp && it->bytes == read.bytes)
                return it->values;
            parsed.bytes = read.bytes;
        }
        // Qt keeps what it parsed per file name too, and parses again only when the size or
        // the time in milliseconds changed: a changed file is read under a name of its own, a
        // link in a private folder of ours.
        fresh.emplace();
        if (fresh->isValid()
            && QFile::link(QFileInfo(file).absoluteFilePath(), fresh->filePath(QStringLiteral("device.ini"))))
            readFrom = fresh->filePath(QStringLiteral("device.ini"));
    }
    const QSettings settings(readFrom, QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
        parsed.values.insert(key, settings.value(key));
    parsedFiles().insert(file, parsed);
    return parsed.values;
}

void forget(const QString& file)
{
    QMutexLocker lock(&parsedMutex());
    parsedFiles().remove(file);
}

} // namespace

void setOverride(const QString& group, const QString& key, const QString& value)
{
    const QString name = group + QLatin1Char('/') + key;
    if (value.isNull())
        overrides().remove(name);
    else
        overrides().insert(name, value);
}

QString valueIn(const QString& file, const QString& group, const QString& key, const QString& fallback)
{
    const std::optional<QHash<QString, QVariant>> values = contents(file);
    const QVariant v = values ? values->value(group + QLatin1Char('/') + key) : QVariant();
    if (!v.isValid())
        return fallback;
    // An unquoted value with commas reads back as a list; the keys here are all plain
    // strings (a path or a URL may hold commas).
    if (v.userType() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

QStringList listValue(const QString& group, const QString& key)
{
    QStringList items;
    const auto it = overrides().constFind(group + QLatin1Char('/') + key);
    if (it != overrides().constEnd()) {
        items = it->split(QLatin1Char(','));
    } else if (const std::optional<QHash<QString, QVariant>> values = contents(path())) {
        // The INI reader splits at unquoted commas; a single item comes back as a string.
        const QVariant v = values->value(group + QLatin1Char('/') + key);
        items = v.userType() == QMetaType::QStringList ? v.toStringList() : QStringList{v.toString()};
    }
    QStringList out;
    for (const QString& item : std::as_const(items))
        if (const QString t = item.trimmed(); !t.isEmpty())
            out.append(t);
    return out;
}

QString filePathIn(const QString& file, const QString& group, const QString& key)
{
    const QString v = valueIn(file, group, key).trimmed();
    if (v.isEmpty())
        return v;
    return QDir::cleanPath(QFileInfo(file).absoluteDir().absoluteFilePath(expandHome(v)));
}

QString expandHome(const QString& path)
{
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}

bool setValue(const QString& group, const QString& key, const QVariant& v)
{
    return setValues({{group + QLatin1Char('/') + key, v}});
}

bool setValues(const QList<std::pair<QString, QVariant>>& values)
{
    const QString file = path();
    if (!contents(file) && !QFileInfo::exists(file) && !PrivateFiles::writeNewFile(file, {}))
        return false;
    // Tightened on every write too, in case the user created the file with a looser mode.
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QSettings settings(file, QSettings::IniFormat);
    for (const auto& [key, value] : values) {
        if (value.isValid())
            settings.setValue(key, value);
        else
            settings.remove(key);
    }
    settings.sync();
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    forget(file);
    return settings.status() == QSettings::NoError;
}

} // namespace DeviceSettings
