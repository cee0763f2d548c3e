#include "platform/foundation/DeviceSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace DeviceSettings {

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/quorvel/device.ini");
}

QString value(const QString& group, const QString& key, const QString& fallback)
{
    return valueIn(path(), group, key, fallback);
}

QString valueIn(const QString& file, const QString& group, const QString& key, const QString& fallback)
{
    if (!QFileInfo::exists(file))
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
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!QFileInfo::exists(file)) {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.close();
    }
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
