#pragma once
// Regions of the map and the web-mercator arithmetic behind them. A region is a centre and
// a span in degrees; its vertical extent is measured in mercator units, so that a region
// drawn in a view of some shape keeps that shape at every latitude.

#include "platform/location/Location.h"

#include <QPointF>
#include <QSizeF>

struct CoordinateSpan {
    double latitudeDelta = 0;
    double longitudeDelta = 0;
};

struct CoordinateRegion {
    LocationCoordinate2D center;
    CoordinateSpan span;
};

// A region `latitudinalMeters` tall and `longitudinalMeters` wide around `center`.
CoordinateRegion MKCoordinateRegionMakeWithDistance(LocationCoordinate2D center, double latitudinalMeters,
                                                    double longitudinalMeters);

namespace MapGeometry {

constexpr double kMaxLatitude = 85.0511287798066; // where the mercator square ends
constexpr double kTileSize = 256.0;
// How many zoom levels coarser than its tiles the map may show them (each level quarters
// their size on screen).
constexpr double kMaximumOverview = 2.5;
constexpr double kMetresPerDegree = 111194.92664455873; // along a meridian, mean Earth radius

// Normalised mercator: x and y in [0, 1], y growing southwards.
QPointF project(LocationCoordinate2D coordinate);
LocationCoordinate2D unproject(QPointF mercator);
double mercatorY(double latitude);
double latitudeOfMercatorY(double y);

// The region's extent in normalised mercator units (width, height).
QSizeF mercatorSize(const CoordinateRegion& region);

// The region that fits a view of `viewSize`: the same centre, one span widened so that its
// mercator shape matches the view's. An empty view leaves the region as it is.
CoordinateRegion regionThatFits(const CoordinateRegion& region, QSizeF viewSize);

// The (fractional) zoom at which `region` just fits into `viewSize`; at zoom z the world is
// 256 * 2^z pixels wide.
double zoomToFit(const CoordinateRegion& region, QSizeF viewSize);

// The region a view of `viewSize` shows around `center` at `zoom`.
CoordinateRegion regionForZoom(LocationCoordinate2D center, double zoom, QSizeF viewSize);

double clampLatitude(double latitude);
double wrapLongitude(double longitude);

} // namespace MapGeometry
