#pragma once
// Names of places near a point, for the offline map to show where it has no tiles.

#include "platform/location/Location.h"

#include <QList>
#include <QString>

struct NearbyPlace {
    QString name;
    LocationCoordinate2D coordinate;
};

class NearbyPlaces {
public:
    virtual ~NearbyPlaces() = default;
    // At most `limit` places within `radiusMetres` of `center`, the most notable first.
    virtual QList<NearbyPlace> placesNear(LocationCoordinate2D center, double radiusMetres, int limit) const = 0;
};

// Knows no places: the offline map then shows its grid, the pins and the user only.
class NoNearbyPlaces : public NearbyPlaces {
public:
    QList<NearbyPlace> placesNear(LocationCoordinate2D, double, int) const override { return {}; }
};
