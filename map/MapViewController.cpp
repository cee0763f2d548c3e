#include "map/MapViewController.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/ui/NavigationBar.h"
#include "ui_MapScreen.h"

MapViewController::MapViewController(MapServices services, QWidget* parent)
    : ViewController(parent), services_(services)
{
    setObjectName(QStringLiteral("MapViewController"));
}

MapViewController::~MapViewController() = default;

void MapViewController::loadView(QWidget* view)
{
    setupLayout(ui_, view);
    navBar = ui_->navBar;
    mapType = ui_->mapType;
    mapView = ui_->mapView;
    navBar->addRightButton(mapType);
    connect(mapType.data(), &QPushButton::clicked, this, [this] { changeMapType(mapType); });
    mapView->setNearbyPlaces(services_.nearbyPlaces);
    mapView->setUserLocationSource(services_.userLocationSource);
}

void MapViewController::viewDidLoad()
{
    ViewController::viewDidLoad();
    if (navBar)
        navBar->topItem()->setTitle(localizedText("MAP_NAVBAR_TITLE"));
    if (mapView)
        mapView->setDelegate(this);
    if (mapType)
        mapType->setText(localizedText("MAP_TYPE"));
}

void MapViewController::viewDidUnload()
{
    mapType = nullptr;
    mapView = nullptr;
    navBar = nullptr;
    ViewController::viewDidUnload();
}

void MapViewController::mapViewDidUpdateUserLocation(MapView*, const UserLocation* userLocation)
{
    LocationCoordinate2D center;
    if (userLocation && userLocation->location)
        center = userLocation->location->coordinate;
    const CoordinateRegion region = MKCoordinateRegionMakeWithDistance(center, kRegionMetres, kRegionMetres);
    // The screen's own map view, not the one that called: without it nothing is shown.
    if (!mapView)
        return;
    const CoordinateRegion fitted = mapView->regionThatFits(region);
    mapView->setRegion(fitted, true);
    auto pin = std::make_unique<PointAnnotation>();
    pin->setCoordinate(center);
    pin->setTitle(QStringLiteral("Where am I?"));
    // A demo position is never presented as where the user is.
    const bool demo = services_.userLocationSource && services_.userLocationSource->isDemo();
    pin->setSubtitle(demo ? localizedText("DemoPin") : QStringLiteral("I'm here!!!"));
    pin->setDemo(demo);
    mapView->addAnnotation(std::move(pin));
}

void MapViewController::changeMapType(QObject*)
{
    if (!mapView)
        return;
    mapView->setMapType(mapView->mapType() == MapType::Standard ? MapType::Satellite : MapType::Standard);
}
