// The map view against real tile sources: a tile server on loopback that this test runs,
// MBTiles files it writes, and no tiles at all.
#include "platform/mapview/MapView.h"
#include "platform/mapview/TileLoader.h"
#include "platform/foundation/LocalizedText.h"
#include "support/TestSupport.h"
#include "support/TileServer.h"

#include <QAccessible>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>
#include <QTest>
#include <QVBoxLayout>
#include <cmath>

namespace {

const LocationCoordinate2D kPrague{50.0875, 14.4213};

class FakeSource : public UserLocationSource {
public:
    int starts = 0, stops = 0;
    void startUpdatingLocation() override { ++starts; }
    void stopUpdatingLocation() override { ++stops; }
    void deliver(double lat, double lon)
    {
        Location l;
        l.coordinate = {lat, lon};
        l.horizontalAccuracy = 20;
        emit locationUpdated(l);
    }
};

class FakePlaces : public NearbyPlaces {
public:
    mutable QList<LocationCoordinate2D> asked;
    QList<NearbyPlace> places;
    QList<NearbyPlace> placesNear(LocationCoordinate2D c, double, int) const override
    {
        asked.append(c);
        return places;
    }
};

class RecordingDelegate : public MapViewDelegate {
public:
    QList<LocationCoordinate2D> updates;
    void mapViewDidUpdateUserLocation(MapView*, const UserLocation* u) override
    {
        updates.append(u && u->location ? u->location->coordinate : LocationCoordinate2D{});
    }
};

MapSettings noTiles()
{
    MapSettings s;
    s.standardUrl.clear();
    return s;
}

bool sameColour(QColor a, QColor b, int tolerance = 3)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

// The tile of zoom `z` that holds `c`.
TileKey tileAt(LocationCoordinate2D c, int z)
{
    const QPointF m = MapGeometry::project(c) * double(1 << z);
    return {z, int(std::floor(m.x())), int(std::floor(m.y()))};
}

QString describe(QColor c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

void showRegion(MapView& map, LocationCoordinate2D centre, double metres)
{
    map.setRegion(map.regionThatFits(MKCoordinateRegionMakeWithDistance(centre, metres, metres)), false);
}

} // namespace

class tst_MapView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fetchesRendersAndCaches_data();
    void fetchesRendersAndCaches();
    void staleCopyWhenTheServerIsGone();
    void serverErrorLeavesGridAndPins_data();
    void serverErrorLeavesGridAndPins();
    void rendersMBTilesAtTheirPlaces_data();
    void rendersMBTilesAtTheirPlaces();
    void mbtilesFirstThenServer();
    void worldViewOverStreetTilesAsksForNothing();
    void unusableMBTilesFallBackToTheGrid_data();
    void unusableMBTilesFallBackToTheGrid();
    void satelliteTilesAndAttribution();
    void deviceSettingsFile();
    void onlyLoopbackUnderTheTestPolicy_data();
    void onlyLoopbackUnderTheTestPolicy();
    void offlineShowsNearbyPlaces();
    void clickOnPinShowsCallout();
    void userLocationFromTheSource();
    void followsOnlyWhileItsWindowCanBeSeen_data();
    void followsOnlyWhileItsWindowCanBeSeen();
    void turningTheViewKeepsCentreAndScale();
    void animatedRegionChange();
    void fingersAndButtonsZoom_data();
    void fingersAndButtonsZoom();
    void pinsAreEasyToHit_data();
    void pinsAreEasyToHit();
    void tilesMatchTheScreensPixels_data();
    void tilesMatchTheScreensPixels();
    void accessibleDescription_data();
    void accessibleDescription();
    void pinsAreNamedChildren();

private:
    QTemporaryDir dir_;
};

void tst_MapView::initTestCase()
{
    initTestEnvironment();
    QVERIFY(dir_.isValid());
}

void tst_MapView::fetchesRendersAndCaches_data()
{
    QTest::addColumn<QByteArray>("cacheHeaders");
    QTest::newRow("server's own expiry") << QByteArray("Cache-Control: max-age=86400\r\n");
    QTest::newRow("expired at once, still kept a week") << QByteArray("Cache-Control: max-age=0\r\n");
    QTest::newRow("expiry date in the past, still kept a week")
        << QByteArray("Expires: Thu, 01 Jan 2015 00:00:00 GMT\r\n");
    QTest::newRow("no expiry given") << QByteArray();
}

void tst_MapView::fetchesRendersAndCaches()
{
    QFETCH(QByteArray, cacheHeaders);
    TileServer server;
    QVERIFY(server.isListening());
    server.cacheHeaders = cacheHeaders;
    MapSettings settings;
    settings.standardUrl = server.urlTemplate();
    settings.userAgentContact = QStringLiteral("maps@example.org");
    settings.cacheDirectory = dir_.path() + QStringLiteral("/cache-") + QString::fromLatin1(QTest::currentDataTag());

    MapView map(settings);
    map.resize(360, 640);
    showRegion(map, kPrague, 800);
    QVERIFY(map.pendingTileCount() > 0);
    QTRY_COMPARE(map.pendingTileCount(), 0);
    QVERIFY(!map.isOffline());
    const qsizetype fetched = server.requests.size();
    QVERIFY(fetched >= 4);
    QVERIFY(server.userAgents.first().startsWith("Quorvel/"));
    QVERIFY(server.userAgents.first().contains("maps@example.org"));

    // The tile under the centre is drawn there, in its own colour.
    const QImage frame = map.grab().toImage();
    const QPoint probe = map.pointForCoordinate(kPrague).toPoint() + QPoint(40, 40);
    const TileKey key = tileAt(map.coordinateForPoint(probe), map.currentTileZoom());
    const QColor expected = tileColour(key.z, key.x, key.y);
    QVERIFY2(sameColour(frame.pixelColor(probe), expected), qPrintable(describe(frame.pixelColor(probe))));
    QVERIFY(map.attributionText().contains(QStringLiteral("© OpenStreetMap contributors")));

    // Drawn again: no request. A new map (empty memory) over the same disk cache: none either.
    map.grab();
    MapView second(settings);
    second.resize(360, 640);
    showRegion(second, kPrague, 800);
    QTRY_COMPARE(second.pendingTileCount(), 0);
    QVERIFY2(server.requests.size() == fetched, qPrintable(server.requests.join(' ') + QStringLiteral(" first %1").arg(fetched)));
    const QImage again = second.grab().toImage();
    QVERIFY(sameColour(again.pixelColor(probe), expected));
}

void tst_MapView::staleCopyWhenTheServerIsGone()
{
    TileServer server;
    server.cacheHeaders = "Cache-Control: max-age=0\r\n";
    HttpTileSource::Options o;
    o.urlTemplate = server.urlTemplate();
    o.cacheDirectory = dir_.path() + QStringLiteral("/stale");
    o.minimumFreshDays = 0; // expired as soon as stored
    HttpTileSource source(o);
    QSignalSpy ready(&source, &TileSource::tileReady);
    QSignalSpy failed(&source, &TileSource::tileFailed);
    source.requestTile({3, 4, 2});
    QVERIFY(ready.wait(5000));
    server.close();
    source.requestTile({3, 4, 2});
    QVERIFY(ready.wait(5000));
    QCOMPARE(failed.size(), 0);
    QCOMPARE(ready.last().at(1).value<QImage>().pixelColor(5, 5), tileColour(3, 4, 2));
    // A tile never fetched has no copy: it fails, with the network's reason.
    source.requestTile({3, 5, 2});
    QVERIFY(failed.wait(5000));
    QVERIFY(failed.last().at(1).toString().contains(QStringLiteral("refused"), Qt::CaseInsensitive));
}

void tst_MapView::serverErrorLeavesGridAndPins_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("serverUp");
    QTest::newRow("server fault") << 500 << true;
    QTest::newRow("tile not found") << 404 << true;
    QTest::newRow("server gone") << 200 << false;
}

void tst_MapView::serverErrorLeavesGridAndPins()
{
    QFETCH(int, status);
    QFETCH(bool, serverUp);
    TileServer server;
    server.status = status;
    MapSettings settings;
    settings.standardUrl = server.urlTemplate();
    settings.cacheDirectory = dir_.path() + QStringLiteral("/errors-") + QString::fromLatin1(QTest::currentDataTag());
    if (!serverUp)
        server.close();
    MapView map(settings);
    map.resize(360, 640);
    showRegion(map, kPrague, 800);
    auto pin = std::make_unique<PointAnnotation>();
    pin->setCoordinate(kPrague);
    map.addAnnotation(std::move(pin));
    QTRY_COMPARE(map.pendingTileCount(), 0);
    QVERIFY(map.isOffline());
    QVERIFY(!map.offlineNote().isEmpty());
    const QImage frame = map.grab().toImage();
    // The grid's colour away from everything, the pin's red at its head.
    QVERIFY2(sameColour(frame.pixelColor(60, 300), QColor(238, 240, 233), 20), qPrintable(describe(frame.pixelColor(60, 300))));
    const QPoint head = map.pointForCoordinate(kPrague).toPoint() - QPoint(0, 23);
    const QColor red = frame.pixelColor(head);
    QVERIFY2(red.red() > 150 && red.green() < 110, qPrintable(describe(red)));
    QVERIFY(map.attributionText().contains(QStringLiteral("© OpenStreetMap contributors")));
}

void tst_MapView::rendersMBTilesAtTheirPlaces_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("metres");
    QTest::newRow("Prague, street level") << 50.0875 << 14.4213 << 800.0;
    QTest::newRow("southern hemisphere rows flip too") << -33.8688 << 151.2093 << 5000.0;
    QTest::newRow("town level") << 64.1466 << -21.9426 << 20000.0;
}

void tst_MapView::rendersMBTilesAtTheirPlaces()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, metres);
    const LocationCoordinate2D centre{latitude, longitude};
    MapView map(noTiles());
    map.resize(360, 640);
    showRegion(map, centre, metres);
    const int z = map.currentTileZoom();
    // Every tile the view could touch, around the centre.
    QList<std::tuple<int, int, int>> tiles;
    const TileKey c = tileAt(centre, z);
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -3; dy <= 3; ++dy)
            tiles.append({z, c.x + dx, c.y + dy});
    const QString path = dir_.path() + QStringLiteral("/%1.mbtiles").arg(QTest::currentDataTag());
    QVERIFY(writeMBTiles(path, tiles, QStringLiteral("Test tiles")));
    MapSettings settings = noTiles();
    settings.standardMBTiles = path;
    map.setSettings(settings);
    QTRY_COMPARE(map.pendingTileCount(), 0);
    QVERIFY(!map.isOffline());
    const QImage frame = map.grab().toImage();
    for (QPoint probe : {QPoint(30, 60), QPoint(330, 60), QPoint(180, 200), QPoint(40, 560), QPoint(320, 520)}) {
        const TileKey key = tileAt(map.coordinateForPoint(probe), z);
        QVERIFY2(sameColour(frame.pixelColor(probe), tileColour(key.z, key.x, key.y)),
                 qPrintable(QStringLiteral("%1,%2: %3 for tile %4/%5/%6")
                                .arg(probe.x()).arg(probe.y()).arg(describe(frame.pixelColor(probe)))
                                .arg(key.z).arg(key.x).arg(key.y)));
    }
    QVERIFY(map.attributionText().contains(QStringLiteral("Test tiles")));
    QVERIFY(map.attributionText().contains(QStringLiteral("© OpenStreetMap contributors")));
}

void tst_MapView::mbtilesFirstThenServer()
{
    TileServer server;
    MapView map(noTiles());
    map.resize(360, 640);
    showRegion(map, kPrague, 800);
    const int z = map.currentTileZoom();
    const TileKey c = tileAt(kPrague, z);
    const QString path = dir_.path() + QStringLiteral("/one.mbtiles");
    QVERIFY(writeMBTiles(path, {{z, c.x, c.y}}));
    MapSettings settings;
    settings.standardUrl = server.urlTemplate();
    settings.standardMBTiles = path;
    settings.cacheDirectory = dir_.path() + QStringLiteral("/chain");
    map.setSettings(settings);
    QTRY_COMPARE(map.pendingTileCount(), 0);
    // The file's tile was not asked of the server; the others were.
    const QString own = QStringLiteral("/%1/%2/%3.png").arg(z).arg(c.x).arg(c.y);
    QVERIFY(!server.requests.contains(own));
    QVERIFY(!server.requests.isEmpty());
}

void tst_MapView::worldViewOverStreetTilesAsksForNothing()
{
    const QString path = dir_.path() + QStringLiteral("/fine.mbtiles");
    const TileKey c = tileAt(kPrague, 16);
    QVERIFY(writeMBTiles(path, {{16, c.x, c.y}}));
    MapSettings settings = noTiles();
    settings.standardMBTiles = path;
    MapView map(settings);
    map.resize(360, 640);
    // The whole world over a file that starts at zoom 16: millions of tiles, none asked.
    map.setRegion({{0, 0}, {170, 360}}, false);
    QCOMPARE(map.pendingTileCount(), 0);
    QVERIFY(map.isOffline());
    QVERIFY(!map.grab().isNull());
    showRegion(map, kPrague, 800);
    QTRY_COMPARE(map.pendingTileCount(), 0);
    QVERIFY(!map.isOffline());
}

void tst_MapView::unusableMBTilesFallBackToTheGrid_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not a database") << QByteArray("this is not sqlite");
    QTest::newRow("database without tiles") << QByteArray("sqlite-empty");
}

void tst_MapView::unusableMBTilesFallBackToTheGrid()
{
    QFETCH(QByteArray, content);
    const QString path = dir_.path() + QStringLiteral("/bad-%1.mbtiles").arg(QTest::currentDataTag());
    if (content == "sqlite-empty") {
        QVERIFY(writeMBTiles(path, {}));
    } else if (!content.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    MapSettings settings = noTiles();
    settings.standardMBTiles = path;
    LogCapture log;
    MapView map(settings);
    map.resize(360, 640);
    showRegion(map, kPrague, 800);
    QTRY_COMPARE(map.pendingTileCount(), 0);
    QVERIFY(map.isOffline());
    QVERIFY(!map.grab().isNull());
    if (content.isEmpty())
        QVERIFY(log.lines().join('\n').contains(QStringLiteral("MBTiles file not found")));
}

void tst_MapView::satelliteTilesAndAttribution()
{
    TileServer server;
    MapView map(noTiles());
    map.resize(360, 640);
    showRegion(map, kPrague, 800);
    map.setMapType(MapType::Satellite);
    QVERIFY(map.isOffline()); // none set up by default
    QCOMPARE(map.offlineNote(), localizedText("MAP_NO_SATELLITE"));
    QVERIFY(map.attributionText().isEmpty());

    MapSettings settings = noTiles();
    settings.satelliteUrl = server.urlTemplate();
    settings.satelliteAttribution = QStringLiteral("Imagery © Test Orbit");
    settings.cacheDirectory = dir_.path() + QStringLiteral("/sat");
    map.setSettings(settings);
    QTRY_COMPARE(map.pendingTileCount(), 0);
    QVERIFY(!map.isOffline());
    QVERIFY(!server.requests.isEmpty());
    QCOMPARE(map.attributionText(), QStringLiteral("Imagery © Test Orbit"));

    // Back to standard: the satellite tiles are not shown as the map's.
    map.setMapType(MapType::Standard);
    QVERIFY(map.isOffline());
    QVERIFY(map.attributionText().contains(QStringLiteral("© OpenStreetMap contributors")));
}

void tst_MapView::deviceSettingsFile()
{
    const QString path = MapSettings::deviceSettingsPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QSettings ini(path, QSettings::IniFormat);
        ini.setValue(QStringLiteral("mail/from"), QStringLiteral("someone@example.org")); // other groups stay
        ini.setValue(QStringLiteral("map/standard-url"), QString());
        ini.setValue(QStringLiteral("map/satellite-url"), QStringLiteral("http://127.0.0.1:9/{z}/{x}/{y}.jpg"));
        ini.setValue(QStringLiteral("map/satellite-attribution"), QStringLiteral("Pictures: somebody"));
        ini.setValue(QStringLiteral("map/satellite-mbtiles"), QStringLiteral("tiles/sat.mbtiles"));
        ini.setValue(QStringLiteral("map/user-agent-contact"), QStringLiteral("me@example.org\r\nX-Evil: 1"));
    }
    const MapSettings s = MapSettings::fromDeviceSettings();
    QVERIFY(s.standardUrl.isEmpty());
    QCOMPARE(s.satelliteUrl, QStringLiteral("http://127.0.0.1:9/{z}/{x}/{y}.jpg"));
    QCOMPARE(s.satelliteAttribution, QStringLiteral("Pictures: somebody"));
    QCOMPARE(s.satelliteMBTiles, QFileInfo(path).absolutePath() + QStringLiteral("/tiles/sat.mbtiles"));
    // A contact cannot smuggle a header into the requests.
    QVERIFY(!s.userAgent().contains('\n'));
    QVERIFY(!s.userAgent().contains('\r'));
    QFile::remove(path);
    const MapSettings defaults = MapSettings::fromDeviceSettings();
    QCOMPARE(defaults.standardUrl, QStringLiteral("https://tile.openstreetmap.org/{z}/{x}/{y}.png"));
    QVERIFY(defaults.satelliteUrl.isEmpty());
    QVERIFY2(defaults.userAgent().startsWith("Quorvel/" QUORVEL_VERSION " "), defaults.userAgent().constData());
    QVERIFY(defaults.userAgent().contains("quorvel.example.org"));
}

void tst_MapView::onlyLoopbackUnderTheTestPolicy_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("127.0.0.1") << "http://127.0.0.1:8080/1/2/3.png" << true;
    QTest::newRow("localhost") << "http://localhost/1/2/3.png" << true;
    QTest::newRow("IPv6 loopback") << "http://[::1]:81/1/2/3.png" << true;
    QTest::newRow("the public tile server") << "https://tile.openstreetmap.org/1/2/3.png" << false;
    QTest::newRow("a private address") << "http://10.1.2.3/1/2/3.png" << false;
}

void tst_MapView::onlyLoopbackUnderTheTestPolicy()
{
    QFETCH(QString, url);
    QFETCH(bool, allowed);
    QCOMPARE(qgetenv("QUORVEL_NETWORK"), QByteArray("loopback"));
    QCOMPARE(HttpTileSource::networkAllowed(QUrl(url)), allowed);
    // The default map is then simply offline, without a single request.
    if (!allowed) {
        MapView map{MapSettings{}};
        map.resize(360, 640);
        showRegion(map, kPrague, 800);
        QCOMPARE(map.pendingTileCount(), 0);
        QVERIFY(map.isOffline());
    }
}

void tst_MapView::offlineShowsNearbyPlaces()
{
    FakePlaces places;
    places.places = {{QStringLiteral("Staré Město"), {50.0870, 14.4200}}, {QStringLiteral("Josefov"), {50.0900, 14.4180}}};
    MapView map(noTiles());
    map.resize(360, 640);
    map.setNearbyPlaces(&places);
    showRegion(map, kPrague, 800);
    QVERIFY(map.isOffline());
    QVERIFY(!places.asked.isEmpty());
    QVERIFY(std::abs(places.asked.last().latitude - kPrague.latitude) < 1e-6);
    // A label is drawn beside its place: dark text pixels above the point.
    const QImage frame = map.grab().toImage();
    const QPoint at = map.pointForCoordinate(places.places[1].coordinate).toPoint();
    int dark = 0;
    for (int x = at.x() - 20; x < at.x() + 20; ++x)
        for (int y = at.y() - 20; y < at.y() - 5; ++y)
            dark += frame.pixelColor(x, y).lightness() < 100;
    QVERIFY2(dark > 10, qPrintable(QString::number(dark)));
}

void tst_MapView::clickOnPinShowsCallout()
{
    MapView map(noTiles());
    map.resize(360, 640);
    showRegion(map, kPrague, 800);
    auto pin = std::make_unique<PointAnnotation>();
    pin->setCoordinate(kPrague);
    pin->setTitle(QStringLiteral("Where am I?"));
    const PointAnnotation* raw = pin.get();
    map.addAnnotation(std::move(pin));
    const QPoint head = map.pointForCoordinate(kPrague).toPoint() - QPoint(0, 23);
    QTest::mouseClick(&map, Qt::LeftButton, {}, head);
    QCOMPARE(map.selectedAnnotation(), raw);
    QTest::mouseClick(&map, Qt::LeftButton, {}, QPoint(20, 600));
    QCOMPARE(map.selectedAnnotation(), nullptr);
    map.selectAnnotation(raw);
    QTest::keyClick(&map, Qt::Key_Escape);
    QCOMPARE(map.selectedAnnotation(), nullptr);
}

// Pinching, a double tap and the zoom buttons, as a finger on a touch screen does them.
void tst_MapView::fingersAndButtonsZoom_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("direction");
    QTest::newRow("fingers apart") << QStringLiteral("pinch 60 180") << 1;
    QTest::newRow("fingers together") << QStringLiteral("pinch 180 60") << -1;
    QTest::newRow("double tap") << QStringLiteral("double tap") << 1;
    QTest::newRow("two taps far apart") << QStringLiteral("two taps") << 0;
    QTest::newRow("zoom in button") << QStringLiteral("zoomInButton") << 1;
    QTest::newRow("zoom out button") << QStringLiteral("zoomOutButton") << -1;
}

void tst_MapView::fingersAndButtonsZoom()
{
    QFETCH(QString, gesture);
    QFETCH(int, direction);
    static QPointingDevice* finger = QTest::createTouchDevice();
    MapView map(noTiles());
    map.resize(360, 640);
    map.show();
    QVERIFY(QTest::qWaitForWindowExposed(&map));
    showRegion(map, kPrague, 5000);
    QTRY_VERIFY(!map.isAnimatingRegion());
    const double before = map.zoomLevel();
    QWindow* window = map.windowHandle();
    const QPoint mid(180, 320);
    if (gesture.startsWith(QLatin1String("pinch"))) {
        const QStringList gap = gesture.split(u' ');
        const int from = gap.at(1).toInt() / 2, to = gap.at(2).toInt() / 2;
        QTest::touchEvent(window, finger).press(0, mid - QPoint(from, 0), window).press(1, mid + QPoint(from, 0), window);
        for (int i = 1; i <= 6; ++i) {
            const int half = from + (to - from) * i / 6;
            QTest::touchEvent(window, finger).move(0, mid - QPoint(half, 0), window).move(1, mid + QPoint(half, 0), window);
        }
        QTest::touchEvent(window, finger).release(0, mid - QPoint(to, 0), window).release(1, mid + QPoint(to, 0), window);
    } else if (gesture.endsWith(QLatin1String("taps")) || gesture.endsWith(QLatin1String("tap"))) {
        const QPoint second = gesture == QLatin1String("two taps") ? mid + QPoint(120, 0) : mid + QPoint(2, 2);
        QTest::touchEvent(window, finger).press(0, mid, window);
        QTest::touchEvent(window, finger).release(0, mid, window);
        QTest::qWait(60);
        QTest::touchEvent(window, finger).press(0, second, window);
        QTest::touchEvent(window, finger).release(0, second, window);
    } else {
        auto* button = map.findChild<QPushButton*>(gesture);
        QVERIFY(button && button->isVisible());
        QVERIFY(!button->accessibleName().isEmpty());
        QVERIFY(button->width() >= 40 && button->height() >= 40);
        QVERIFY(map.rect().contains(button->geometry()));
        QTest::touchEvent(window, finger).press(0, button->geometry().center(), window);
        QTest::touchEvent(window, finger).release(0, button->geometry().center(), window);
    }
    QTRY_VERIFY(!map.isAnimatingRegion());
    if (direction > 0)
        QVERIFY2(map.zoomLevel() > before + 0.5, qPrintable(QString::number(map.zoomLevel() - before)));
    else if (direction < 0)
        QVERIFY2(map.zoomLevel() < before - 0.5, qPrintable(QString::number(map.zoomLevel() - before)));
    else
        QCOMPARE(map.zoomLevel(), before);
}

// A pin is hit anywhere in a square a finger covers around it, and not beyond.
void tst_MapView::pinsAreEasyToHit_data()
{
    QTest::addColumn<QPoint>("offset"); // from the pin's point
    QTest::addColumn<bool>("hits");
    QTest::newRow("head") << QPoint(0, -23) << true;
    QTest::newRow("left of the head") << QPoint(-20, -23) << true;
    QTest::newRow("right of the head") << QPoint(20, -23) << true;
    QTest::newRow("above the head") << QPoint(0, -38) << true;
    QTest::newRow("below the point") << QPoint(0, 4) << true;
    QTest::newRow("too far left") << QPoint(-24, -17) << false;
    QTest::newRow("too far below") << QPoint(0, 8) << false;
}

void tst_MapView::pinsAreEasyToHit()
{
    QFETCH(QPoint, offset);
    QFETCH(bool, hits);
    MapView map(noTiles());
    map.resize(360, 640);
    showRegion(map, kPrague, 800);
    auto pin = std::make_unique<PointAnnotation>();
    pin->setCoordinate(kPrague);
    const PointAnnotation* raw = pin.get();
    map.addAnnotation(std::move(pin));
    QTest::mouseClick(&map, Qt::LeftButton, {}, map.pointForCoordinate(kPrague).toPoint() + offset);
    QCOMPARE(map.selectedAnnotation(), hits ? raw : nullptr);
}

// On a screen of two or three device pixels to the logical one, the tiles are those of the
// next zoom level, so that a tile's pixel falls on a device pixel.
void tst_MapView::tilesMatchTheScreensPixels_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("tileZoom");
    QTest::newRow("ratio 1") << 1.0 << 10.2 << 10;
    QTest::newRow("ratio 2") << 2.0 << 10.2 << 11;
    QTest::newRow("ratio 3") << 3.0 << 10.2 << 12;
    QTest::newRow("ratio 2, deepest tiles") << 2.0 << 19.4 << 19;
}

void tst_MapView::tilesMatchTheScreensPixels()
{
    QFETCH(double, ratio);
    QFETCH(double, zoom);
    QFETCH(int, tileZoom);
    TileLoader loader([] { return TileLoader::View{}; });
    loader.setDevicePixelRatio(ratio);
    QCOMPARE(loader.tileZoom(zoom), tileZoom);
}

void tst_MapView::userLocationFromTheSource()
{
    FakeSource source;
    RecordingDelegate delegate;
    MapView map(noTiles());
    map.resize(360, 640);
    map.setDelegate(&delegate);
    map.setUserLocationSource(&source);
    source.deliver(1, 1);
    QVERIFY(delegate.updates.isEmpty()); // not showing the user yet
    map.setShowsUserLocation(true);
    QCOMPARE(source.starts, 0); // not on screen
    map.show();
    QCOMPARE(source.starts, 1);
    source.deliver(50.1, 14.4);
    source.deliver(50.2, 14.5);
    QCOMPARE(delegate.updates.size(), 2);
    QCOMPARE(delegate.updates[1].latitude, 50.2);
    QCOMPARE(map.userLocation()->location->coordinate.longitude, 14.5);
    map.hide();
    QCOMPARE(source.stops, 1);
}

void tst_MapView::followsOnlyWhileItsWindowCanBeSeen_data()
{
    using Change = std::function<void(QWidget&)>;
    QTest::addColumn<Change>("away");
    QTest::addColumn<Change>("back");
    // A minimised window's widgets stay visible to Qt: the window's sight decides.
    QTest::newRow("minimised") << Change([](QWidget& w) { w.showMinimized(); }) << Change([](QWidget& w) { w.showNormal(); });
    QTest::newRow("hidden") << Change([](QWidget& w) { w.hide(); }) << Change([](QWidget& w) { w.show(); });
}

void tst_MapView::followsOnlyWhileItsWindowCanBeSeen()
{
    QFETCH(std::function<void(QWidget&)>, away);
    QFETCH(std::function<void(QWidget&)>, back);
    FakeSource source;
    QWidget window;
    window.resize(360, 640);
    auto* layout = new QVBoxLayout(&window);
    auto* map = new MapView(noTiles());
    layout->addWidget(map);
    map->setUserLocationSource(&source);
    map->setShowsUserLocation(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(source.starts, 1);
    away(window);
    QTRY_COMPARE(source.stops, 1);
    // The window system's own report of the change comes later; restoring before it would be
    // undone by it.
    QTest::qWait(100);
    back(window);
    QTRY_COMPARE(source.starts, 2);
    QTest::qWait(50);
    QCOMPARE(source.stops, 1);
}

void tst_MapView::turningTheViewKeepsCentreAndScale()
{
    MapView map(noTiles());
    map.resize(360, 640);
    showRegion(map, kPrague, 800);
    const CoordinateRegion portrait = map.region();
    map.resize(640, 360);
    map.show();
    const CoordinateRegion landscape = map.region();
    QVERIFY(std::abs(landscape.center.latitude - kPrague.latitude) < 1e-9);
    QVERIFY(std::abs(landscape.center.longitude - kPrague.longitude) < 1e-9);
    // Same metres per pixel: the spans swap their proportions.
    QVERIFY(std::abs(landscape.span.longitudeDelta / portrait.span.longitudeDelta - 640.0 / 360.0) < 1e-6);
    QVERIFY(landscape.span.latitudeDelta < portrait.span.latitudeDelta);
}

void tst_MapView::animatedRegionChange()
{
    MapView map(noTiles());
    map.resize(360, 640);
    map.show();
    showRegion(map, {0, 0}, 100000);
    QSignalSpy done(&map, &MapView::regionDidChangeAnimated);
    const CoordinateRegion target = map.regionThatFits(MKCoordinateRegionMakeWithDistance(kPrague, 800, 800));
    map.setRegion(target, true);
    QVERIFY(map.isAnimatingRegion());
    QVERIFY(map.region().center.latitude < 1); // not there yet
    QVERIFY(done.wait(2000));
    QCOMPARE(done.last().at(0).toBool(), true);
    QVERIFY(!map.isAnimatingRegion());
    QVERIFY(std::abs(map.region().center.latitude - kPrague.latitude) < 1e-9);
    QVERIFY(std::abs(map.region().span.latitudeDelta - target.span.latitudeDelta) < 1e-7);
    QVERIFY(std::abs(map.region().span.longitudeDelta - target.span.longitudeDelta) < 1e-7);
}

void tst_MapView::accessibleDescription_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("fix");
    QTest::addColumn<LocationCoordinate2D>("at");
    QTest::addColumn<QList<NearbyPlace>>("places");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const QString offline = QStringLiteral(" Map offline: no tiles to show");
    // The most notable place comes first from the index; the nearest is what is said.
    const QList<NearbyPlace> prague{{QStringLiteral("Praha"), {50.0755, 14.4378}},
                                    {QStringLiteral("Staré Město"), {50.0870, 14.4210}}};
    QTest::newRow("before a fix") << "en" << false << kPrague << prague << "Map"
                                  << QStringLiteral("Waiting for your position.") + offline;
    QTest::newRow("nearest place, not the first") << "en" << true << kPrague << prague << "Map"
                                                  << "Your position: 50.08750° N, 14.42130° E, near Staré Město." + offline;
    QTest::newRow("no place within reach") << "en" << true << LocationCoordinate2D{-33.8688, -151.2093} << prague << "Map"
                                           << "Your position: 33.86880° S, 151.20930° W." + offline;
    QTest::newRow("Czech") << "cs" << false << kPrague << prague << "Mapa"
                           << QStringLiteral("Čeká se na vaši polohu. Mapa offline: nejsou dlaždice k zobrazení");
}

void tst_MapView::accessibleDescription()
{
    QFETCH(QString, language);
    QFETCH(bool, fix);
    QFETCH(LocationCoordinate2D, at);
    QFETCH(QList<NearbyPlace>, places);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QVERIFY(StringTable::load(language));
    FakeSource source;
    FakePlaces nearby;
    nearby.places = places;
    MapView map(noTiles());
    map.resize(360, 640);
    map.setNearbyPlaces(&nearby);
    map.setUserLocationSource(&source);
    map.setShowsUserLocation(true);
    map.show();
    if (fix)
        source.deliver(at.latitude, at.longitude);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&map);
    QCOMPARE(iface->role(), QAccessible::Graphic);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
    StringTable::load(QStringLiteral("en"));
}

void tst_MapView::pinsAreNamedChildren()
{
    MapView map(noTiles());
    map.resize(360, 640);
    map.show();
    showRegion(map, kPrague, 800);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&map);
    QCOMPARE(iface->childCount(), 0);
    for (double dLat : {0.0, 0.001, -0.001}) {
        auto pin = std::make_unique<PointAnnotation>();
        pin->setCoordinate({kPrague.latitude + dLat, kPrague.longitude});
        pin->setTitle(QStringLiteral("Where am I?"));
        pin->setSubtitle(QStringLiteral("I'm here!!!"));
        map.addAnnotation(std::move(pin));
    }
    QCOMPARE(iface->childCount(), 3);
    QAccessibleInterface* second = iface->child(1);
    QCOMPARE(second->role(), QAccessible::Button);
    QCOMPARE(second->text(QAccessible::Name), QStringLiteral("Where am I?"));
    QCOMPARE(second->text(QAccessible::Description), QStringLiteral("I'm here!!!, 50.08850° N, 14.42130° E"));
    QCOMPARE(second->parent(), iface);
    QCOMPARE(iface->indexOfChild(second), 1);
    QCOMPARE(iface->child(1), second); // the same interface each time it is asked for
    // A pin stands where it is drawn, so pointing at it finds it.
    const QPoint head = second->rect().center();
    QCOMPARE(iface->childAt(head.x(), head.y()), second);
    // Pressing a pin shows its callout.
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(map.selectedAnnotation(), map.annotations()[1]);
    QVERIFY(second->state().selected);

    map.removeAllAnnotations();
    QCOMPARE(iface->childCount(), 0);
    QVERIFY(!second->isValid());
    QVERIFY(second->text(QAccessible::Name).isEmpty());
    QVERIFY(!iface->child(0));
}

QTEST_MAIN(tst_MapView)
#include "tst_mapview.moc"
