#pragma once
// The phone's own settings (accounts, senders, contacts folder): the INI file
// quorvel/device.ini in the per-user config location, edited by the user.

#include <QString>
#include <QVariant>

namespace DeviceSettings {

// GenericConfigLocation + "/quorvel/device.ini".
QString path();

// The value of "group/key" in the file, or `fallback` when absent. Read afresh each time, so
// that an edit takes effect without a restart.
QString value(const QString& group, const QString& key, const QString& fallback = {});

// Writes one value, creating the file readable and writable by its owner only, since it may
// hold an account's password.
bool setValue(const QString& group, const QString& key, const QVariant& value);

} // namespace DeviceSettings
