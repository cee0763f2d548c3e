#include "platform/geocoding/OfflineGeocoder.h"

#include <QLocale>
#include <QMetaObject>

OfflineGeocoder::OfflineGeocoder(std::shared_ptr<const PlaceIndex> index, QObject* parent)
    : OfflineGeocoder(std::make_shared<const LazyPlaceIndex>(std::move(index)), parent)
{
}

OfflineGeocoder::OfflineGeocoder(std::shared_ptr<const LazyPlaceIndex> index, QObject* parent)
    : Geocoder(parent), index_(std::move(index))
{
}

std::unique_ptr<Geocoder> makeOfflineGeocoder(std::shared_ptr<const PlaceIndex> index)
{
    return std::make_unique<OfflineGeocoder>(std::move(index));
}

std::unique_ptr<Geocoder> makeOfflineGeocoder(std::shared_ptr<const LazyPlaceIndex> index)
{
    return std::make_unique<OfflineGeocoder>(std::move(index));
}

Placemark OfflineGeocoder::placemarkAt(const PlaceIndex& index, LocationCoordinate2D at)
{
    Placemark mark;
    // Nothing farther than these matters to the rules below; the bounds keep the searches short.
    const auto section = index.nearestSection(at, placeRadiusMetres);
    const auto other = index.nearestNonSection(at, localityRadiusMetres);

    std::optional<quint32> named;
    if (section && section->metres <= sectionRadiusMetres) {
        named = section->place;
    } else {
        const auto& nearest = (section && (!other || section->metres < other->metres)) ? section : other;
        if (nearest && nearest->metres <= placeRadiusMetres)
            named = nearest->place;
    }
    if (named)
        mark.subLocality = index.name(*named);
    if (other && other->metres <= localityRadiusMetres) {
        mark.locality = index.name(other->place);
        if (!named)
            named = other->place;
    }
    if (named) {
        mark.name = index.name(*named);
        const QString code = index.countryCode(*named);
        if (!code.isEmpty()) {
            mark.isoCountryCode = code;
            const QLocale::Territory territory = QLocale::codeToTerritory(code);
            if (territory != QLocale::AnyTerritory)
                mark.country = QLocale::territoryToString(territory);
        }
    }
    return mark;
}

void OfflineGeocoder::reverseGeocodeLocation(const Location& location, Completion completion)
{
    QList<Placemark> placemarks;
    std::optional<GeocodeError> error;
    const std::shared_ptr<const PlaceIndex> index = index_ ? index_->get() : nullptr;
    if (!index || !index->isValid()) {
        error = GeocodeError{index ? index->errorString() : QStringLiteral("Place index: none given")};
    } else if (!PlaceIndex::isOnEarth(location.coordinate)) {
        error = GeocodeError{QStringLiteral("Cannot look up %1: not a position on Earth").arg(location.description())};
    } else {
        placemarks.append(placemarkAt(*index, location.coordinate));
    }
    // Queued to this object, which lives on the main thread: never inside the request,
    // and in request order.
    QMetaObject::invokeMethod(
        this,
        [completion = std::move(completion), placemarks = std::move(placemarks), error = std::move(error)]() {
            if (completion)
                completion(placemarks, error);
        },
        Qt::QueuedConnection);
}
