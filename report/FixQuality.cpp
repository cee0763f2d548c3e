#include "report/FixQuality.h"
#include "platform/foundation/LocalizedText.h"

#include <cmath>

namespace FixQuality {

namespace {

QString withNumber(const char* key, const QString& number)
{
    const QString text = localizedText(key);
    return text.contains(QLatin1String("%1")) ? text.arg(number) : text;
}

} // namespace

std::optional<double> accuracy(const Location& location)
{
    const double h = location.horizontalAccuracy;
    if (!std::isfinite(h) || h < 0)
        return std::nullopt;
    return h;
}

qint64 ageSeconds(const Location& location, const QDateTime& now)
{
    if (!location.timestamp.isValid())
        return 0;
    return std::max<qint64>(0, location.timestamp.secsTo(now));
}

bool isCoarse(const Location& location)
{
    const std::optional<double> h = accuracy(location);
    return h && *h > kCoarseMetres;
}

bool isStale(const Location& location, const QDateTime& now)
{
    return ageSeconds(location, now) > kStaleSeconds;
}

QString accuracyText(const Location& location)
{
    const std::optional<double> h = accuracy(location);
    if (!h)
        return localizedText("AccuracyUnknown");
    // Rounded up: the circle shown never claims more than the source does.
    if (*h < 1000.0)
        return withNumber("AccuracyMetres", QString::number(std::max(1.0, std::ceil(*h)), 'f', 0));
    const double km = std::ceil(*h / 100.0) / 10.0;
    return withNumber("AccuracyKilometres", km < 10 ? QString::number(km, 'f', 1) : QString::number(std::ceil(km), 'f', 0));
}

QString ageText(const Location& location, const QDateTime& now)
{
    const qint64 age = ageSeconds(location, now);
    if (age < kShowAgeSeconds)
        return {};
    if (age < 3600)
        return withNumber("FixAgeMinutes", QString::number(age / 60));
    return withNumber("FixAgeHours", QString::number(age / 3600));
}

QString line(const Location& location, const QDateTime& now)
{
    const QString age = ageText(location, now);
    const QString text = accuracyText(location);
    return age.isEmpty() ? text : text + QStringLiteral(" · ") + age;
}

QString sendWarning(const Location& location, const QDateTime& now)
{
    if (isCoarse(location))
        return withNumber("CoarseSendMessage", accuracyText(location));
    if (isStale(location, now))
        return withNumber("StaleSendMessage", ageText(location, now));
    return {};
}

} // namespace FixQuality
