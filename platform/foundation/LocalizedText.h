#pragma once
// Texts of the string table, looked up by key at the moment of use. A key the table
// lacks yields the key itself.

#include <QString>

QString localizedText(const char* key);

namespace StringTable {
// Loads the table for `language` ("en", "cs", ...) from the application's resources,
// replacing the one loaded before; an empty language unloads it. Returns false when
// there is no table for that language.
bool load(const QString& language);
// The language of the user's locale when a table exists for it, else English.
QString preferredLanguage();
} // namespace StringTable
