#pragma once
// The platform services the report screen makes for itself. The application passes the
// real ones; tests pass fakes.

#include <functional>
#include <memory>

class Geocoder;
class LocationManager;

struct ReportServices {
    // Position tracking.
    std::function<std::unique_ptr<LocationManager>()> makeLocationManager;
    std::function<std::unique_ptr<Geocoder>()> makeGeocoder;

    // Sending and contacts.
};
