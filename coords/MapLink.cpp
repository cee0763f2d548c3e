#include "coords/MapLink.h"
#include "platform/foundation/DeviceSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace MapLink {

namespace {

const QString kGroup = QStringLiteral("message");
const QString kKey = QStringLiteral("link");

// Longitude in [-180, 180).
double wrapLongitude(double longitude)
{
    double wrapped = std::fmod(longitude + 180.0, 360.0);
    if (wrapped < 0)
        wrapped += 360.0;
    return wrapped - 180.0;
}

// Fixed decimals in the C locale; a value that rounds to zero loses its minus sign.
QString decimal(double value, int decimals)
{
    const QString text = QString::number(value, 'f', decimals);
    return text.toDouble() == 0 ? QString::number(0.0, 'f', decimals) : text;
}

} // namespace

QString name(Kind kind)
{
    switch (kind) {
    case Kind::Geo:
        return QStringLiteral("geo");
    case Kind::PlusCode:
        return QStringLiteral("pluscode");
    case Kind::OpenStreetMap:
        break;
    }
    return QStringLiteral("osm");
}

Kind fromName(const QString& text)
{
    const QString n = text.trimmed().toLower();
    if (n == name(Kind::Geo))
        return Kind::Geo;
    if (n == name(Kind::PlusCode))
        return Kind::PlusCode;
    return Kind::OpenStreetMap;
}

Kind chosen()
{
    return fromName(DeviceSettings::value(kGroup, kKey));
}

bool choose(Kind kind)
{
    return DeviceSettings::setValue(kGroup, kKey, name(kind));
}

QString plusCode(double latitude, double longitude)
{
    // Whole multiples of the finest grid step, rounded once, so that a position exactly on
    // a cell's edge is not pushed into the cell below by a binary fraction.
    constexpr std::int64_t latSteps = 8000 * 3125; // per degree
    constexpr std::int64_t lngSteps = 8000 * 1024;
    constexpr std::int64_t latCells = 3125; // finest steps in a 10-digit cell
    constexpr std::int64_t lngCells = 1024;
    static const char alphabet[] = "23456789CFGHJMPQRVWX";

    std::int64_t lat = std::llround(std::clamp(latitude, -90.0, 90.0) * latSteps) + 90 * latSteps;
    // The north pole belongs to the top row of cells.
    lat = std::min(lat, 180 * latSteps - 1);
    std::int64_t lng = std::llround(wrapLongitude(longitude) * lngSteps) + 180 * lngSteps;
    lng %= 360 * lngSteps; // rounding may reach 180, which is -180
    lat /= latCells;
    lng /= lngCells;

    char digits[10];
    for (int pair = 4; pair >= 0; --pair) {
        digits[pair * 2] = alphabet[lat % 20];
        digits[pair * 2 + 1] = alphabet[lng % 20];
        lat /= 20;
        lng /= 20;
    }
    QString code = QString::fromLatin1(digits, 8);
    code += u'+';
    code += QLatin1String(digits + 8, 2);
    return code;
}

QString make(Kind kind, double latitude, double longitude, double accuracy)
{
    if (!std::isfinite(latitude) || !std::isfinite(longitude))
        return {};
    latitude = std::clamp(latitude, -90.0, 90.0);
    longitude = wrapLongitude(longitude);
    switch (kind) {
    case Kind::PlusCode:
        return plusCode(latitude, longitude);
    case Kind::Geo: {
        // RFC 5870: the longitude of a pole is 0.
        if (std::abs(latitude) == 90.0)
            longitude = 0;
        QString uri = QStringLiteral("geo:") + decimal(latitude, 6) + u',' + decimal(longitude, 6);
        // Whole metres, rounded up, so the circle never claims more than the source.
        if (std::isfinite(accuracy) && accuracy >= 0)
            uri += QStringLiteral(";u=") + QString::number(std::ceil(accuracy), 'f', 0);
        return uri;
    }
    case Kind::OpenStreetMap:
        break;
    }
    const QString lat = decimal(latitude, 5);
    const QString lon = decimal(longitude, 5);
    return QStringLiteral("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=17/%1/%2").arg(lat, lon);
}

} // namespace MapLink
