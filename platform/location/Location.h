#pragma once
// A position as the location service delivers it.

#include "platform/foundation/Format.h"

#include <QDateTime>
#include <QString>
#include <algorithm>
#include <cmath>

struct LocationCoordinate2D {
    double latitude = 0;
    double longitude = 0;
};

struct Location {
    LocationCoordinate2D coordinate;
    double altitude = 0;             // metres above mean sea level
    double horizontalAccuracy = -1;  // metres; negative when unknown
    double verticalAccuracy = -1;
    QDateTime timestamp;

    // "<+50.08750000,+14.42130000> +/- 5.00m (speed -1.00 mps / course -1.00) @ <time>"
    QString description() const
    {
        return stringWithFormat("<%+.8f,%+.8f> +/- %.2fm (alt %+.2fm +/- %.2fm) @ %@", coordinate.latitude,
                                coordinate.longitude, horizontalAccuracy, altitude, verticalAccuracy,
                                timestamp.toUTC().toString(Qt::ISODateWithMs));
    }

    // Great-circle distance in metres (haversine on the mean Earth radius).
    double distanceFromLocation(const Location& other) const
    {
        constexpr double R = 6371008.8;
        constexpr double rad = 3.14159265358979323846 / 180.0;
        const double dLat = (other.coordinate.latitude - coordinate.latitude) * rad;
        const double dLon = (other.coordinate.longitude - coordinate.longitude) * rad;
        const double a = std::sin(dLat / 2) * std::sin(dLat / 2)
                         + std::cos(coordinate.latitude * rad) * std::cos(other.coordinate.latitude * rad)
                               * std::sin(dLon / 2) * std::sin(dLon / 2);
        return 2 * R * std::asin(std::min(1.0, std::sqrt(a)));
    }
};
