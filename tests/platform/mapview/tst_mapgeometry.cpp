// Region arithmetic of the map: regions from distances, fitting a region to the view's
// shape, and the zoom that shows a region.
#include "platform/mapview/MapGeometry.h"

#include <QTest>
#include <cmath>

class tst_MapGeometry : public QObject {
    Q_OBJECT
private slots:
    void regionFromDistance_data();
    void regionFromDistance();
    void regionThatFits_data();
    void regionThatFits();
    void zoomShowsTheFittedRegion_data();
    void zoomShowsTheFittedRegion();
    void projectionRoundTrips();
    void wrapLongitude_data();
    void wrapLongitude();
};

void tst_MapGeometry::regionFromDistance_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("metres");
    QTest::addColumn<double>("latitudeDelta");
    QTest::addColumn<double>("longitudeDelta");
    // One degree of a meridian is 111,194.9 m on the mean Earth radius.
    QTest::newRow("equator: a square is as many degrees both ways") << 0.0 << 800.0 << 0.0071946 << 0.0071946;
    QTest::newRow("50 degrees north: longitude widens by 1/cos") << 50.0 << 800.0 << 0.0071946 << 0.0111927;
    QTest::newRow("southern hemisphere is symmetric") << -50.0 << 800.0 << 0.0071946 << 0.0111927;
    QTest::newRow("zero metres give a point") << 50.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("at the pole any width is the whole circle") << 90.0 << 800.0 << 0.0071946 << 360.0;
    QTest::newRow("more than the Earth is capped") << 0.0 << 1e9 << 180.0 << 360.0;
}

void tst_MapGeometry::regionFromDistance()
{
    QFETCH(double, latitude);
    QFETCH(double, metres);
    QFETCH(double, latitudeDelta);
    QFETCH(double, longitudeDelta);
    const CoordinateRegion r = MKCoordinateRegionMakeWithDistance({latitude, 14.42}, metres, metres);
    QCOMPARE(r.center.latitude, latitude);
    QCOMPARE(r.center.longitude, 14.42);
    QVERIFY2(std::abs(r.span.latitudeDelta - latitudeDelta) < 1e-6, qPrintable(QString::number(r.span.latitudeDelta, 'g', 10)));
    QVERIFY2(std::abs(r.span.longitudeDelta - longitudeDelta) < 1e-6, qPrintable(QString::number(r.span.longitudeDelta, 'g', 10)));
}

void tst_MapGeometry::regionThatFits_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<QSizeF>("view");
    QTest::addColumn<bool>("widensLatitude");
    QTest::newRow("tall phone view: taller region") << 50.0 << QSizeF(360, 552) << true;
    QTest::newRow("wide view: wider region") << 50.0 << QSizeF(640, 300) << false;
    QTest::newRow("equator, tall view") << 0.0 << QSizeF(360, 640) << true;
    QTest::newRow("far north, wide view") << 78.2 << QSizeF(800, 200) << false;
}

void tst_MapGeometry::regionThatFits()
{
    QFETCH(double, latitude);
    QFETCH(QSizeF, view);
    QFETCH(bool, widensLatitude);
    const CoordinateRegion r = MKCoordinateRegionMakeWithDistance({latitude, 14.42}, 800, 800);
    const CoordinateRegion f = MapGeometry::regionThatFits(r, view);
    QCOMPARE(f.center.latitude, r.center.latitude);
    QCOMPARE(f.center.longitude, r.center.longitude);
    // One span kept, the other widened, never narrowed: the asked-for square stays visible.
    if (widensLatitude) {
        QCOMPARE(f.span.longitudeDelta, r.span.longitudeDelta);
        QVERIFY(f.span.latitudeDelta > r.span.latitudeDelta);
    } else {
        QCOMPARE(f.span.latitudeDelta, r.span.latitudeDelta);
        QVERIFY(f.span.longitudeDelta > r.span.longitudeDelta);
    }
    const QSizeF m = MapGeometry::mercatorSize(f);
    QVERIFY2(std::abs(m.width() / m.height() - view.width() / view.height()) < 1e-6,
             qPrintable(QString::number(m.width() / m.height())));
    // Fitting again changes nothing.
    const CoordinateRegion again = MapGeometry::regionThatFits(f, view);
    QVERIFY(std::abs(again.span.latitudeDelta - f.span.latitudeDelta) < 1e-9);
    QVERIFY(std::abs(again.span.longitudeDelta - f.span.longitudeDelta) < 1e-9);
}

void tst_MapGeometry::zoomShowsTheFittedRegion_data()
{
    regionThatFits_data();
}

void tst_MapGeometry::zoomShowsTheFittedRegion()
{
    QFETCH(double, latitude);
    QFETCH(QSizeF, view);
    const CoordinateRegion f = MapGeometry::regionThatFits(MKCoordinateRegionMakeWithDistance({latitude, 14.42}, 800, 800), view);
    const double zoom = MapGeometry::zoomToFit(f, view);
    const CoordinateRegion shown = MapGeometry::regionForZoom(f.center, zoom, view);
    QVERIFY(std::abs(shown.span.latitudeDelta - f.span.latitudeDelta) < 1e-7);
    QVERIFY(std::abs(shown.span.longitudeDelta - f.span.longitudeDelta) < 1e-7);
    // 800 m across a 360-pixel phone is a street-level zoom.
    if (view.width() == 360)
        QVERIFY2(zoom > 15 && zoom < 18, qPrintable(QString::number(zoom)));
}

void tst_MapGeometry::projectionRoundTrips()
{
    for (double lat : {-85.0, -33.9, 0.0, 50.0875, 85.0})
        for (double lon : {-179.9, -0.1, 14.4213, 179.9}) {
            const LocationCoordinate2D back = MapGeometry::unproject(MapGeometry::project({lat, lon}));
            QVERIFY(std::abs(back.latitude - lat) < 1e-9);
            QVERIFY(std::abs(back.longitude - lon) < 1e-9);
        }
    QCOMPARE(MapGeometry::project({0, 0}), QPointF(0.5, 0.5));
    QVERIFY(std::abs(MapGeometry::mercatorY(MapGeometry::kMaxLatitude)) < 1e-9);
    QCOMPARE(MapGeometry::mercatorY(89.9), MapGeometry::mercatorY(MapGeometry::kMaxLatitude));
}

void tst_MapGeometry::wrapLongitude_data()
{
    QTest::addColumn<double>("in");
    QTest::addColumn<double>("out");
    QTest::newRow("inside stays") << 14.5 << 14.5;
    QTest::newRow("past the antimeridian east") << 190.0 << -170.0;
    QTest::newRow("past the antimeridian west") << -190.0 << 170.0;
    QTest::newRow("several turns") << 725.0 << 5.0;
}

void tst_MapGeometry::wrapLongitude()
{
    QFETCH(double, in);
    QFETCH(double, out);
    QVERIFY(std::abs(MapGeometry::wrapLongitude(in) - out) < 1e-9);
}

QTEST_GUILESS_MAIN(tst_MapGeometry)
#include "tst_mapgeometry.moc"
