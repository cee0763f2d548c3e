#pragma once
// The map screen: follows the user's position, marks every update with a pin and switches
// between the standard map and satellite pictures.

#include "platform/mapview/MapView.h"
#include "platform/ui/ViewController.h"

#include <QPointer>
#include <memory>

class BarButtonItem;
class NavigationBar;
class NearbyPlaces;
class UserLocationSource;

namespace Ui {
class MapScreen;
}

// What the map screen hands its map view: where the user is and the names of places for
// the offline map. Neither is owned; both may be absent.
struct MapServices {
    UserLocationSource* userLocationSource = nullptr;
    const NearbyPlaces* nearbyPlaces = nullptr;
};

class MapViewController : public ViewController, public MapViewDelegate {
    Q_OBJECT
public:
    explicit MapViewController(MapServices services = {}, QWidget* parent = nullptr);
    ~MapViewController() override;

    void viewDidLoad() override;
    void viewDidUnload() override;

    void mapViewDidUpdateUserLocation(MapView* mapView, const UserLocation* userLocation) override;
    void changeMapType(QObject* sender);

    // Outlets, from the screen's layout; they read as empty once the view is unloaded.
    QPointer<NavigationBar> navBar;
    QPointer<BarButtonItem> mapType;
    QPointer<MapView> mapView;

    static constexpr double kRegionMetres = 800.0;

protected:
    void loadView(QWidget* view) override;

private:
    MapServices services_;
    std::unique_ptr<Ui::MapScreen> ui_;
};
