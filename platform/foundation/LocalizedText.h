#pragma once
// Texts of the string table, looked up by key at the moment of use. A key the table
// lacks yields the key itself.

#include <QLocale>
#include <QProcessEnvironment>
#include <QString>

QString localizedText(const char* key);

namespace StringTable {
// Loads the table for `language` ("en", "cs", ...) from the application's resources,
// replacing the one loaded before; an empty language unloads it. Returns false when
// there is no table for that language.
bool load(const QString& language);
// The language the user's desktop asks for (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) when a
// table exists for it or for its language without the region (de_AT reads "de"), else "en".
QString preferredLanguage(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
// Loads Qt's own texts (the text fields' menus, the standard buttons, the command line's
// help) for `locale` from Qt's translations folder, replacing those loaded before. Returns
// false when Qt has none for that language (English needs none).
bool loadQtTexts(const QLocale& locale);
} // namespace StringTable
