#pragma once
// The two placeholders of a message: "[...]" for the coordinates and "{...}" for the
// locality, each the shortest run up to the next closing delimiter on the same line.

#include <QRegularExpression>
#include <QString>

namespace Placeholders {

const QRegularExpression& coordinates();
const QRegularExpression& locality();

// Replaces every match of `pattern` (whose matches start with `open`), left to right and
// without overlap, with `replacement` taken literally. Linear in the length of `text`.
QString replaceAll(const QString& text, const QRegularExpression& pattern, QChar open, const QString& replacement);

QString fillCoordinates(const QString& text, const QString& latitude, const QString& longitude);
QString fillLocality(const QString& text, const QString& locality);
// Both kinds emptied to "[]" and "{}".
QString empty(const QString& text);
// The text without any "[", "]", "{" or "}".
QString removeMarkers(const QString& text);

} // namespace Placeholders
