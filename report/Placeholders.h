#pragma once
// The placeholders of a message: "[...]" for the coordinates, "{...}" for the locality and
// "<...>" for a link to the position, each the shortest run up to the next closing
// delimiter on the same line.

#include <QRegularExpression>
#include <QString>

namespace Placeholders {

const QRegularExpression& coordinates();
const QRegularExpression& locality();
const QRegularExpression& link();

// Replaces every match of `pattern` (whose matches start with `open`), left to right and
// without overlap, with `replacement` taken literally. Linear in the length of `text`.
QString replaceAll(const QString& text, const QRegularExpression& pattern, QChar open, const QString& replacement);

QString fillCoordinates(const QString& text, const QString& latitude, const QString& longitude);
QString fillLocality(const QString& text, const QString& locality);
QString fillLink(const QString& text, const QString& address);
// Every kind emptied to "[]", "{}" and "<>".
QString empty(const QString& text);
// The text without any "[", "]", "{" or "}", and without the delimiters of the link
// placeholders that are empty or hold `filledLink`.
QString removeMarkers(const QString& text, const QString& filledLink = {});

} // namespace Placeholders
