#include "platform/mapview/MapGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;
} // namespace

CoordinateRegion MKCoordinateRegionMakeWithDistance(LocationCoordinate2D center, double latitudinalMeters,
                                                    double longitudinalMeters)
{
    CoordinateRegion region;
    region.center = center;
    region.span.latitudeDelta = std::clamp(latitudinalMeters / MapGeometry::kMetresPerDegree, 0.0, 180.0);
    // Meridians converge: a metre is more degrees of longitude away from the equator. At the
    // poles any width is the whole circle.
    const double cosLat = std::cos(std::clamp(center.latitude, -90.0, 90.0) * kRad);
    const double lonDelta = cosLat > 1e-12 ? longitudinalMeters / (MapGeometry::kMetresPerDegree * cosLat) : 360.0;
    region.span.longitudeDelta = std::clamp(lonDelta, 0.0, 360.0);
    return region;
}

namespace MapGeometry {

double clampLatitude(double latitude)
{
    return std::clamp(latitude, -kMaxLatitude, kMaxLatitude);
}

double wrapLongitude(double longitude)
{
    if (longitude >= -180.0 && longitude <= 180.0)
        return longitude;
    double l = std::fmod(longitude + 180.0, 360.0);
    if (l < 0)
        l += 360.0;
    return l - 180.0;
}

double mercatorY(double latitude)
{
    const double s = std::sin(clampLatitude(latitude) * kRad);
    return 0.5 - std::log((1 + s) / (1 - s)) / (4 * kPi);
}

double latitudeOfMercatorY(double y)
{
    return 90.0 - 360.0 * std::atan(std::exp((y - 0.5) * 2 * kPi)) / kPi;
}

QPointF project(LocationCoordinate2D c)
{
    return {(c.longitude + 180.0) / 360.0, mercatorY(c.latitude)};
}

LocationCoordinate2D unproject(QPointF m)
{
    return {latitudeOfMercatorY(m.y()), m.x() * 360.0 - 180.0};
}

QSizeF mercatorSize(const CoordinateRegion& r)
{
    const double half = r.span.latitudeDelta / 2;
    const double top = mercatorY(r.center.latitude + half);
    const double bottom = mercatorY(r.center.latitude - half);
    return {r.span.longitudeDelta / 360.0, std::abs(bottom - top)};
}

namespace {

// The latitude span around `center` whose mercator height is `height`.
double latitudeDeltaForMercatorHeight(double center, double height)
{
    double lo = 0, hi = 180.0;
    for (int i = 0; i < 80; ++i) {
        const double mid = (lo + hi) / 2;
        const double h = mercatorSize({{center, 0}, {mid, 0}}).height();
        (h < height ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

} // namespace

CoordinateRegion regionThatFits(const CoordinateRegion& region, QSizeF viewSize)
{
    if (viewSize.width() <= 0 || viewSize.height() <= 0)
        return region;
    CoordinateRegion fitted = region;
    const QSizeF m = mercatorSize(region);
    const double viewAspect = viewSize.width() / viewSize.height();
    if (m.height() <= 0 && m.width() <= 0)
        return fitted;
    if (m.height() <= 0 || m.width() / m.height() > viewAspect) {
        // Too wide for the view: make it taller.
        fitted.span.latitudeDelta = latitudeDeltaForMercatorHeight(region.center.latitude, m.width() / viewAspect);
    } else {
        fitted.span.longitudeDelta = std::min(360.0, m.height() * viewAspect * 360.0);
    }
    return fitted;
}

double zoomToFit(const CoordinateRegion& region, QSizeF viewSize)
{
    const QSizeF m = mercatorSize(region);
    const double w = viewSize.width() > 0 ? viewSize.width() : kTileSize;
    const double h = viewSize.height() > 0 ? viewSize.height() : kTileSize;
    double scale = 1e12;
    if (m.width() > 0)
        scale = std::min(scale, w / m.width());
    if (m.height() > 0)
        scale = std::min(scale, h / m.height());
    if (scale >= 1e12)
        return 20.0;
    return std::log2(scale / kTileSize);
}

CoordinateRegion regionForZoom(LocationCoordinate2D center, double zoom, QSizeF viewSize)
{
    const double world = kTileSize * std::exp2(zoom);
    const QPointF c = project(center);
    const double halfH = viewSize.height() / world / 2;
    const double top = latitudeOfMercatorY(std::max(0.0, c.y() - halfH));
    const double bottom = latitudeOfMercatorY(std::min(1.0, c.y() + halfH));
    CoordinateRegion r;
    r.center = center;
    // Reported symmetric around the centre, as regions are; the mercator height is kept.
    r.span.latitudeDelta = latitudeDeltaForMercatorHeight(center.latitude, mercatorY(bottom) - mercatorY(top));
    r.span.longitudeDelta = std::min(360.0, viewSize.width() / world * 360.0);
    return r;
}

} // namespace MapGeometry
