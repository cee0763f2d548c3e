#pragma once
// The map widget: web-mercator tiles around a region, point annotations drawn as pins with
// a callout, the user's position as a dot. Without tiles it draws a plain grid with the
// names of nearby places and says that it is offline; it is never blank.

#include "platform/mapview/MapGeometry.h"
#include "platform/mapview/MapSettings.h"
#include "platform/geocoding/NearbyPlaces.h"
#include "platform/mapview/TileMemoryCache.h"
#include "platform/location/UserLocationSource.h"
#include "platform/foundation/WindowSight.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QPushButton;
class QTouchEvent;
class QVariantAnimation;
class MapView;
class TileLoader;

class PointAnnotation {
public:
    LocationCoordinate2D coordinate() const { return coordinate_; }
    void setCoordinate(LocationCoordinate2D coordinate) { coordinate_ = coordinate; }
    QString title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    QString subtitle() const { return subtitle_; }
    void setSubtitle(const QString& subtitle) { subtitle_ = subtitle; }
    // A pin of a made-up position (a demo) is drawn grey and hollow, never like a real one.
    bool isDemo() const { return demo_; }
    void setDemo(bool demo) { demo_ = demo; }

private:
    LocationCoordinate2D coordinate_;
    QString title_;
    QString subtitle_;
    bool demo_ = false;
};

// The user's position as the map knows it; `location` is empty until the first fix.
struct UserLocation {
    std::optional<Location> location;
    bool updating = false;
};

class MapViewDelegate {
public:
    virtual ~MapViewDelegate() = default;
    // Each fix from the position source, while the map shows the user's location.
    virtual void mapViewDidUpdateUserLocation(MapView* mapView, const UserLocation* userLocation) = 0;
    virtual void mapViewRegionDidChangeAnimated(MapView*, bool) {}
};

class MapView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool showsUserLocation READ showsUserLocation WRITE setShowsUserLocation)
    Q_PROPERTY(int mapType READ mapTypeValue WRITE setMapTypeValue)

public:
    static constexpr int kAnimationMs = 300;
    static constexpr double kMaximumZoom = 20.0;
    static constexpr double kMaximumOverview = MapGeometry::kMaximumOverview;

    // Reads its tile sources from the device settings.
    explicit MapView(QWidget* parent = nullptr);
    MapView(MapSettings settings, QWidget* parent = nullptr);
    ~MapView() override;

    MapViewDelegate* delegate() const { return delegate_; }
    void setDelegate(MapViewDelegate* delegate) { delegate_ = delegate; }

    // Region: what the view shows now (mid-animation, the frame on screen).
    CoordinateRegion region() const;
    void setRegion(const CoordinateRegion& region, bool animated);
    CoordinateRegion regionThatFits(const CoordinateRegion& region) const;
    bool isAnimatingRegion() const { return animating_; }
    double zoomLevel() const { return zoom_; }
    LocationCoordinate2D centerCoordinate() const { return center_; }

    MapType mapType() const { return mapType_; }
    void setMapType(MapType type);
    int mapTypeValue() const { return int(mapType_); }
    void setMapTypeValue(int type) { setMapType(MapType(type)); }

    // Annotations: the map view owns them.
    void addAnnotation(std::unique_ptr<PointAnnotation> annotation);
    void removeAllAnnotations();
    std::vector<const PointAnnotation*> annotations() const;
    int annotationCount() const { return int(annotations_.size()); }
    // The annotation added `index`-th (from 0), or none.
    const PointAnnotation* annotationAt(int index) const
    {
        return index >= 0 && index < annotationCount() ? annotations_[size_t(index)].get() : nullptr;
    }
    const PointAnnotation* selectedAnnotation() const { return selected_; }
    void selectAnnotation(const PointAnnotation* annotation);

    // The user's position.
    bool showsUserLocation() const { return showsUserLocation_; }
    void setShowsUserLocation(bool shows);
    const UserLocation* userLocation() const { return &userLocation_; }
    // Not owned; the source is started while the map is shown and shows the user.
    void setUserLocationSource(UserLocationSource* source);
    UserLocationSource* userLocationSource() const { return source_; }

    // Not owned; null means no place names.
    void setNearbyPlaces(const NearbyPlaces* places);

    // Tiles.
    void setSettings(MapSettings settings);
    const MapSettings& settings() const { return settings_; }
    TileSource* tileSource() const;
    // Replaces the tiles of the current type (for tools and tests); takes ownership.
    void setTileSource(std::unique_ptr<TileSource> source);
    int pendingTileCount() const;
    // The zoom of the tiles drawn now (the view's zoom rounded, within the source's range).
    int currentTileZoom() const;
    bool isOffline() const;
    QString attributionText() const;
    QString offlineNote() const;
    // The name of the known place nearest to `coordinate` (within a walk's reach), or "".
    QString nearestPlaceName(LocationCoordinate2D coordinate) const;
    const TileMemoryCache& memoryCache() const;
    // Frames painted so far (for the frame-rate benchmark).
    quint64 framesPainted() const { return frames_; }

    // The point in the widget where a coordinate is drawn.
    QPointF pointForCoordinate(LocationCoordinate2D coordinate) const;
    LocationCoordinate2D coordinateForPoint(QPointF point) const;
    // Renders one frame into `painter` (what paintEvent draws).
    void render(QPainter& painter);

    QSize sizeHint() const override { return {360, 480}; }

signals:
    void regionDidChangeAnimated(bool animated);
    void tilesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Camera {
        LocationCoordinate2D center;
        double zoom = 2;
    };

    void init();
    void applyCamera(const Camera& camera);
    void locationUpdated(const Location& location);
    void updateTracking();
    void rebuildTileSource();
    void updateTiles();
    void tilesChangedInLoader();
    void updateShownPlaces();
    void announce(int accessibleEvent);
    int layer() const { return mapType_ == MapType::Standard ? 0 : 1; }
    const PointAnnotation* annotationAt(QPointF point) const;
    void zoomBy(double steps, bool animated);
    // A press, a drag and a release of the mouse or of one finger.
    void pressAt(QPoint point);
    void dragTo(QPoint point, int slack);
    void releaseAt(QPointF point);
    void touchEvent(QTouchEvent* event);
    void placeZoomButtons();
    void panBy(QPointF pixels);

    void drawBackground(QPainter& p, const QPointF& topLeft, double tilePx, int tz) const;
    void drawTiles(QPainter& p, const QPointF& topLeft, double tilePx, int tz);
    void drawPlaces(QPainter& p) const;
    void drawUser(QPainter& p) const;
    void drawPins(QPainter& p) const;
    void drawCallout(QPainter& p) const;
    void drawOverlayTexts(QPainter& p) const;
    const QPixmap& pinPixmap(bool demo) const;

    MapViewDelegate* delegate_ = nullptr;
    MapSettings settings_;
    MapType mapType_ = MapType::Standard;
    TileLoader* tiles_ = nullptr;

    LocationCoordinate2D center_{20, 0};
    double zoom_ = 2;
    std::optional<CoordinateRegion> pendingRegion_; // set before the view had a size
    QVariantAnimation* animation_ = nullptr;
    Camera from_;
    Camera to_;
    bool animating_ = false;
    bool hasRegion_ = false;

    std::vector<std::unique_ptr<PointAnnotation>> annotations_;
    const PointAnnotation* selected_ = nullptr;

    bool showsUserLocation_ = false;
    UserLocation userLocation_;
    QPointer<UserLocationSource> source_;
    bool tracking_ = false;
    WindowSight* sight_ = nullptr;

    const NearbyPlaces* places_ = nullptr;
    QList<NearbyPlace> shownPlaces_;

    QPoint pressPos_;
    Camera pressCamera_;
    bool dragging_ = false;
    bool pressed_ = false;
    // Two fingers: their distance and the zoom when the second came down.
    double pinchDistance_ = 0;
    double pinchZoom_ = 0;
    bool pinched_ = false;
    // The last tap of a finger, for a double tap.
    QPointF lastTapPos_;
    qint64 lastTapMs_ = -1;
    QPushButton* zoomIn_ = nullptr;
    QPushButton* zoomOut_ = nullptr;
    mutable QPixmap pin_;
    mutable QPixmap demoPin_;
    quint64 frames_ = 0;
};
