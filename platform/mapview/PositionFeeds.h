#pragma once
// Glue between platform services: the map's user location from a location manager, and
// the offline map's place names from the place index.

#include "platform/location/LocationManager.h"
#include "platform/geocoding/NearbyPlaces.h"
#include "platform/geocoding/PlaceIndex.h"
#include "platform/location/UserLocationSource.h"

#include <memory>

// Delivers every fix that passes the manager's 10 m filter; failures are the report
// screen's to show, so the map only logs them.
class LocationManagerUserLocationSource : public UserLocationSource, public LocationManagerDelegate {
    Q_OBJECT
public:
    LocationManagerUserLocationSource(std::unique_ptr<LocationManager> manager, QObject* parent = nullptr);
    ~LocationManagerUserLocationSource() override;

    void startUpdatingLocation() override;
    void stopUpdatingLocation() override;
    bool isDemo() const override { return manager_ && manager_->isDemo(); }
    LocationManager* manager() const { return manager_.get(); }
    // Follows `manager` from now on, in place of the one before (which stops); following goes
    // on if it was on.
    void setManager(std::unique_ptr<LocationManager> manager);

    void locationManagerDidUpdateToLocation(LocationManager* manager, const Location& location,
                                            const std::optional<Location>& fromLocation) override;
    void locationManagerDidFailWithError(LocationManager* manager, const LocationError& error) override;

private:
    std::unique_ptr<LocationManager> manager_;
};

// Places of the index near a point, the most populous first.
class PlaceIndexNearbyPlaces : public QObject, public NearbyPlaces {
    Q_OBJECT
public:
    explicit PlaceIndexNearbyPlaces(std::shared_ptr<const PlaceIndex> index, QObject* parent = nullptr)
        : PlaceIndexNearbyPlaces(std::make_shared<const LazyPlaceIndex>(std::move(index)), parent) {}
    // Over an index opened at the first question.
    explicit PlaceIndexNearbyPlaces(std::shared_ptr<const LazyPlaceIndex> index, QObject* parent = nullptr)
        : QObject(parent), index_(std::move(index)) {}
    QList<NearbyPlace> placesNear(LocationCoordinate2D center, double radiusMetres, int limit) const override;

private:
    std::shared_ptr<const LazyPlaceIndex> index_;
};
