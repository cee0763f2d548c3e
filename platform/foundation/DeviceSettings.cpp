#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QSet>
#include <QStandardPaths>

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
// settings file's size is handed to it; anything else goes aside, once.
bool readable(const QString& file)
{
    const PrivateFiles::ReadResult checked = PrivateFiles::inspectFile(file, PrivateFiles::kSettingsFileLimit);
    switch (checked.status) {
    case PrivateFiles::ReadResult::Ok: break;
    case PrivateFiles::ReadResult::Missing: return false;
    case PrivateFiles::ReadResult::Failed: {
        static QSet<QString> logged;
        if (!logged.contains(file)) {
            logged.insert(file);
            NSLog("DeviceSettings: cannot read %@: %@", file, checked.error);
        }
        return false;
    }
    case PrivateFiles::ReadResult::NotRegular:
    case PrivateFiles::ReadResult::TooLarge: {
        const QString aside = PrivateFiles::setAside(file);
        NSLog("DeviceSettings: %@ is not a settings file (%@); %@", file, checked.error,
              aside.isEmpty() ? QStringLiteral("ignored it") : QStringLiteral("moved it aside as ") + aside);
        return false;
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
    return true;
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
    if (!readable(file))
        return fallback;
    QSettings settings(file, QSettings::IniFormat);
    const QVariant v = settings.value(group + QLatin1Char('/') + key);
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
    } else if (readable(path())) {
        // The INI reader splits at unquoted commas; a single item comes back as a string.
        const QVariant v = QSettings(path(), QSettings::IniFormat).value(group + QLatin1Char('/') + key);
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
    QString v = valueIn(file, group, key).trimmed();
    if (v.isEmpty())
        return v;
    if (v.startsWith(QLatin1String("~/")))
        v = QDir::homePath() + v.mid(1);
    return QDir::cleanPath(QFileInfo(file).absoluteDir().absoluteFilePath(v));
}

bool setValue(const QString& group, const QString& key, const QVariant& v)
{
    return setValues({{group + QLatin1Char('/') + key, v}});
}

bool setValues(const QList<std::pair<QString, QVariant>>& values)
{
    const QString file = path();
    if (!readable(file) && !QFileInfo::exists(file) && !PrivateFiles::writeNewFile(file, {}))
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
    return settings.status() == QSettings::NoError;
}

} // namespace DeviceSettings
