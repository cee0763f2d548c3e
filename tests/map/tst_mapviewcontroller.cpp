// The map screen: titles at load, the region and a pin per position update, the map type
// switch, unloading.
#include "map/MapViewController.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/ui/NavigationBar.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <cmath>

namespace {

class FakeSource : public UserLocationSource {
public:
    int starts = 0;
    bool demo = false;
    void startUpdatingLocation() override { ++starts; }
    void stopUpdatingLocation() override {}
    bool isDemo() const override { return demo; }
    void deliver(double lat, double lon)
    {
        Location l;
        l.coordinate = {lat, lon};
        emit locationUpdated(l);
    }
};

bool near(double a, double b, double tolerance = 1e-7)
{
    return std::abs(a - b) < tolerance;
}

} // namespace

class tst_MapViewController : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void loadSetsTitlesAndDelegate();
    void firstUpdateShowsTheFittedRegionAnimated();
    void everyUpdateAddsAPin();
    void demoPinsSaySo();
    void missingUserLocationCountsAsZero_data();
    void missingUserLocationCountsAsZero();
    void typeSwitch_data();
    void typeSwitch();
    void buttonSwitchesTheType();
    void unloadClearsOutletsAndPins();

private:
    FakeSource source_;
};

void tst_MapViewController::initTestCase()
{
    initTestEnvironment();
    QVERIFY(StringTable::load(QStringLiteral("en")));
}

void tst_MapViewController::loadSetsTitlesAndDelegate()
{
    MapViewController vc;
    vc.view();
    QVERIFY(vc.navBar && vc.mapType && vc.mapView);
    QCOMPARE(vc.navBar->topItem()->title(), localizedText("MAP_NAVBAR_TITLE"));
    QCOMPARE(vc.navBar->title(), QStringLiteral("Map"));
    QCOMPARE(vc.mapType->text(), QStringLiteral("Map type"));
    QVERIFY(vc.navBar->isAncestorOf(vc.mapType));
    QCOMPARE(vc.mapView->delegate(), &vc);
    // As the layout sets it up: tracking the user, standard map.
    QVERIFY(vc.mapView->showsUserLocation());
    QCOMPARE(vc.mapView->mapType(), MapType::Standard);
}

void tst_MapViewController::firstUpdateShowsTheFittedRegionAnimated()
{
    MapViewController vc(MapServices{&source_, nullptr});
    vc.resize(360, 640);
    vc.view();
    vc.show();
    QCOMPARE(source_.starts, 1);
    MapView* map = vc.mapView;
    QSignalSpy done(map, &MapView::regionDidChangeAnimated);
    source_.deliver(50.0875, 14.4213);
    QVERIFY(map->isAnimatingRegion());
    QVERIFY(done.wait(2000));
    QCOMPARE(done.last().at(0).toBool(), true);
    const CoordinateRegion expected =
        map->regionThatFits(MKCoordinateRegionMakeWithDistance({50.0875, 14.4213}, 800, 800));
    const CoordinateRegion shown = map->region();
    QVERIFY(near(shown.center.latitude, 50.0875, 1e-9));
    QVERIFY(near(shown.center.longitude, 14.4213, 1e-9));
    QVERIFY(near(shown.span.latitudeDelta, expected.span.latitudeDelta));
    QVERIFY(near(shown.span.longitudeDelta, expected.span.longitudeDelta));
    // 800 m wide across the narrow side; taller along the long one.
    const CoordinateRegion square = MKCoordinateRegionMakeWithDistance({50.0875, 14.4213}, 800, 800);
    QVERIFY(near(shown.span.longitudeDelta, square.span.longitudeDelta));
    QVERIFY(shown.span.latitudeDelta > square.span.latitudeDelta * 1.3);
}

void tst_MapViewController::everyUpdateAddsAPin()
{
    MapViewController vc(MapServices{&source_, nullptr});
    vc.resize(360, 640);
    vc.view();
    vc.show();
    const QList<LocationCoordinate2D> fixes{{50.0875, 14.4213}, {50.0880, 14.4220}, {-33.8688, 151.2093}};
    for (const auto& c : fixes)
        source_.deliver(c.latitude, c.longitude);
    const auto pins = vc.mapView->annotations();
    QCOMPARE(int(pins.size()), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(pins[i]->title(), QStringLiteral("Where am I?"));
        QCOMPARE(pins[i]->subtitle(), QStringLiteral("I'm here!!!"));
        QCOMPARE(pins[i]->coordinate().latitude, fixes[i].latitude);
        QCOMPARE(pins[i]->coordinate().longitude, fixes[i].longitude);
    }
    QTRY_VERIFY(!vc.mapView->isAnimatingRegion());
    QVERIFY(near(vc.mapView->region().center.latitude, -33.8688, 1e-9));
}

void tst_MapViewController::demoPinsSaySo()
{
    FakeSource demo;
    demo.demo = true;
    MapViewController vc(MapServices{&demo, nullptr});
    vc.resize(360, 640);
    vc.view();
    vc.show();
    demo.deliver(50.0875, 14.4213);
    const auto pins = vc.mapView->annotations();
    QCOMPARE(int(pins.size()), 1);
    QVERIFY(pins[0]->isDemo());
    QCOMPARE(pins[0]->title(), QStringLiteral("Where am I?"));
    QCOMPARE(pins[0]->subtitle(), localizedText("DemoPin"));
    // A demo pin is drawn unlike a real one (the pin's head, just above its point).
    QTRY_VERIFY(!vc.mapView->isAnimatingRegion());
    auto pinHead = [&vc] {
        const QImage shot = vc.mapView->grab().toImage();
        const QPoint tip = vc.mapView->pointForCoordinate({50.0875, 14.4213}).toPoint();
        return shot.copy(tip.x() - 11, tip.y() - 33, 22, 20);
    };
    const QImage demoHead = pinHead();
    auto real = std::make_unique<PointAnnotation>();
    real->setCoordinate({50.0875, 14.4213});
    vc.mapView->removeAllAnnotations();
    vc.mapView->addAnnotation(std::move(real));
    QVERIFY(demoHead != pinHead());
}

void tst_MapViewController::missingUserLocationCountsAsZero_data()
{
    QTest::addColumn<bool>("absent");
    QTest::newRow("no user location at all") << true;
    QTest::newRow("user location without a fix") << false;
}

void tst_MapViewController::missingUserLocationCountsAsZero()
{
    QFETCH(bool, absent);
    MapViewController vc;
    vc.resize(360, 640);
    vc.view();
    const UserLocation empty;
    vc.mapViewDidUpdateUserLocation(vc.mapView, absent ? nullptr : &empty);
    const auto pins = vc.mapView->annotations();
    QCOMPARE(int(pins.size()), 1);
    QCOMPARE(pins[0]->coordinate().latitude, 0.0);
    QCOMPARE(pins[0]->coordinate().longitude, 0.0);
    QTRY_VERIFY(!vc.mapView->isAnimatingRegion());
    QVERIFY(near(vc.mapView->region().center.latitude, 0, 1e-9));
}

void tst_MapViewController::typeSwitch_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("standard gives satellite") << 0 << 1;
    QTest::newRow("satellite gives standard") << 1 << 0;
    QTest::newRow("hybrid gives standard") << 2 << 0;
}

void tst_MapViewController::typeSwitch()
{
    QFETCH(int, from);
    QFETCH(int, to);
    MapViewController vc;
    vc.view();
    vc.mapView->setMapType(MapType(from));
    QCOMPARE(int(vc.mapView->mapType()), from);
    vc.changeMapType(nullptr);
    QCOMPARE(int(vc.mapView->mapType()), to);
}

void tst_MapViewController::buttonSwitchesTheType()
{
    MapViewController vc;
    vc.resize(360, 640);
    vc.view();
    vc.show();
    QTest::mouseClick(vc.mapType, Qt::LeftButton);
    QCOMPARE(vc.mapView->mapType(), MapType::Satellite);
    QTest::mouseClick(vc.mapType, Qt::LeftButton);
    QCOMPARE(vc.mapView->mapType(), MapType::Standard);
}

void tst_MapViewController::unloadClearsOutletsAndPins()
{
    MapViewController vc(MapServices{&source_, nullptr});
    vc.view();
    vc.mapView->setMapType(MapType::Satellite);
    source_.deliver(1, 2);
    QCOMPARE(int(vc.mapView->annotations().size()), 1);
    vc.didReceiveMemoryWarning(); // not shown: the view goes
    QVERIFY(!vc.isViewLoaded());
    QVERIFY(!vc.navBar);
    QVERIFY(!vc.mapType);
    QVERIFY(!vc.mapView);
    // An update with no map view has nothing to show.
    vc.mapViewDidUpdateUserLocation(nullptr, nullptr);
    // Loaded again: titles again, no pins, the layout's map type.
    vc.view();
    QCOMPARE(vc.mapType->text(), QStringLiteral("Map type"));
    QCOMPARE(vc.mapView->delegate(), &vc);
    QVERIFY(vc.mapView->annotations().empty());
    QCOMPARE(vc.mapView->mapType(), MapType::Standard);
}

QTEST_MAIN(tst_MapViewController)
#include "tst_mapviewcontroller.moc"
