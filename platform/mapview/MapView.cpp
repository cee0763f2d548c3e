#include "platform/mapview/MapView.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/TouchScreen.h"
#include "platform/mapview/MapViewAccessible.h"
#include "platform/mapview/TileLoader.h"

#include <QAccessible>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyleHints>
#include <QTouchEvent>
#include <QVariantAnimation>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEarthCircumference = 2 * kPi * 6371008.8;

const QColor kGridBackground(238, 240, 233);
const QColor kGridLine(214, 218, 208);
const QColor kOutsideWorld(200, 206, 214);

bool finite(const CoordinateRegion& r)
{
    return std::isfinite(r.center.latitude) && std::isfinite(r.center.longitude)
           && std::isfinite(r.span.latitudeDelta) && std::isfinite(r.span.longitudeDelta);
}

double wrapUnit(double dx)
{
    return dx - std::round(dx);
}

} // namespace

MapView::MapView(QWidget* parent) : MapView(MapSettings::fromDeviceSettings(), parent) {}

MapView::MapView(MapSettings settings, QWidget* parent) : QWidget(parent), settings_(std::move(settings))
{
    init();
}

MapView::~MapView()
{
    if (tracking_ && source_)
        source_->stopUpdatingLocation();
    // The tiles and the downloads they wait for go before the widget does, as members would.
    delete tiles_;
}

void MapView::init()
{
    setObjectName(QStringLiteral("mapView"));
    // isVisible() stays true for a minimised or covered window: the window's sight decides.
    sight_ = new WindowSight(this);
    connect(sight_, &WindowSight::changed, this, &MapView::updateTracking);
    installMapViewAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(64, 64);
    setCursor(Qt::OpenHandCursor);
    // Fingers pan, pinch and double-tap; the buttons are for one hand and for the mouse.
    setAttribute(Qt::WA_AcceptTouchEvents);
    zoomIn_ = new QPushButton(QStringLiteral("+"), this);
    zoomIn_->setObjectName(QStringLiteral("zoomInButton"));
    zoomIn_->setAccessibleName(tr("Zoom in"));
    zoomOut_ = new QPushButton(QStringLiteral("\u2212"), this);
    zoomOut_->setObjectName(QStringLiteral("zoomOutButton"));
    zoomOut_->setAccessibleName(tr("Zoom out"));
    for (QPushButton* b : {zoomIn_, zoomOut_}) {
        b->setToolTip(b->accessibleName());
        b->setFixedSize(kTouchTarget, kTouchTarget);
        // The keys + and - do the same for the keyboard; Tab stays on the map.
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::ArrowCursor);
    }
    connect(zoomIn_, &QPushButton::clicked, this, [this] { zoomBy(1, true); });
    connect(zoomOut_, &QPushButton::clicked, this, [this] { zoomBy(-1, true); });
    tiles_ = new TileLoader([this] { return TileLoader::View{center_, zoom_, size()}; }, this);
    connect(tiles_, &TileLoader::tilesChanged, this, &MapView::tilesChangedInLoader);
    connect(tiles_, &TileLoader::availabilityChanged, this, [this] {
        updateTiles();
        update();
    });
    animation_ = new QVariantAnimation(this);
    animation_->setStartValue(0.0);
    animation_->setEndValue(1.0);
    animation_->setDuration(kAnimationMs);
    animation_->setEasingCurve(QEasingCurve::InOutCubic);
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        if (!animating_)
            return;
        const double t = v.toDouble();
        const QPointF a = MapGeometry::project(from_.center);
        const QPointF b = MapGeometry::project(to_.center);
        // The short way round the antimeridian.
        const QPointF m(a.x() + wrapUnit(b.x() - a.x()) * t, a.y() + (b.y() - a.y()) * t);
        center_ = MapGeometry::unproject({m.x() - std::floor(m.x()), m.y()});
        zoom_ = from_.zoom + (to_.zoom - from_.zoom) * t;
        update();
    });
    connect(animation_, &QVariantAnimation::finished, this, [this] {
        if (!animating_)
            return;
        animating_ = false;
        applyCamera(to_);
        emit regionDidChangeAnimated(true);
        if (delegate_)
            delegate_->mapViewRegionDidChangeAnimated(this, true);
    });
    rebuildTileSource();
}

// ---- region -------------------------------------------------------------------------

CoordinateRegion MapView::region() const
{
    if (width() <= 0 || height() <= 0)
        return pendingRegion_.value_or(MapGeometry::regionForZoom(center_, zoom_, QSizeF(256, 256)));
    return MapGeometry::regionForZoom(center_, zoom_, QSizeF(size()));
}

CoordinateRegion MapView::regionThatFits(const CoordinateRegion& region) const
{
    return MapGeometry::regionThatFits(region, QSizeF(size()));
}

void MapView::setRegion(const CoordinateRegion& requested, bool animated)
{
    if (!finite(requested))
        return;
    CoordinateRegion r = requested;
    r.center.latitude = MapGeometry::clampLatitude(r.center.latitude);
    r.center.longitude = MapGeometry::wrapLongitude(r.center.longitude);
    r.span.latitudeDelta = std::clamp(std::abs(r.span.latitudeDelta), 0.0, 180.0);
    r.span.longitudeDelta = std::clamp(std::abs(r.span.longitudeDelta), 0.0, 360.0);
    if (width() <= 0 || height() <= 0) {
        // The zoom depends on the view's size: fit once it has one.
        pendingRegion_ = r;
        center_ = r.center;
        return;
    }
    pendingRegion_.reset();
    hasRegion_ = true;
    const Camera target{r.center, std::clamp(MapGeometry::zoomToFit(r, QSizeF(size())), 0.0, kMaximumZoom)};
    if (animated) {
        animation_->stop();
        from_ = {center_, zoom_};
        to_ = target;
        animating_ = true;
        updateTiles(); // the destination's tiles load while the map moves
        animation_->start();
        return;
    }
    animation_->stop();
    animating_ = false;
    applyCamera(target);
    emit regionDidChangeAnimated(false);
    if (delegate_)
        delegate_->mapViewRegionDidChangeAnimated(this, false);
}

void MapView::applyCamera(const Camera& camera)
{
    hasRegion_ = true;
    center_.latitude = MapGeometry::clampLatitude(camera.center.latitude);
    center_.longitude = MapGeometry::wrapLongitude(camera.center.longitude);
    zoom_ = std::clamp(camera.zoom, 0.0, kMaximumZoom);
    update();
    updateTiles();
}

QPointF MapView::pointForCoordinate(LocationCoordinate2D c) const
{
    const double world = MapGeometry::kTileSize * std::exp2(zoom_);
    const QPointF a = MapGeometry::project(center_);
    const QPointF b = MapGeometry::project(c);
    return {width() / 2.0 + wrapUnit(b.x() - a.x()) * world, height() / 2.0 + (b.y() - a.y()) * world};
}

LocationCoordinate2D MapView::coordinateForPoint(QPointF p) const
{
    const double world = MapGeometry::kTileSize * std::exp2(zoom_);
    const QPointF a = MapGeometry::project(center_);
    QPointF m(a.x() + (p.x() - width() / 2.0) / world, a.y() + (p.y() - height() / 2.0) / world);
    m.setX(m.x() - std::floor(m.x()));
    m.setY(std::clamp(m.y(), 0.0, 1.0));
    return MapGeometry::unproject(m);
}

// ---- type and tiles -----------------------------------------------------------------

void MapView::setMapType(MapType type)
{
    if (type != MapType::Standard && type != MapType::Satellite && type != MapType::Hybrid)
        type = MapType::Standard;
    if (type == mapType_)
        return;
    const bool sameTiles = (type == MapType::Standard) == (mapType_ == MapType::Standard);
    mapType_ = type;
    if (!sameTiles)
        rebuildTileSource();
    update();
}

void MapView::setSettings(MapSettings settings)
{
    settings_ = std::move(settings);
    rebuildTileSource();
}

void MapView::rebuildTileSource()
{
    setTileSource(settings_.makeTileSource(mapType_));
}

void MapView::setTileSource(std::unique_ptr<TileSource> source)
{
    tiles_->setSource(std::move(source), layer());
    updateTiles();
    update();
}

TileSource* MapView::tileSource() const
{
    return tiles_->source();
}

int MapView::pendingTileCount() const
{
    return tiles_->pendingCount();
}

int MapView::currentTileZoom() const
{
    return tiles_->tileZoom(zoom_);
}

bool MapView::isOffline() const
{
    return tiles_->isOffline();
}

const TileMemoryCache& MapView::memoryCache() const
{
    return tiles_->memory();
}

void MapView::updateTiles()
{
    const Camera camera = animating_ ? to_ : Camera{center_, zoom_};
    tiles_->setDevicePixelRatio(devicePixelRatioF());
    // Nothing is fetched for the first-glance world view of a map nobody sees yet: a region
    // is usually on its way.
    tiles_->request({camera.center, camera.zoom, size()}, hasRegion_ || isVisible());
    updateShownPlaces();
}

void MapView::tilesChangedInLoader()
{
    updateShownPlaces();
    update();
    emit tilesChanged();
}

// Offline, the names of nearby places stand in for the missing tiles.
void MapView::updateShownPlaces()
{
    shownPlaces_.clear();
    if (tiles_->isOffline() && places_ && width() > 0 && height() > 0) {
        const double metresPerPixel = kEarthCircumference * std::cos(center_.latitude * kPi / 180.0)
                                      / (MapGeometry::kTileSize * std::exp2(zoom_));
        const double radius = std::hypot(width(), height()) / 2.0 * metresPerPixel;
        shownPlaces_ = places_->placesNear(center_, radius, 40);
    }
}

QString MapView::attributionText() const
{
    QStringList parts;
    const QString fixed = settings_.attribution(mapType_);
    if (!fixed.isEmpty())
        parts.append(fixed);
    if (const TileSource* source = tiles_->source())
        for (const QString& a : source->attribution().split(QStringLiteral(" · "), Qt::SkipEmptyParts))
            if (!parts.contains(a))
                parts.append(a);
    return parts.join(QStringLiteral(" · "));
}

QString MapView::offlineNote() const
{
    if (!tiles_->isOffline())
        return {};
    if (mapType_ != MapType::Standard && (!tiles_->source() || !tiles_->source()->isUsable()))
        return localizedText("MAP_NO_SATELLITE");
    return localizedText("MAP_OFFLINE");
}

QString MapView::nearestPlaceName(LocationCoordinate2D coordinate) const
{
    if (!places_)
        return {};
    constexpr double kReachMetres = 20000;
    Location at;
    at.coordinate = coordinate;
    Location there;
    QString best;
    double bestDistance = kReachMetres;
    for (const NearbyPlace& place : places_->placesNear(coordinate, kReachMetres, 50)) {
        there.coordinate = place.coordinate;
        const double d = at.distanceFromLocation(there);
        if (d <= bestDistance) {
            bestDistance = d;
            best = place.name;
        }
    }
    return best;
}

void MapView::announce(int accessibleEvent)
{
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Event(accessibleEvent));
        QAccessible::updateAccessibility(&event);
    }
}

// ---- annotations and the user -------------------------------------------------------

void MapView::addAnnotation(std::unique_ptr<PointAnnotation> annotation)
{
    if (!annotation)
        return;
    annotations_.push_back(std::move(annotation));
    update();
    announce(QAccessible::ObjectReorder);
}

void MapView::removeAllAnnotations()
{
    annotations_.clear();
    selected_ = nullptr;
    update();
    announce(QAccessible::ObjectReorder);
}

std::vector<const PointAnnotation*> MapView::annotations() const
{
    std::vector<const PointAnnotation*> list;
    list.reserve(annotations_.size());
    for (const auto& a : annotations_)
        list.push_back(a.get());
    return list;
}

void MapView::selectAnnotation(const PointAnnotation* annotation)
{
    const bool known = std::any_of(annotations_.begin(), annotations_.end(),
                                   [&](const auto& a) { return a.get() == annotation; });
    selected_ = known ? annotation : nullptr;
    update();
}

void MapView::setShowsUserLocation(bool shows)
{
    showsUserLocation_ = shows;
    updateTracking();
    update();
}

void MapView::setUserLocationSource(UserLocationSource* source)
{
    if (source_ == source)
        return;
    if (source_) {
        if (tracking_)
            source_->stopUpdatingLocation();
        tracking_ = false;
        disconnect(source_, nullptr, this, nullptr);
    }
    source_ = source;
    if (source_)
        connect(source_, &UserLocationSource::locationUpdated, this, &MapView::locationUpdated);
    updateTracking();
}

void MapView::updateTracking()
{
    const bool want = showsUserLocation_ && source_ && isVisible() && sight_->canBeSeen();
    if (want == tracking_)
        return;
    tracking_ = want;
    if (!source_)
        return;
    if (want)
        source_->startUpdatingLocation();
    else
        source_->stopUpdatingLocation();
}

void MapView::locationUpdated(const Location& location)
{
    if (!showsUserLocation_)
        return;
    userLocation_.location = location;
    userLocation_.updating = true;
    update();
    announce(QAccessible::DescriptionChanged);
    if (delegate_)
        delegate_->mapViewDidUpdateUserLocation(this, &userLocation_);
}

void MapView::setNearbyPlaces(const NearbyPlaces* places)
{
    places_ = places;
    tiles_->updateOfflineState();
    updateShownPlaces();
    update();
}

// ---- drawing ------------------------------------------------------------------------

void MapView::paintEvent(QPaintEvent*)
{
    ++frames_;
    QPainter p(this);
    render(p);
}

void MapView::render(QPainter& p)
{
    const int tz = tiles_->tileZoom(zoom_);
    const double scale = std::exp2(zoom_ - tz);
    const double tilePx = MapGeometry::kTileSize * scale;
    const double n = std::exp2(tz);
    const QPointF c = MapGeometry::project(center_) * (MapGeometry::kTileSize * n * scale);
    const QPointF topLeft(width() / 2.0 - c.x(), height() / 2.0 - c.y()); // the world's origin on screen
    p.setRenderHint(QPainter::Antialiasing, false);
    drawBackground(p, topLeft, tilePx, tz);
    drawTiles(p, topLeft, tilePx, tz);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (tiles_->isOffline())
        drawPlaces(p);
    drawUser(p);
    drawPins(p);
    drawCallout(p);
    drawOverlayTexts(p);
}

void MapView::drawBackground(QPainter& p, const QPointF& topLeft, double tilePx, int tz) const
{
    const double worldPx = tilePx * std::exp2(tz);
    p.fillRect(rect(), kOutsideWorld);
    const double top = std::max(0.0, topLeft.y()), bottom = std::min(double(height()), topLeft.y() + worldPx);
    if (bottom <= top)
        return;
    p.fillRect(QRectF(0, top, width(), bottom - top), kGridBackground);
    // The grid: tile edges, but never closer than 32 pixels.
    double step = tilePx;
    while (step < 32)
        step *= 2;
    while (step > 160)
        step /= 2;
    p.setPen(QPen(kGridLine, 1));
    const double x0 = topLeft.x() - std::floor(topLeft.x() / step) * step;
    for (double x = x0; x < width(); x += step)
        p.drawLine(QLineF(std::round(x) + 0.5, top, std::round(x) + 0.5, bottom));
    const double y0 = topLeft.y() + std::ceil((top - topLeft.y()) / step) * step;
    for (double y = y0; y < bottom; y += step)
        p.drawLine(QLineF(0, std::round(y) + 0.5, width(), std::round(y) + 0.5));
}

void MapView::drawTiles(QPainter& p, const QPointF& topLeft, double tilePx, int tz)
{
    if (tz - zoom_ > kMaximumOverview)
        return;
    const qint64 n = qint64(1) << tz;
    const qint64 x0 = qint64(std::floor(-topLeft.x() / tilePx));
    const qint64 x1 = qint64(std::floor((width() - topLeft.x()) / tilePx));
    const qint64 y0 = std::max<qint64>(0, qint64(std::floor(-topLeft.y() / tilePx)));
    const qint64 y1 = std::min<qint64>(n - 1, qint64(std::floor((height() - topLeft.y()) / tilePx)));
    // Scaled tiles look best smoothed; mid-animation speed matters more.
    p.setRenderHint(QPainter::SmoothPixmapTransform, !animating_ && std::abs(tilePx * tiles_->devicePixelRatio() - 256.0) > 0.5);
    const int l = layer();
    const TileMemoryCache& memory = tiles_->memory();
    for (qint64 y = y0; y <= y1; ++y) {
        for (qint64 x = x0; x <= x1; ++x) {
            // Edges rounded once, so that neighbours meet without seams.
            const int left = int(std::lround(topLeft.x() + double(x) * tilePx));
            const int right = int(std::lround(topLeft.x() + double(x + 1) * tilePx));
            const int top = int(std::lround(topLeft.y() + double(y) * tilePx));
            const int bottom = int(std::lround(topLeft.y() + double(y + 1) * tilePx));
            const QRect target(left, top, right - left, bottom - top);
            const TileKey key{tz, int(((x % n) + n) % n), int(y)};
            if (const QImage* image = memory.find(l, key)) {
                p.drawImage(target, *image);
                continue;
            }
            // Not here yet: a coarser tile from memory stands in for it, scaled up.
            for (int d = 1; d <= std::min(tz, 6); ++d) {
                const TileKey parent{tz - d, key.x >> d, key.y >> d};
                if (const QImage* image = memory.find(l, parent)) {
                    const double part = double(image->width()) / double(1 << d);
                    const QRectF source((key.x & ((1 << d) - 1)) * part, (key.y & ((1 << d) - 1)) * part, part, part);
                    p.drawImage(QRectF(target), *image, source);
                    break;
                }
            }
        }
    }
}

void MapView::drawPlaces(QPainter& p) const
{
    if (shownPlaces_.isEmpty())
        return;
    QFont f = font();
    f.setPixelSize(12);
    p.setFont(f);
    const QFontMetrics fm(f);
    QList<QRect> taken;
    for (const NearbyPlace& place : shownPlaces_) {
        const QPointF pt = pointForCoordinate(place.coordinate);
        if (!rect().adjusted(-40, -20, 40, 20).contains(pt.toPoint()))
            continue;
        QRect box = fm.boundingRect(place.name);
        box.moveCenter(pt.toPoint() + QPoint(0, -12));
        const QRect padded = box.adjusted(-3, -2, 3, 2);
        if (std::any_of(taken.begin(), taken.end(), [&](const QRect& r) { return r.intersects(padded); }))
            continue;
        taken.append(padded);
        p.setPen(QPen(QColor(90, 96, 104), 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(pt, 3.5, 3.5);
        QPainterPath path;
        path.addText(box.left(), box.top() + fm.ascent(), f, place.name);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 220), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.fillPath(path, QColor(52, 58, 66));
    }
}

void MapView::drawUser(QPainter& p) const
{
    if (!showsUserLocation_ || !userLocation_.location)
        return;
    const Location& loc = *userLocation_.location;
    const QPointF pt = pointForCoordinate(loc.coordinate);
    if (loc.horizontalAccuracy > 0) {
        const double metresPerPixel = kEarthCircumference * std::cos(loc.coordinate.latitude * kPi / 180.0)
                                      / (MapGeometry::kTileSize * std::exp2(zoom_));
        const double r = loc.horizontalAccuracy / std::max(metresPerPixel, 1e-9);
        if (r > 9 && r < 4 * std::max(width(), height())) {
            p.setPen(QPen(QColor(40, 120, 230, 120), 1));
            p.setBrush(QColor(40, 120, 230, 40));
            p.drawEllipse(pt, r, r);
        }
    }
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(QColor(32, 112, 224));
    p.drawEllipse(pt, 7, 7);
}

const QPixmap& MapView::pinPixmap(bool demo) const
{
    QPixmap& pin = demo ? demoPin_ : pin_;
    if (pin.isNull()) {
        const qreal dpr = devicePixelRatioF();
        pin = QPixmap(QSize(22, 34) * dpr);
        pin.setDevicePixelRatio(dpr);
        pin.fill(Qt::transparent);
        QPainter p(&pin);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(70, 70, 70), 2, demo ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 17), QPointF(11, 33));
        if (demo) {
            p.setBrush(QColor(255, 255, 255, 200));
            p.setPen(QPen(QColor(90, 90, 90), 2, Qt::DashLine));
        } else {
            QRadialGradient g(QPointF(8, 7), 9);
            g.setColorAt(0, QColor(255, 130, 120));
            g.setColorAt(1, QColor(200, 20, 20));
            p.setBrush(g);
            p.setPen(QPen(QColor(120, 10, 10), 1));
        }
        p.drawEllipse(QPointF(11, 10), 8, 8);
    }
    return pin;
}

void MapView::drawPins(QPainter& p) const
{
    if (annotations_.empty())
        return;
    const QRectF area = QRectF(rect()).adjusted(-12, -2, 12, 36);
    std::vector<std::pair<QPointF, const PointAnnotation*>> shown;
    shown.reserve(annotations_.size());
    for (const auto& a : annotations_) {
        const QPointF pt = pointForCoordinate(a->coordinate());
        if (area.contains(pt))
            shown.emplace_back(pt, a.get());
    }
    // Southern pins in front of northern ones, as they stand nearer the viewer.
    std::stable_sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.first.y() < b.first.y(); });
    for (const auto& [pt, a] : shown)
        p.drawPixmap(QPointF(std::round(pt.x()) - 11, std::round(pt.y()) - 33), pinPixmap(a->isDemo()));
}

void MapView::drawCallout(QPainter& p) const
{
    if (!selected_)
        return;
    const QPointF tip = pointForCoordinate(selected_->coordinate()) - QPointF(0, 36);
    QFont titleFont = font();
    titleFont.setPixelSize(14);
    titleFont.setBold(true);
    QFont subFont = font();
    subFont.setPixelSize(12);
    const QFontMetrics tf(titleFont), sf(subFont);
    const int w = std::max(tf.horizontalAdvance(selected_->title()), sf.horizontalAdvance(selected_->subtitle())) + 24;
    const int h = tf.height() + (selected_->subtitle().isEmpty() ? 0 : sf.height()) + 14;
    double left = std::clamp(tip.x() - w / 2.0, 4.0, std::max(4.0, width() - w - 4.0));
    const QRectF box(left, tip.y() - 8 - h, w, h);
    QPainterPath path;
    path.addRoundedRect(box, 8, 8);
    QPolygonF arrow;
    arrow << QPointF(tip.x() - 8, box.bottom() - 1) << QPointF(tip.x(), tip.y()) << QPointF(tip.x() + 8, box.bottom() - 1);
    path.addPolygon(arrow);
    path = path.simplified();
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(QColor(255, 255, 255, 245));
    p.drawPath(path);
    p.setPen(QColor(20, 24, 30));
    p.setFont(titleFont);
    p.drawText(QPointF(box.left() + 12, box.top() + 7 + tf.ascent()), selected_->title());
    if (!selected_->subtitle().isEmpty()) {
        p.setPen(QColor(90, 96, 106));
        p.setFont(subFont);
        p.drawText(QPointF(box.left() + 12, box.top() + 7 + tf.height() + sf.ascent()), selected_->subtitle());
    }
}

void MapView::drawOverlayTexts(QPainter& p) const
{
    QFont f = font();
    f.setPixelSize(11);
    p.setFont(f);
    const QFontMetrics fm(f);
    const QString attribution = attributionText();
    if (!attribution.isEmpty()) {
        const QString text = fm.elidedText(attribution, Qt::ElideMiddle, width() - 12);
        const int w = fm.horizontalAdvance(text) + 8;
        const QRect box(width() - w, height() - fm.height() - 4, w, fm.height() + 4);
        p.fillRect(box, QColor(255, 255, 255, 200));
        p.setPen(QColor(40, 44, 50));
        p.drawText(box, Qt::AlignCenter, text);
    }
    const QString note = offlineNote();
    if (!note.isEmpty()) {
        QFont nf = font();
        nf.setPixelSize(13);
        p.setFont(nf);
        const QFontMetrics nm(nf);
        const QString text = nm.elidedText(note, Qt::ElideRight, width() - 24);
        const int w = nm.horizontalAdvance(text) + 20;
        const QRectF box((width() - w) / 2.0, 10, w, nm.height() + 10);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 46, 56, 215));
        p.drawRoundedRect(box, 10, 10);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, text);
    }
}

// ---- input --------------------------------------------------------------------------

void MapView::placeZoomButtons()
{
    // At the right edge, above the attribution line.
    const int x = width() - kTouchTarget - 8;
    const int bottom = height() - QFontMetrics(font()).height() - 12;
    zoomOut_->move(x, bottom - kTouchTarget);
    zoomIn_->move(x, bottom - 2 * kTouchTarget - 4);
}

void MapView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeZoomButtons();
    if (pendingRegion_ && width() > 0 && height() > 0) {
        const CoordinateRegion r = *pendingRegion_;
        setRegion(r, false);
        return;
    }
    updateTiles();
}

void MapView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateTracking();
    updateTiles();
}

void MapView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    updateTracking();
}

const PointAnnotation* MapView::annotationAt(QPointF point) const
{
    // The pin drawn last (frontmost) wins.
    const PointAnnotation* best = nullptr;
    double bestY = -1e300;
    for (const auto& a : annotations_) {
        const QPointF pt = pointForCoordinate(a->coordinate());
        // As large as a finger needs, around the pin as drawn (its head above the point).
        const QRectF hit(pt.x() - kTouchTarget / 2.0, pt.y() - 17 - kTouchTarget / 2.0, kTouchTarget, kTouchTarget);
        if (hit.contains(point) && pt.y() >= bestY) {
            best = a.get();
            bestY = pt.y();
        }
    }
    return best;
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressAt(event->position().toPoint());
}

void MapView::mouseMoveEvent(QMouseEvent* event)
{
    dragTo(event->position().toPoint(), 5);
}

void MapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return QWidget::mouseReleaseEvent(event);
    releaseAt(event->position());
}

void MapView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(event);
    zoomBy(1, true);
}

void MapView::pressAt(QPoint point)
{
    pressed_ = true;
    dragging_ = false;
    pressPos_ = point;
    pressCamera_ = {center_, zoom_};
}

void MapView::dragTo(QPoint point, int slack)
{
    if (!pressed_)
        return;
    const QPoint delta = point - pressPos_;
    if (!dragging_ && delta.manhattanLength() < slack)
        return;
    if (!dragging_) {
        dragging_ = true;
        animation_->stop();
        animating_ = false;
        setCursor(Qt::ClosedHandCursor);
    }
    const double world = MapGeometry::kTileSize * std::exp2(pressCamera_.zoom);
    const QPointF m = MapGeometry::project(pressCamera_.center) - QPointF(delta) / world;
    applyCamera({MapGeometry::unproject({m.x() - std::floor(m.x()), std::clamp(m.y(), 0.0, 1.0)}), pressCamera_.zoom});
}

void MapView::releaseAt(QPointF point)
{
    pressed_ = false;
    if (dragging_) {
        dragging_ = false;
        setCursor(Qt::OpenHandCursor);
        emit regionDidChangeAnimated(false);
        return;
    }
    selectAnnotation(annotationAt(point));
}

bool MapView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        touchEvent(static_cast<QTouchEvent*>(event));
        return true;
    default: return QWidget::event(event);
    }
}

void MapView::touchEvent(QTouchEvent* event)
{
    const QList<QEventPoint>& points = event->points();
    // A finger on a zoom button presses the button, as Qt makes a mouse click of it.
    if (event->type() == QEvent::TouchBegin && points.size() == 1
        && childAt(points.first().position().toPoint()) != nullptr) {
        event->ignore();
        return;
    }
    event->accept();
    if (event->type() == QEvent::TouchCancel) {
        pressed_ = dragging_ = pinched_ = false;
        return;
    }
    if (points.size() >= 2) {
        // Two fingers: the zoom follows their distance, about the view's centre.
        const double distance = QLineF(points.at(0).position(), points.at(1).position()).length();
        if (!pinched_ || pinchDistance_ <= 0) {
            pinched_ = true;
            pressed_ = dragging_ = false;
            pinchDistance_ = distance;
            pinchZoom_ = zoom_;
            animation_->stop();
            animating_ = false;
        } else if (distance > 0) {
            applyCamera({center_, std::clamp(pinchZoom_ + std::log2(distance / pinchDistance_), 0.0, kMaximumZoom)});
        }
        if (event->type() == QEvent::TouchEnd)
            emit regionDidChangeAnimated(false);
        return;
    }
    if (points.isEmpty())
        return;
    const QEventPoint& point = points.first();
    if (pinched_) {
        // What is left of a pinch neither pans nor taps.
        if (event->type() == QEvent::TouchEnd) {
            pinched_ = false;
            emit regionDidChangeAnimated(false);
        }
        return;
    }
    const int slack = tapSlack(event);
    if (event->type() == QEvent::TouchBegin) {
        pressAt(point.position().toPoint());
    } else if (event->type() == QEvent::TouchUpdate) {
        dragTo(point.position().toPoint(), slack);
    } else if (pressed_) {
        const bool tap = !dragging_;
        releaseAt(point.position());
        if (!tap)
            return;
        // A second tap soon after the first and near it zooms in.
        static const QElapsedTimer clock = [] {
            QElapsedTimer started;
            started.start();
            return started;
        }();
        const qint64 now = clock.elapsed();
        if (lastTapMs_ >= 0 && now - lastTapMs_ <= QGuiApplication::styleHints()->mouseDoubleClickInterval()
            && QLineF(lastTapPos_, point.position()).length() <= 2 * slack) {
            lastTapMs_ = -1;
            zoomBy(1, true);
            return;
        }
        lastTapMs_ = now;
        lastTapPos_ = point.position();
    }
}

void MapView::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0)
        zoomBy(steps * 0.5, false);
    event->accept();
}

void MapView::zoomBy(double steps, bool animated)
{
    const Camera target{animating_ ? to_.center : center_, std::clamp((animating_ ? to_.zoom : zoom_) + steps, 0.0, kMaximumZoom)};
    if (!animated) {
        animation_->stop();
        animating_ = false;
        applyCamera(target);
        return;
    }
    animation_->stop();
    from_ = {center_, zoom_};
    to_ = target;
    animating_ = true;
    updateTiles();
    animation_->start();
}

void MapView::panBy(QPointF pixels)
{
    animation_->stop();
    animating_ = false;
    applyCamera({coordinateForPoint(QPointF(width() / 2.0, height() / 2.0) + pixels), zoom_});
}

void MapView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: panBy({-width() / 4.0, 0}); break;
    case Qt::Key_Right: panBy({width() / 4.0, 0}); break;
    case Qt::Key_Up: panBy({0, -height() / 4.0}); break;
    case Qt::Key_Down: panBy({0, height() / 4.0}); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoomBy(1, true); break;
    case Qt::Key_Minus: zoomBy(-1, true); break;
    case Qt::Key_Escape:
        if (selected_) {
            selectAnnotation(nullptr);
            break;
        }
        return QWidget::keyPressEvent(event);
    default: return QWidget::keyPressEvent(event);
    }
    event->accept();
}
