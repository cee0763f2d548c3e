#include "coords/MapLink.h"
#include "platform/foundation/DeviceSettings.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <QUrl>
#include <QUrlQuery>

#include <cmath>
#include <limits>

class tst_MapLink : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void plusCode_data();
    void plusCode();
    void linksPointAtTheFix_data();
    void linksPointAtTheFix();
    void choiceIsRemembered();
};

void tst_MapLink::plusCode_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("code");
    // Codes as the npm package open-location-code 1.0.3 (an independent implementation)
    // gives them, among them rows of the format's published test data.
    QTest::newRow("Zurich") << 47.365590 << 8.524997 << "8FVC9G8F+6X";
    QTest::newRow("published: Wellington") << -41.2730625 << 174.7859375 << "4VCPPQGP+Q9";
    QTest::newRow("published: cell centre") << 20.3700625 << 2.7821875 << "7FG49QCJ+2V";
    QTest::newRow("published: south-west corner") << -89.9999375 << -179.9999375 << "22222222+22";
    QTest::newRow("Prague") << 50.087465 << 14.421254 << "9F2P3CPC+XG";
    QTest::newRow("Sydney") << -33.8688 << 151.2093 << "4RRH46J5+FP";
    QTest::newRow("exactly 0") << 0.0 << 0.0 << "6FG22222+22";
    QTest::newRow("negative zero") << -0.0 << -0.0 << "6FG22222+22";
    QTest::newRow("north pole is the top row") << 90.0 << 0.0 << "CFX2X2X2+X2";
    QTest::newRow("south pole") << -90.0 << 0.0 << "2F222222+22";
    QTest::newRow("antimeridian 180 is -180") << 1.0 << 180.0 << "62H22222+22";
    QTest::newRow("antimeridian -180") << 1.0 << -180.0 << "62H22222+22";
    QTest::newRow("past the antimeridian wraps") << 1.0 << 181.0 << "62H32222+22";
    QTest::newRow("just short of both maxima") << 89.99999 << 179.99999 << "CVXXXXXX+XX";
}

void tst_MapLink::plusCode()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, code);
    QCOMPARE(MapLink::plusCode(latitude, longitude), code);
    QCOMPARE(MapLink::make(MapLink::Kind::PlusCode, latitude, longitude), code);
}

void tst_MapLink::linksPointAtTheFix_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("accuracy");
    QTest::addColumn<QString>("osm");
    QTest::addColumn<QString>("geo");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("Prague, 8 m") << 50.087462 << 14.421254 << 7.2
                                 << "https://www.openstreetmap.org/?mlat=50.08746&mlon=14.42125#map=17/50.08746/14.42125"
                                 << "geo:50.087462,14.421254;u=8";
    QTest::newRow("west and south, no accuracy") << -33.8688 << -70.5 << -1.0
                                                 << "https://www.openstreetmap.org/?mlat=-33.86880&mlon=-70.50000#map=17/-33.86880/-70.50000"
                                                 << "geo:-33.868800,-70.500000";
    QTest::newRow("NaN accuracy is unknown") << 1.0 << 2.0 << nan
                                             << "https://www.openstreetmap.org/?mlat=1.00000&mlon=2.00000#map=17/1.00000/2.00000"
                                             << "geo:1.000000,2.000000";
    QTest::newRow("negative zero loses its sign") << -0.0 << -0.000001 << 0.0
                                                  << "https://www.openstreetmap.org/?mlat=0.00000&mlon=0.00000#map=17/0.00000/0.00000"
                                                  << "geo:0.000000,-0.000001;u=0";
    QTest::newRow("pole: geo longitude is 0") << 90.0 << 14.0 << 3.0
                                              << "https://www.openstreetmap.org/?mlat=90.00000&mlon=14.00000#map=17/90.00000/14.00000"
                                              << "geo:90.000000,0.000000;u=3";
    QTest::newRow("antimeridian") << 10.0 << 180.0 << 5000.0
                                  << "https://www.openstreetmap.org/?mlat=10.00000&mlon=-180.00000#map=17/10.00000/-180.00000"
                                  << "geo:10.000000,-180.000000;u=5000";
    QTest::newRow("no coordinate, no link") << nan << 1.0 << 1.0 << "" << "";
}

void tst_MapLink::linksPointAtTheFix()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, accuracy);
    QFETCH(QString, osm);
    QFETCH(QString, geo);
    // A locale that writes a decimal comma must not reach a URL.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString osmLink = MapLink::make(MapLink::Kind::OpenStreetMap, latitude, longitude, accuracy);
    const QString geoLink = MapLink::make(MapLink::Kind::Geo, latitude, longitude, accuracy);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(osmLink, osm);
    QCOMPARE(geoLink, geo);
    if (osm.isEmpty())
        return;
    // Read back as a recipient's map would: the marker and the view both at the fix.
    const QUrl url(osmLink);
    QVERIFY(url.isValid());
    QCOMPARE(url.host(), QStringLiteral("www.openstreetmap.org"));
    const QUrlQuery query(url);
    const double wrapped = longitude >= 180 ? longitude - 360 : longitude;
    QVERIFY(std::abs(query.queryItemValue(QStringLiteral("mlat")).toDouble() - latitude) < 1e-5);
    QVERIFY(std::abs(query.queryItemValue(QStringLiteral("mlon")).toDouble() - wrapped) < 1e-5);
    QCOMPARE(url.fragment(), QStringLiteral("map=17/%1/%2").arg(query.queryItemValue(QStringLiteral("mlat")),
                                                               query.queryItemValue(QStringLiteral("mlon"))));
}

void tst_MapLink::choiceIsRemembered()
{
    using K = MapLink::Kind;
    QCOMPARE(MapLink::chosen(), K::OpenStreetMap);
    for (K kind : {K::Geo, K::PlusCode, K::OpenStreetMap}) {
        QVERIFY(MapLink::choose(kind));
        QCOMPARE(MapLink::chosen(), kind);
    }
    QVERIFY(DeviceSettings::setValue(QStringLiteral("message"), QStringLiteral("link"), QStringLiteral(" GEO ")));
    QCOMPARE(MapLink::chosen(), K::Geo);
    QVERIFY(DeviceSettings::setValue(QStringLiteral("message"), QStringLiteral("link"), QStringLiteral("bing")));
    QCOMPARE(MapLink::chosen(), K::OpenStreetMap);
}

QTEST_GUILESS_MAIN(tst_MapLink)
#include "tst_maplink.moc"
