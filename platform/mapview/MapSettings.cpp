#include "platform/mapview/MapSettings.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/mapview/TileSource.h"

#include <QStandardPaths>

// QUORVEL_VERSION is the project version, set by the build for this file.

QString MapSettings::deviceSettingsPath()
{
    return DeviceSettings::path();
}

MapSettings MapSettings::fromDeviceSettings()
{
    return fromFile(deviceSettingsPath());
}

MapSettings MapSettings::fromFile(const QString& path)
{
    MapSettings s;
    s.cacheDirectory = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                       + QStringLiteral("/quorvel/tiles");
    const QString group = QStringLiteral("map");
    auto text = [&](const char* key, const QString& fallback = {}) {
        return DeviceSettings::valueIn(path, group, QLatin1String(key), fallback).trimmed();
    };
    // Files may be given relative to the settings file, or from the home folder.
    auto file = [&](const char* key) { return DeviceSettings::filePathIn(path, group, QLatin1String(key)); };
    s.standardUrl = text("standard-url", s.standardUrl);
    s.standardMBTiles = file("standard-mbtiles");
    s.satelliteUrl = text("satellite-url");
    s.satelliteAttribution = text("satellite-attribution");
    s.satelliteMBTiles = file("satellite-mbtiles");
    s.userAgentContact = text("user-agent-contact");
    return s;
}

QByteArray MapSettings::userAgent() const
{
    // Tile servers want to know the application and how to reach whoever runs it.
    QString contact = userAgentContact;
    contact.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QLatin1Char(')'));
    if (contact.isEmpty())
        contact = QString::fromLatin1(kProductPage);
    return QStringLiteral("Quorvel/%1 (+%2)").arg(QLatin1String(QUORVEL_VERSION), contact).toUtf8();
}

QString MapSettings::attribution(MapType type) const
{
    if (type == MapType::Standard)
        return QString::fromUtf8(kStandardAttribution);
    return satelliteAttribution;
}

std::unique_ptr<TileSource> MapSettings::makeTileSource(MapType type) const
{
    const bool standard = type == MapType::Standard;
    auto chain = std::make_unique<TileSourceChain>();
    const QString mbtiles = standard ? standardMBTiles : satelliteMBTiles;
    if (!mbtiles.isEmpty())
        chain->append(std::make_unique<MBTilesTileSource>(mbtiles));
    const QString url = standard ? standardUrl : satelliteUrl;
    if (!url.isEmpty()) {
        HttpTileSource::Options o;
        o.urlTemplate = url;
        o.attribution = attribution(type);
        o.userAgent = userAgent();
        o.cacheDirectory = cacheDirectory.isEmpty() ? QString()
                                                    : cacheDirectory + (standard ? QStringLiteral("/standard")
                                                                                 : QStringLiteral("/satellite"));
        chain->append(std::make_unique<HttpTileSource>(o));
    }
    return chain;
}
