#pragma once
// Reverse geocoding: a position in, address records out. The completion always comes
// later on the main thread, never inside the request.

#include "platform/location/Location.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

struct Placemark {
    std::optional<QString> name;
    std::optional<QString> subLocality;
    std::optional<QString> locality;
    std::optional<QString> administrativeArea;
    std::optional<QString> country;
    std::optional<QString> isoCountryCode;
};

struct GeocodeError {
    QString debugDescription;
};

class Geocoder : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(const QList<Placemark>& placemarks, const std::optional<GeocodeError>& error)>;
    using QObject::QObject;
    ~Geocoder() override = default;
    virtual void reverseGeocodeLocation(const Location& location, Completion completion) = 0;
};
