#pragma once
// The reverse geocoder over the offline place index. An answer is worked out at the
// request and delivered later, queued to the main thread, in the order of the requests.
// Answers still queued when the geocoder is destroyed are dropped without being run.

#include "platform/geocoding/Geocoder.h"
#include "platform/geocoding/PlaceIndex.h"

#include <memory>

class OfflineGeocoder : public Geocoder {
    Q_OBJECT
public:
    // The index is shared: open it once (PlaceIndex::openDefault()) and hand it to every
    // geocoder. An index that is not valid makes every answer an error naming its cause.
    explicit OfflineGeocoder(std::shared_ptr<const PlaceIndex> index, QObject* parent = nullptr);
    // Over an index opened at the first request.
    explicit OfflineGeocoder(std::shared_ptr<const LazyPlaceIndex> index, QObject* parent = nullptr);

    void reverseGeocodeLocation(const Location& location, Completion completion) override;

    // The record for one position, at once (the rules, without the queue):
    // - subLocality: the nearest section of a populated place (PPLX) within 3 km, else
    //   the nearest populated place of any kind within 10 km, else absent;
    // - locality: the nearest place that is not a section, within 30 km;
    // - name: the subLocality, else the locality;
    // - isoCountryCode and country: of the place that gives the name (the country's
    //   English name); absent with it.
    // administrativeArea stays absent: the data holds only admin1 codes, not names.
    static Placemark placemarkAt(const PlaceIndex& index, LocationCoordinate2D at);

    static constexpr double sectionRadiusMetres = 3000;
    static constexpr double placeRadiusMetres = 10000;
    static constexpr double localityRadiusMetres = 30000;

private:
    std::shared_ptr<const LazyPlaceIndex> index_;
};

// The geocoder the application uses, over a shared index.
std::unique_ptr<Geocoder> makeOfflineGeocoder(std::shared_ptr<const PlaceIndex> index);
std::unique_ptr<Geocoder> makeOfflineGeocoder(std::shared_ptr<const LazyPlaceIndex> index);
