#pragma once
// The phone's own settings (accounts, senders, contacts folder): the INI file
// quorvel/device.ini in the per-user config location, edited by the user.

#include <QString>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <utility>

namespace DeviceSettings {

// GenericConfigLocation + "/quorvel/device.ini".
QString path();

// The value of "group/key": an override set in this process, else the file's, else
// `fallback`. The file is parsed again whenever it changed on disk, so that an edit takes
// effect without a restart.
QString value(const QString& group, const QString& key, const QString& fallback = {});

// A list value ("a, b, \"c, with comma\""), each item trimmed, the empty ones left out.
QStringList listValue(const QString& group, const QString& key);

// Makes value() answer `value` for "group/key" in this process only, whatever the file says
// (a command-line choice such as the demo position); the file is never written. A null
// `value` removes the override.
void setOverride(const QString& group, const QString& key, const QString& value);

// The same from a settings file of this shape elsewhere.
QString valueIn(const QString& file, const QString& group, const QString& key, const QString& fallback = {});

// `path` with a leading "~/" (or a lone "~") standing for the home folder, as a shell reads it;
// anything else unchanged ("~user/" is not expanded).
QString expandHome(const QString& path);

// The file that "group/key" in `file` names, trimmed: "~/" stands for the home folder and a
// relative name is taken from the folder of `file`. Empty when the key is absent or empty.
QString filePathIn(const QString& file, const QString& group, const QString& key);

// Writes one value, creating the file readable and writable by its owner only, since it may
// hold an account's password.
bool setValue(const QString& group, const QString& key, const QVariant& value);

// Writes several "group/key" values at once, the same way; an invalid QVariant removes its
// key. Keys not named are kept as they stand.
bool setValues(const QList<std::pair<QString, QVariant>>& values);

} // namespace DeviceSettings
