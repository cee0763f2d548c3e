#include "coords/GPSUtils.h"
#include "platform/Format.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// Truncation toward zero into 32 bits; values outside that range saturate rather than
// invoking undefined behaviour.
std::int32_t truncate32(double x)
{
    if (!(x > -2147483649.0))
        return x != x ? 0 : INT32_MIN;
    if (!(x < 2147483648.0))
        return INT32_MAX;
    return static_cast<std::int32_t>(x);
}

int magnitude(std::int32_t v)
{
    return v == INT32_MIN ? INT32_MAX : std::abs(v);
}

QString latitudeLetter(double latitude)
{
    return latitude > 0 ? QStringLiteral("N") : QStringLiteral("S");
}

QString longitudeLetter(double longitude)
{
    return longitude > 0 ? QStringLiteral("E") : QStringLiteral("W");
}

} // namespace

QString GPSUtils::formatToDegMinWithCoord(double coord)
{
    const double t = truncate32(coord);
    const double minutes = std::fabs(coord - t) * 60.0;
    const int degrees = magnitude(truncate32(t));
    return stringWithFormat("%d° %01.3f'", degrees, minutes);
}

QString GPSUtils::formatToDegMinSecWithCoord(double coord)
{
    const double t = truncate32(coord);
    const double f = std::fabs(coord - t);
    const std::int32_t minutes = truncate32(f * 60.0);
    // Seconds come from f × 3600 directly, so that they are not the rounded rest of the minutes.
    // The product is formed in 64 bits, so absurd inputs cannot overflow it.
    const double seconds = f * 3600 - static_cast<double>(60LL * minutes);
    const int degrees = magnitude(truncate32(t));
    return stringWithFormat("%d° %2d' %01.3f\"", degrees, static_cast<int>(minutes), seconds);
}

QStringList GPSUtils::formatToGeocachingWithLatitude(double latitude, double longitude)
{
    return {stringWithFormat("%@ %@", latitudeLetter(latitude), formatToDegMinWithCoord(latitude)),
            stringWithFormat("%@ %@", longitudeLetter(longitude), formatToDegMinWithCoord(longitude))};
}

QStringList GPSUtils::formatToWGS84WithLatitude(double latitude, double longitude)
{
    return {stringWithFormat("%@ %@", latitudeLetter(latitude), formatToDegMinSecWithCoord(latitude)),
            stringWithFormat("%@ %@", longitudeLetter(longitude), formatToDegMinSecWithCoord(longitude))};
}

QStringList GPSUtils::formatToRawWithLatitude(double latitude, double longitude)
{
    return {stringWithFormat("%@ %01.4f", latitudeLetter(latitude), latitude),
            stringWithFormat("%@ %01.4f", longitudeLetter(longitude), longitude)};
}

QStringList GPSUtils::format(int code, double latitude, double longitude)
{
    switch (code) {
    case 0: return formatToGeocachingWithLatitude(latitude, longitude);
    case 1: return formatToWGS84WithLatitude(latitude, longitude);
    default: return formatToRawWithLatitude(latitude, longitude);
    }
}
