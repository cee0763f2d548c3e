#pragma once
// The five keys the application keeps in the settings store, and the values of "last".

#include <QString>

namespace SettingsKeys {
inline const QString TemplatesArray = QStringLiteral("TemplatesArray");
inline const QString SelectedTemplate = QStringLiteral("selectedTemplate");
inline const QString Last = QStringLiteral("last");
inline const QString LastUsedMessage = QStringLiteral("lastUsedMessage");
inline const QString SelectedGPSFormat = QStringLiteral("selectedGPSFormat");
} // namespace SettingsKeys

// What "last" asks of the report screen at its next appearance.
namespace MessageSource {
inline const QString Last = QStringLiteral("last");
inline const QString Selected = QStringLiteral("selected");
inline const QString Current = QStringLiteral("current");
} // namespace MessageSource

// The flags handed between the template screens.
namespace Flag {
inline const QString Yes = QStringLiteral("YES");
inline const QString No = QStringLiteral("NO");
} // namespace Flag
