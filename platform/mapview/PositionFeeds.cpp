#include "platform/mapview/PositionFeeds.h"
#include "platform/foundation/Log.h"

#include <algorithm>

LocationManagerUserLocationSource::LocationManagerUserLocationSource(std::unique_ptr<LocationManager> manager,
                                                                     QObject* parent)
    : UserLocationSource(parent)
{
    setManager(std::move(manager));
}

void LocationManagerUserLocationSource::setManager(std::unique_ptr<LocationManager> manager)
{
    const bool following = manager_ && manager_->isUpdating();
    if (manager_)
        manager_->stopUpdatingLocation();
    manager_ = std::move(manager);
    if (!manager_)
        return;
    manager_->setDelegate(this);
    manager_->setDesiredAccuracy(kLocationAccuracyBest);
    manager_->setDistanceFilter(10.0);
    if (following)
        manager_->startUpdatingLocation();
}

LocationManagerUserLocationSource::~LocationManagerUserLocationSource() = default;

void LocationManagerUserLocationSource::startUpdatingLocation()
{
    if (manager_)
        manager_->startUpdatingLocation();
}

void LocationManagerUserLocationSource::stopUpdatingLocation()
{
    if (manager_)
        manager_->stopUpdatingLocation();
}

void LocationManagerUserLocationSource::locationManagerDidUpdateToLocation(LocationManager*, const Location& location,
                                                                           const std::optional<Location>&)
{
    emit locationUpdated(location);
}

void LocationManagerUserLocationSource::locationManagerDidFailWithError(LocationManager*, const LocationError& error)
{
    NSLog("map: %@", error.description());
}

QList<NearbyPlace> PlaceIndexNearbyPlaces::placesNear(LocationCoordinate2D center, double radiusMetres, int limit) const
{
    if (!index_ || limit <= 0)
        return {};
    const std::shared_ptr<const PlaceIndex> index = index_->get();
    if (!index || !index->isValid())
        return {};
    // Look at more than asked for, then keep the most notable: a big town before a hamlet.
    QList<PlaceIndex::Hit> hits = index->placesNear(center, radiusMetres, std::max(limit * 4, 32));
    std::stable_sort(hits.begin(), hits.end(), [&index](const PlaceIndex::Hit& a, const PlaceIndex::Hit& b) {
        return index->population(a.place) > index->population(b.place);
    });
    QList<NearbyPlace> out;
    for (const PlaceIndex::Hit& hit : hits) {
        if (out.size() >= limit)
            break;
        out.append({index->name(hit.place), index->coordinate(hit.place)});
    }
    return out;
}
