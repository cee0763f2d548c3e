#pragma once
// How far a fix can be trusted, as the report screen shows it and asks about it before
// sending: its horizontal accuracy and its age.

#include "platform/location/Location.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace FixQuality {

// Worse than this is a Wi-Fi or network guess rather than a satellite fix.
inline constexpr double kCoarseMetres = 1000.0;
// Older than this, the user may well have moved on.
inline constexpr qint64 kStaleSeconds = 5 * 60;
// The age is shown from this on; younger fixes are current.
inline constexpr qint64 kShowAgeSeconds = 60;

// The accuracy in metres, when the source gave a usable one.
std::optional<double> accuracy(const Location& location);
// Whole seconds since the fix; never negative (a clock set back reads as a fresh fix).
qint64 ageSeconds(const Location& location, const QDateTime& now);

bool isCoarse(const Location& location);
bool isStale(const Location& location, const QDateTime& now);

// "±8 m", "±3.2 km", or the text for an unknown accuracy.
QString accuracyText(const Location& location);
// "2 min ago", "3 h ago"; empty while the fix is younger than a minute.
QString ageText(const Location& location, const QDateTime& now);
// The line beside the coordinates: the accuracy, then the age where it is shown.
QString line(const Location& location, const QDateTime& now);
// What sending must ask about, naming the accuracy or the age; empty when nothing.
QString sendWarning(const Location& location, const QDateTime& now);

} // namespace FixQuality
