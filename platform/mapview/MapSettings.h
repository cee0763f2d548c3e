#pragma once
// The map's tile sources as the user set them up in the device settings file
// (quorvel/device.ini in the per-user config location, group [map]):
//
//   standard-url           tile URL template, {z}/{x}/{y}; default the OpenStreetMap server;
//                          empty for none
//   standard-mbtiles       an MBTiles file used before the server
//   satellite-url          tile URL template for the satellite picture (none by default)
//   satellite-attribution  the text the satellite provider asks to be shown
//   satellite-mbtiles      an MBTiles file used before the satellite server
//   user-agent-contact     how the tile server's operators can reach the user (an e-mail
//                          address or a web page), sent in the User-Agent

#include <QString>
#include <memory>

class TileSource;

enum class MapType {
    Standard = 0,
    Satellite = 1,
    Hybrid = 2,
};

struct MapSettings {
    static constexpr const char* kDefaultStandardUrl = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";
    static constexpr const char* kStandardAttribution = "© OpenStreetMap contributors";
    static constexpr const char* kProductPage = "https://quorvel.example.org/";

    QString standardUrl = QString::fromLatin1(kDefaultStandardUrl);
    QString standardMBTiles;
    QString satelliteUrl;
    QString satelliteAttribution;
    QString satelliteMBTiles;
    QString userAgentContact;
    QString cacheDirectory; // the disk cache of HTTP tiles

    // The device settings file's path.
    static QString deviceSettingsPath();
    // Reads [map] from the device settings file; defaults where it is absent.
    static MapSettings fromDeviceSettings();
    static MapSettings fromFile(const QString& path);

    QByteArray userAgent() const;
    // The attribution the map shows for `type` whatever its tiles come from.
    QString attribution(MapType type) const;
    // The tiles for `type`: the MBTiles file first, then the server.
    std::unique_ptr<TileSource> makeTileSource(MapType type) const;
};
