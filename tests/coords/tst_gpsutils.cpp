#include "coords/GPSUtils.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <clocale>
#include <cstdio>

class tst_GPSUtils : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void workedResults_data();
    void workedResults();
    void codesSelectTheFormat_data();
    void codesSelectTheFormat();
    void decimalSeparatorIgnoresTheLocale();
    void outOfRangeValuesDoNotCrash();
};

void tst_GPSUtils::initTestCase()
{
    initTestEnvironment();
}

// Each row formats one coordinate, as latitude or longitude, and takes that element.
void tst_GPSUtils::workedResults_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("isLatitude");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");
    struct Row { const char* name; double v; bool lat; int code; const char* out; };
    const Row rows[] = {
        {"49.5 lat geocaching", 49.5, true, 0, "N 49° 30.000'"},
        {"-16.25 lon geocaching", -16.25, false, 0, "W 16° 15.000'"},
        {"49.5 lat wgs84", 49.5, true, 1, "N 49° 30' 0.000\""},
        {"-16.25 lon wgs84", -16.25, false, 1, "W 16° 15' 0.000\""},
        {"49.5 lat raw", 49.5, true, 2, "N 49.5000"},
        {"-16.25 lon raw keeps the sign", -16.25, false, 2, "W -16.2500"},
        {"-33.8568 lat geocaching", -33.8568, true, 0, "S 33° 51.408'"},
        {"151.2153 lon geocaching", 151.2153, false, 0, "E 151° 12.918'"},
        {"-33.8568 lat wgs84", -33.8568, true, 1, "S 33° 51' 24.480\""},
        {"151.2153 lon wgs84", 151.2153, false, 1, "E 151° 12' 55.080\""},
        {"-33.8568 lat raw", -33.8568, true, 2, "S -33.8568"},
        {"50.0833 lat wgs84 pads minutes", 50.0833, true, 1, "N 50°  4' 59.880\""},
        {"14.4167 lon wgs84", 14.4167, false, 1, "E 14° 25' 0.120\""},
        {"0.0 lat geocaching is south", 0.0, true, 0, "S 0° 0.000'"},
        {"0.0 lon geocaching is west", 0.0, false, 0, "W 0° 0.000'"},
        {"0.0 lat wgs84", 0.0, true, 1, "S 0°  0' 0.000\""},
        {"0.0 lat raw", 0.0, true, 2, "S 0.0000"},
        {"-0.0 lat geocaching", -0.0, true, 0, "S 0° 0.000'"},
        {"-0.0 lon raw", -0.0, false, 2, "W -0.0000"},
        {"-0.5 lat geocaching", -0.5, true, 0, "S 0° 30.000'"},
        {"-0.5 lat raw", -0.5, true, 2, "S -0.5000"},
        {"minutes not carried", 49.99999999, true, 0, "N 49° 60.000'"},
        {"seconds not carried", 49.99999999, true, 1, "N 49° 59' 60.000\""},
        {"raw rounds up", 49.99999999, true, 2, "N 50.0000"},
        {"180 lon wgs84", 180.0, false, 1, "E 180°  0' 0.000\""},
        {"-90 lat geocaching", -90.0, true, 0, "S 90° 0.000'"},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << r.v << r.lat << r.code << QString::fromUtf8(r.out);
}

void tst_GPSUtils::workedResults()
{
    QFETCH(double, value);
    QFETCH(bool, isLatitude);
    QFETCH(int, code);
    QFETCH(QString, expected);
    // The other coordinate is something unrelated, to show the two do not mix.
    const QStringList pair = isLatitude ? GPSUtils::format(code, value, 7.25) : GPSUtils::format(code, 7.25, value);
    QCOMPARE(pair.size(), 2);
    QCOMPARE(pair.at(isLatitude ? 0 : 1), expected);
}

void tst_GPSUtils::codesSelectTheFormat_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("expected");
    const QStringList geocaching{QStringLiteral("N 49° 30.000'"), QStringLiteral("W 16° 15.000'")};
    const QStringList wgs{QStringLiteral("N 49° 30' 0.000\""), QStringLiteral("W 16° 15' 0.000\"")};
    const QStringList raw{QStringLiteral("N 49.5000"), QStringLiteral("W -16.2500")};
    QTest::newRow("0 geocaching") << 0 << geocaching;
    QTest::newRow("1 wgs84") << 1 << wgs;
    QTest::newRow("2 raw") << 2 << raw;
    QTest::newRow("3 raw") << 3 << raw;
    QTest::newRow("-1 raw") << -1 << raw;
    QTest::newRow("100 raw") << 100 << raw;
}

void tst_GPSUtils::codesSelectTheFormat()
{
    QFETCH(int, code);
    QFETCH(QStringList, expected);
    QCOMPARE(GPSUtils::format(code, 49.5, -16.25), expected);
}

void tst_GPSUtils::decimalSeparatorIgnoresTheLocale()
{
    // The test program runs a second time under LC_ALL=de_DE.UTF-8; the C library then
    // writes a decimal comma, and our strings must not.
    std::setlocale(LC_ALL, "");
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    const QByteArray wanted = qgetenv("LC_ALL");
    if (wanted.startsWith("de_DE") && QByteArray(probe) != "1,5")
        QFAIL("LC_ALL asks for de_DE but the C library does not write a decimal comma: is the locale generated?");
    QCOMPARE(GPSUtils::format(2, 50.0875, 14.4213), (QStringList{QStringLiteral("N 50.0875"), QStringLiteral("E 14.4213")}));
    QCOMPARE(GPSUtils::formatToDegMinWithCoord(50.0875), QStringLiteral("50° 5.250'"));
    QCOMPARE(GPSUtils::formatToDegMinSecWithCoord(14.4213), QStringLiteral("14° 25' 16.680\""));
    std::setlocale(LC_ALL, "C");
}

void tst_GPSUtils::outOfRangeValuesDoNotCrash()
{
    // Not meaningful positions, but they must come out as two strings without undefined behaviour.
    for (double v : {1e300, -1e300, std::nan(""), double(INFINITY), -double(INFINITY), 2147483648.0, -2147483649.0})
        for (int code : {0, 1, 2})
            QCOMPARE(GPSUtils::format(code, v, v).size(), 2);
}

QTEST_GUILESS_MAIN(tst_GPSUtils)
#include "tst_gpsutils.moc"
