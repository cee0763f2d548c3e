#pragma once
// Latitude and longitude as the display strings of three formats: degrees and decimal
// minutes (code 0, "Geocaching"), degrees-minutes-seconds (code 1, "WGS84") and signed
// decimal degrees (any other code, "RAW").

#include <QString>
#include <QStringList>

class GPSUtils {
public:
    GPSUtils() = delete;

    static QString formatToDegMinWithCoord(double coord);
    static QString formatToDegMinSecWithCoord(double coord);
    // Each returns {latitude string, longitude string}.
    static QStringList formatToGeocachingWithLatitude(double latitude, double longitude);
    static QStringList formatToWGS84WithLatitude(double latitude, double longitude);
    static QStringList formatToRawWithLatitude(double latitude, double longitude);
    static QStringList format(int code, double latitude, double longitude);
};
