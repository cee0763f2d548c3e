// LocationManager over its real sources: replayed files, a pty as a serial receiver,
// NMEA over TCP, and the failures of each.

#include "support/ScriptedSource.h"
#include "support/FloodServer.h"
#include "support/TestSupport.h"
#include "platform/location/LocationManager.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/location/LocationSources.h"
#include "platform/location/GpsdOwner.h"
#include "platform/location/SatelliteCount.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QGeoPositionInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QPointer>
#include <QTimer>

#include <cmath>
#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Recorder : LocationManagerDelegate {
    QList<Location> locations;
    QList<LocationError> errors;
    void locationManagerDidUpdateToLocation(LocationManager*, const Location& l, const std::optional<Location>&) override
    {
        locations.append(l);
    }
    void locationManagerDidFailWithError(LocationManager*, const LocationError& e) override { errors.append(e); }
};

QByteArray nmea(const QByteArray& body)
{
    char c = 0;
    for (char ch : body)
        c ^= ch;
    return "$" + body + "*" + QByteArray::number(static_cast<uchar>(c), 16).rightJustified(2, '0').toUpper() + "\r\n";
}

// One good fix (by default 50.1 N 14.5 E, 123.4 m) at the given time of day.
QByteArray goodFix(const QByteArray& time, const QByteArray& latitude = "5006.0000")
{
    return nmea("GPGGA," + time + "," + latitude + ",N,01430.0000,E,1,09,0.9,123.4,M,45.3,M,,")
           + nmea("GPRMC," + time + ",A," + latitude + ",N,01430.0000,E,0.5,90.0,140526,,,A");
}

QString writeTemp(const QString& name, const QByteArray& content)
{
    const QString path = QDir::temp().filePath(QStringLiteral("quorvel-%1-%2").arg(QCoreApplication::applicationPid()).arg(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(content);
    return path;
}

QGeoPositionInfo fixAt(double lat, double lon)
{
    return QGeoPositionInfo(QGeoCoordinate(lat, lon, 200), QDateTime::currentDateTimeUtc());
}

} // namespace

class tst_LocationManager : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void badInputNeverDelivered_data();
    void badInputNeverDelivered();
    void replayLoopsAtItsPace();
    void replayGoesOnAfterARestart();
    void distanceFilter_data();
    void distanceFilter();
    void failuresReachTheDelegateOnce_data();
    void failuresReachTheDelegateOnce();
    void deviceSettingsNameTheSource();
    void serialReceiverOnPty();
    void nmeaOverTcp();
    void restartAfterFailureTriesAgain();
    void sourceInfoOfEachSetting_data();
    void sourceInfoOfEachSetting();
    void statusFollowsTheSource_data();
    void statusFollowsTheSource();
    void autoFallsToTheDemo_data();
    void autoFallsToTheDemo();
    void silentGpsdIsNotAnswering();
    void floodsKeepTheEventLoopGoing_data();
    void floodsKeepTheEventLoopGoing();
    void overlongLinesAreDropped();
    void satelliteCounts_data();
    void satelliteCounts();
    void replayCountsSatellitesBeforeItsFix();
    void gpsdOwners_data();
    void gpsdOwners();
};

void tst_LocationManager::initTestCase()
{
    initTestEnvironment();
    // No system bus: GeoClue is absent, whatever the machine runs.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/quorvel-test-no-bus");
}

void tst_LocationManager::badInputNeverDelivered_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::newRow("bad checksum") << QByteArray("$GPGGA,100000.00,4000.0000,N,01000.0000,E,1,09,0.9,50.0,M,45.3,M,,*00\r\n"
                                                "$GPRMC,100000.00,A,4000.0000,N,01000.0000,E,0.5,90.0,140526,,,A*11\r\n");
    QTest::newRow("truncated sentences") << QByteArray("$GPGGA,100000.00,4000.00\r\n$GPRMC,100000.00,A,40\r\n$GPGGA,1000")
                                                + "\r\n" + nmea("GPGGA,100000.00,4000.0000,N") + nmea("GPRMC,100000.00,A");
    QByteArray garbage;
    for (int i = 0; i < 3000; ++i)
        garbage.append(static_cast<char>((i * 7919 + 13) % 256));
    QTest::newRow("binary garbage") << garbage + "\r\n";
    QTest::newRow("GGA quality 0") << nmea("GPGGA,100000.00,4000.0000,N,01000.0000,E,0,00,99.9,50.0,M,45.3,M,,");
    QTest::newRow("RMC status V") << nmea("GPRMC,100000.00,V,4000.0000,N,01000.0000,E,0.5,90.0,140526,,,N");
    QTest::newRow("no fix in either") << nmea("GPGGA,100000.00,4000.0000,N,01000.0000,E,0,00,99.9,50.0,M,45.3,M,,")
                                             + nmea("GPRMC,100000.00,V,4000.0000,N,01000.0000,E,0.5,90.0,140526,,,N");
    QTest::newRow("latitude 91") << nmea("GPGGA,100000.00,9100.0000,N,01000.0000,E,1,09,0.9,50.0,M,45.3,M,,")
                                         + nmea("GPRMC,100000.00,A,9100.0000,N,01000.0000,E,0.5,90.0,140526,,,A");
    QTest::newRow("longitude 181") << nmea("GPGGA,100000.00,4000.0000,N,18100.0000,E,1,09,0.9,50.0,M,45.3,M,,");
    QTest::newRow("NaN coordinates") << nmea("GPGGA,100000.00,nan,N,nan,E,1,09,0.9,nan,M,45.3,M,,")
                                             + nmea("GPRMC,100000.00,A,NaN,N,NaN,E,0.5,90.0,140526,,,A");
    QTest::newRow("empty fields") << nmea("GPGGA,100000.00,,,,,1,09,0.9,,M,,M,,") + nmea("GPRMC,100000.00,A,,,,,,,140526,,,A");
}

// Bad sentences come first in each pass and a good fix last: only the good fix may ever
// come out, however often the file loops.
void tst_LocationManager::badInputNeverDelivered()
{
    QFETCH(QByteArray, bad);
    const QString path = writeTemp(QStringLiteral("bad.nmea"), bad + goodFix("100005.00"));
    auto manager = LocationManager::forSource(QStringLiteral("replay:") + path, 200.0);
    Recorder recorder;
    manager->setDelegate(&recorder);
    manager->startUpdatingLocation();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.locations.size() >= 4, 10000);
    QVERIFY(recorder.errors.isEmpty());
    for (const Location& l : std::as_const(recorder.locations)) {
        QCOMPARE(l.coordinate.latitude, 50.1);
        QCOMPARE(l.coordinate.longitude, 14.5);
        QCOMPARE(l.altitude, 123.4);
    }
}

void tst_LocationManager::replayLoopsAtItsPace()
{
    // Three fixes a second apart, then a ten-minute gap that is not waited out in full.
    const QString path = writeTemp(QStringLiteral("loop.nmea"),
                                   goodFix("100000.00") + goodFix("100001.00", "5006.1000")
                                       + goodFix("100002.00", "5006.2000"));
    auto manager = LocationManager::forSource(QStringLiteral("replay:") + path, 10.0);
    Recorder recorder;
    manager->setDelegate(&recorder);
    QElapsedTimer clock;
    clock.start();
    manager->startUpdatingLocation();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.locations.size() >= 7, 10000);
    // Six steps of 100 ms at ten times the recorded pace.
    QVERIFY2(clock.elapsed() >= 450, qPrintable(QString::number(clock.elapsed())));
    const double expected[] = {50.1, 50.10166666666667, 50.10333333333333};
    for (int i = 0; i < 7; ++i)
        QVERIFY(std::abs(recorder.locations.at(i).coordinate.latitude - expected[i % 3]) < 1e-9);
}

void tst_LocationManager::replayGoesOnAfterARestart()
{
    QByteArray walk;
    for (int i = 0; i < 6; ++i)
        walk += goodFix("10000" + QByteArray::number(i) + ".00", "5006." + QByteArray::number(i) + "000");
    auto manager = LocationManager::forSource(QStringLiteral("replay:") + writeTemp(QStringLiteral("resume.nmea"), walk), 10.0);
    Recorder recorder;
    manager->setDelegate(&recorder);
    manager->startUpdatingLocation();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.locations.size() >= 2, 5000);
    manager->stopUpdatingLocation();
    const double before = recorder.locations.last().coordinate.latitude;
    recorder.locations.clear();
    manager->startUpdatingLocation();
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.locations.isEmpty(), 5000);
    // Not back at the start of the walk.
    QVERIFY2(recorder.locations.first().coordinate.latitude > before,
             qPrintable(QString::number(recorder.locations.first().coordinate.latitude, 'f', 6)));
}

void tst_LocationManager::distanceFilter_data()
{
    QTest::addColumn<double>("filter");
    QTest::addColumn<QList<double>>("northMetres");
    QTest::addColumn<QList<double>>("delivered");
    // One metre north is about 1/111195 of a degree.
    QTest::newRow("first fix always, then 10 m from the last delivered")
        << 10.0 << QList<double>{0, 5, 9.9, 12, 15, 22.5, 30} << QList<double>{0, 12, 22.5};
    QTest::newRow("small steps add up only against the last delivered")
        << 10.0 << QList<double>{0, 4, 8, 12, 16, 20} << QList<double>{0, 12};
    QTest::newRow("no filter delivers every fix") << kDistanceFilterNone << QList<double>{0, 0, 1} << QList<double>{0, 0, 1};
}

void tst_LocationManager::distanceFilter()
{
    QFETCH(double, filter);
    QFETCH(QList<double>, northMetres);
    QFETCH(QList<double>, delivered);
    // No source: the fixes are fed by hand through the same checks.
    LocationManager manager(QStringLiteral("test"), [](QObject*, const LocationManager::FailureReporter&) {
        return static_cast<QGeoPositionInfoSource*>(nullptr);
    });
    Recorder recorder;
    manager.setDelegate(&recorder);
    manager.setDistanceFilter(filter);
    manager.startUpdatingLocation();
    const double metre = 1.0 / 111195.08;
    for (double m : northMetres)
        manager.handlePosition(fixAt(50.0 + m * metre, 14.4));
    QCOMPARE(recorder.locations.size(), delivered.size());
    for (int i = 0; i < delivered.size(); ++i)
        QVERIFY(std::abs(recorder.locations.at(i).coordinate.latitude - (50.0 + delivered.at(i) * metre)) < 1e-12);
}

void tst_LocationManager::failuresReachTheDelegateOnce_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("cause");
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const QString closedPort = QString::number(probe.serverPort());
    probe.close();
    QTest::newRow("unknown source name") << QStringLiteral("bluetooth:00:11") << QStringLiteral("unknown source");
    QTest::newRow("replay file missing") << QStringLiteral("replay:/nonexistent/track.nmea") << QStringLiteral("cannot open");
    QTest::newRow("replay file without NMEA") << QStringLiteral("replay:") + writeTemp(QStringLiteral("empty.nmea"), "hello\n")
                                              << QStringLiteral("holds no NMEA");
    QTest::newRow("serial device missing") << QStringLiteral("nmea:/dev/quorvel-no-such-tty") << QStringLiteral("No such file");
    QTest::newRow("nmea TCP refused") << QStringLiteral("nmea:127.0.0.1:") + closedPort << QStringLiteral("refused");
    QTest::newRow("nmea without address") << QStringLiteral("nmea:nowhere") << QStringLiteral("HOST:PORT");
    QTest::newRow("replay of a device") << QStringLiteral("replay:/dev/zero") << QStringLiteral("not a regular file");
    // Opened the blocking way, a FIFO with no writer holds the window's thread for good.
    const QString fifo = writeTemp(QStringLiteral("track.fifo"), {});
    QFile::remove(fifo);
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    QTest::newRow("replay of a FIFO") << QStringLiteral("replay:") + fifo << QStringLiteral("not a regular file");
    QTest::newRow("gpsd port out of range") << QStringLiteral("gpsd:localhost:99999") << QStringLiteral("HOST:PORT");
    QTest::newRow("nmea to a bare IPv6 address") << QStringLiteral("nmea:::1:10110") << QStringLiteral("HOST:PORT");
    QTest::newRow("gpsd refused") << QStringLiteral("gpsd:127.0.0.1:") + closedPort << QStringLiteral("cannot connect to gpsd");
    QTest::newRow("geoclue without a system bus") << QStringLiteral("geoclue") << QStringLiteral("GeoClue: no system bus");
}

void tst_LocationManager::failuresReachTheDelegateOnce()
{
    QFETCH(QString, source);
    QFETCH(QString, cause);
    LogCapture log;
    auto manager = LocationManager::forSource(source);
    Recorder recorder;
    manager->setDelegate(&recorder);
    manager->startUpdatingLocation();
    // Never inside the start itself.
    QVERIFY(recorder.errors.isEmpty());
    QTRY_COMPARE(recorder.errors.size(), 1);
    manager->startUpdatingLocation(); // still running: no second try, no second alert
    QTest::qWait(100);
    QCOMPARE(recorder.errors.size(), 1);
    QVERIFY(recorder.locations.isEmpty());
    const LocationError& e = recorder.errors.first();
    QCOMPARE(e.source, source);
    QVERIFY2(e.cause.contains(cause), qPrintable(e.cause));
    QVERIFY(log.contains(QStringLiteral("LocationManager: location source %1 failed: %2").arg(source, e.cause)));
    QVERIFY(manager->isUpdating());
}

void tst_LocationManager::deviceSettingsNameTheSource()
{
    const QString ini = LocationManager::deviceSettingsPath();
    QDir().mkpath(QFileInfo(ini).path());
    {
        QFile f(QFileInfo(ini).dir().filePath(QStringLiteral("walk,1.nmea")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(goodFix("120000.00"));
    }
    {
        // Written by hand, as a user would: unquoted, with a comma in the path.
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[location]\nsource=replay:walk,1.nmea\nreplay-speed=50\n");
    }
    auto manager = LocationManager::fromDeviceSettings();
    QCOMPARE(manager->sourceName(), QStringLiteral("replay:walk,1.nmea"));
    Recorder recorder;
    manager->setDelegate(&recorder);
    manager->startUpdatingLocation();
    QTRY_VERIFY(!recorder.locations.isEmpty());
    QCOMPARE(recorder.locations.first().coordinate.latitude, 50.1);

    // No source named: the automatic choice.
    QFile::remove(ini);
    QCOMPARE(LocationManager::fromDeviceSettings()->sourceName(), QStringLiteral("auto"));
    QVERIFY(QFile::exists(LocationManager::bundledTrackPath()));

    // "demo" (what --demo sets, over whatever the file says) walks the bundled track too.
    DeviceSettings::setOverride(QStringLiteral("location"), QStringLiteral("source"), QStringLiteral("demo"));
    auto demo = LocationManager::fromDeviceSettings();
    DeviceSettings::setOverride(QStringLiteral("location"), QStringLiteral("source"), QString());
    QCOMPARE(demo->sourceName(), QStringLiteral("demo"));
    Recorder demoRecorder;
    demo->setDelegate(&demoRecorder);
    demo->startUpdatingLocation();
    QTRY_VERIFY(!demoRecorder.locations.isEmpty());
    QVERIFY(demoRecorder.errors.isEmpty());
    // The walk is in Prague's Old Town.
    QVERIFY(std::abs(demoRecorder.locations.first().coordinate.latitude - 50.087) < 0.01);
}

// A pseudo-terminal standing in for a serial receiver, read by a started manager.
struct PtyReceiver {
    int master = -1;
    QString name;
    std::unique_ptr<LocationManager> manager;
    Recorder recorder;

    bool open()
    {
        int slave = -1;
        char path[256] = {};
        if (::openpty(&master, &slave, path, nullptr, nullptr) != 0)
            return false;
        name = QString::fromLocal8Bit(path);
        manager = LocationManager::forSource(QStringLiteral("nmea:") + name);
        manager->setDelegate(&recorder);
        manager->startUpdatingLocation();
        ::close(slave);
        return true;
    }
};

void tst_LocationManager::serialReceiverOnPty()
{
    PtyReceiver pty;
    QVERIFY(pty.open());
    const int master = pty.master;
    const Recorder& recorder = pty.recorder;
    const QByteArray data = QByteArray("\x01\x02garbage\r\n") + goodFix("100000.00") + goodFix("100001.00");
    QCOMPARE(::write(master, data.constData(), data.size()), data.size());
    QTRY_VERIFY(!recorder.locations.isEmpty());
    QCOMPARE(recorder.locations.first().coordinate.latitude, 50.1);
    QCOMPARE(recorder.locations.first().altitude, 123.4);
    // The receiver goes away.
    ::close(master);
    QTRY_COMPARE(recorder.errors.size(), 1);
    QVERIFY(recorder.errors.first().cause.contains(pty.name));
}

void tst_LocationManager::nmeaOverTcp()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    auto manager = LocationManager::forSource(QStringLiteral("nmea:127.0.0.1:%1").arg(server.serverPort()));
    Recorder recorder;
    manager->setDelegate(&recorder);
    manager->startUpdatingLocation();
    QTRY_VERIFY(server.hasPendingConnections());
    QTcpSocket* peer = server.nextPendingConnection();
    peer->write(goodFix("100000.00") + goodFix("100001.00"));
    QTRY_VERIFY(!recorder.locations.isEmpty());
    QCOMPARE(recorder.locations.first().coordinate.longitude, 14.5);
    peer->close();
    QTRY_COMPARE(recorder.errors.size(), 1);
    QVERIFY2(recorder.errors.first().cause.contains(QStringLiteral("closed")), qPrintable(recorder.errors.first().cause));
    QTest::qWait(50);
    QCOMPARE(recorder.errors.size(), 1);
}

void tst_LocationManager::restartAfterFailureTriesAgain()
{
    auto manager = LocationManager::forSource(QStringLiteral("nmea:/dev/quorvel-no-such-tty"));
    Recorder recorder;
    manager->setDelegate(&recorder);
    manager->startUpdatingLocation();
    QTRY_COMPARE(recorder.errors.size(), 1);
    manager->stopUpdatingLocation();
    manager->startUpdatingLocation();
    QTRY_COMPARE(recorder.errors.size(), 2);
    // A stop before the failure is reported swallows it.
    manager->stopUpdatingLocation();
    manager->startUpdatingLocation();
    manager->stopUpdatingLocation();
    QTest::qWait(50);
    QCOMPARE(recorder.errors.size(), 2);
}

void tst_LocationManager::sourceInfoOfEachSetting_data()
{
    using K = LocationSourceInfo::Kind;
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("detail");
    QTest::newRow("demo") << QStringLiteral("demo") << int(K::Demo) << QString();
    QTest::newRow("bundled walk by path is the demo") << QStringLiteral("replay:") + LocationManager::bundledTrackPath()
                                                      << int(K::Demo) << QString();
    QTest::newRow("own recording is no demo") << QStringLiteral("replay:walk.nmea") << int(K::Replay) << QStringLiteral("walk.nmea");
    QTest::newRow("gpsd alone") << QStringLiteral("gpsd") << int(K::Gpsd) << QStringLiteral("localhost:2947");
    QTest::newRow("gpsd with address") << QStringLiteral("gpsd:10.0.0.2:3000") << int(K::Gpsd) << QStringLiteral("10.0.0.2:3000");
    QTest::newRow("geoclue") << QStringLiteral("geoclue") << int(K::GeoClue) << QString();
    QTest::newRow("serial receiver") << QStringLiteral("nmea:/dev/ttyUSB0") << int(K::Receiver) << QStringLiteral("/dev/ttyUSB0");
    QTest::newRow("auto is not known until chosen") << QStringLiteral("auto") << int(K::Unknown) << QStringLiteral("auto");
    QTest::newRow("demo with an argument is unknown") << QStringLiteral("demo:x") << int(K::Unknown) << QStringLiteral("demo:x");
    QTest::newRow("NMEA over TCP to IPv6") << QStringLiteral("nmea:[::1]:10110") << int(K::Receiver) << QStringLiteral("[::1]:10110");
    QTest::newRow("a kind in capitals is unknown") << QStringLiteral("GPSD:10.0.0.2") << int(K::Unknown) << QStringLiteral("GPSD:10.0.0.2");
}

void tst_LocationManager::sourceInfoOfEachSetting()
{
    QFETCH(QString, source);
    QFETCH(int, kind);
    QFETCH(QString, detail);
    const LocationSourceInfo info = LocationSourceInfo::of(source);
    QCOMPARE(int(info.kind), kind);
    QCOMPARE(info.detail, detail);
    QCOMPARE(LocationManager::forSource(source)->isDemo(), kind == int(LocationSourceInfo::Kind::Demo));
}

namespace {

} // namespace

void tst_LocationManager::statusFollowsTheSource_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("errors");
    QTest::newRow("nothing yet") << QString() << int(LocationStatus::Waiting) << 0;
    QTest::newRow("silence beyond the time-out") << QStringLiteral("wait") << int(LocationStatus::NotAnswering) << 0;
    QTest::newRow("a fix") << QStringLiteral("fix") << int(LocationStatus::Receiving) << 0;
    QTest::newRow("a fix after the silence") << QStringLiteral("wait fix") << int(LocationStatus::Receiving) << 0;
    QTest::newRow("a fix the filter drops still answers") << QStringLiteral("fix wait same") << int(LocationStatus::Receiving) << 0;
    QTest::newRow("access refused") << QStringLiteral("refuse") << int(LocationStatus::Denied) << 1;
    QTest::newRow("refused twice, reported once") << QStringLiteral("refuse refuse") << int(LocationStatus::Denied) << 1;
    QTest::newRow("source closed") << QStringLiteral("close") << int(LocationStatus::Failed) << 1;
    QTest::newRow("stopped") << QStringLiteral("stop") << int(LocationStatus::Stopped) << 0;
}

void tst_LocationManager::statusFollowsTheSource()
{
    QFETCH(QString, event);
    QFETCH(int, status);
    QFETCH(int, errors);
    QPointer<ScriptedSource> source;
    LocationManager manager(QStringLiteral("scripted"), [&source](QObject* parent, const LocationManager::FailureReporter&) {
        source = new ScriptedSource(parent);
        return static_cast<QGeoPositionInfoSource*>(source.data());
    });
    Recorder recorder;
    manager.setDelegate(&recorder);
    manager.setDistanceFilter(10.0);
    manager.setNotAnsweringTimeout(100);
    manager.startUpdatingLocation();
    QTRY_VERIFY(source);
    QCOMPARE(manager.status(), LocationStatus::Waiting);
    for (const QString& step : event.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("wait"))
            QTest::qWait(250);
        else if (step == QLatin1String("fix"))
            manager.handlePosition(fixAt(50.0, 14.4));
        else if (step == QLatin1String("same"))
            manager.handlePosition(fixAt(50.0, 14.4));
        else if (step == QLatin1String("refuse") && source)
            source->say(QGeoPositionInfoSource::AccessError);
        else if (step == QLatin1String("close") && source)
            source->say(QGeoPositionInfoSource::ClosedError);
        else if (step == QLatin1String("stop"))
            manager.stopUpdatingLocation();
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(int(manager.status()), status);
    QTest::qWait(50);
    QCOMPARE(int(manager.status()), status);
    QCOMPARE(recorder.errors.size(), errors);
    if (errors)
        QCOMPARE(recorder.errors.first().accessDenied, status == int(LocationStatus::Denied));
}

void tst_LocationManager::autoFallsToTheDemo_data()
{
    QTest::addColumn<bool>("gpsdListens");
    QTest::addColumn<QString>("gpsdReason");
    QTest::newRow("gpsd refuses") << false << QStringLiteral("connection refused");
    QTest::newRow("gpsd accepts and says nothing") << true << QStringLiteral("no answer within 3 s");
}

void tst_LocationManager::autoFallsToTheDemo()
{
    QFETCH(bool, gpsdListens);
    QFETCH(QString, gpsdReason);
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    const quint16 port = silent.serverPort();
    if (!gpsdListens)
        silent.close();
    const QString ini = LocationManager::deviceSettingsPath();
    QDir().mkpath(QFileInfo(ini).path());
    {
        QSettings s(ini, QSettings::IniFormat);
        s.setValue(QStringLiteral("location/auto-gpsd"), QStringLiteral("127.0.0.1:%1").arg(port));
        s.setValue(QStringLiteral("location/replay-speed"), 50);
    }
    LogCapture log;
    auto manager = LocationManager::fromDeviceSettings();
    Recorder recorder;
    manager->setDelegate(&recorder);
    QList<LocationStatus> statuses;
    connect(manager.get(), &LocationManager::statusChanged, this, [&statuses](LocationStatus s) { statuses.append(s); });
    bool demoBeforeFirstFix = false;
    connect(manager.get(), &LocationManager::locationUpdated, this, [&] {
        if (recorder.locations.isEmpty())
            demoBeforeFirstFix = manager->isDemo();
    });
    manager->startUpdatingLocation();
    QVERIFY(!manager->isDemo());
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.locations.isEmpty(), 10000);
    // Never a demo fix without the demo known first.
    QVERIFY(demoBeforeFirstFix);
    QVERIFY(recorder.errors.isEmpty());
    QCOMPARE(statuses.value(0), LocationStatus::Waiting);
    QCOMPARE(statuses.value(1), LocationStatus::Choosing);
    QVERIFY(statuses.contains(LocationStatus::Receiving));
    QVERIFY(recorder.locations.first().coordinate.latitude > 50.08 && recorder.locations.first().coordinate.latitude < 50.09);
    const QStringList chosen = log.lines().filter(QStringLiteral("LocationManager: auto:"));
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.first(), QStringLiteral("LocationManager: auto: using the demo walk (passed over GeoClue: no system bus; "
                                            "gpsd at 127.0.0.1:%1: %2)").arg(port).arg(gpsdReason));
    QFile::remove(ini);
}

void tst_LocationManager::silentGpsdIsNotAnswering()
{
    // Accepts, and then never says a word: not a failure, and no demo in its place.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    auto manager = LocationManager::forSource(QStringLiteral("gpsd:127.0.0.1:%1").arg(silent.serverPort()));
    manager->setNotAnsweringTimeout(300);
    Recorder recorder;
    manager->setDelegate(&recorder);
    manager->startUpdatingLocation();
    QTRY_VERIFY(silent.hasPendingConnections());
    QTRY_COMPARE(manager->status(), LocationStatus::NotAnswering);
    QCOMPARE(manager->activeSource().kind, LocationSourceInfo::Kind::Gpsd);
    QVERIFY(!manager->isDemo());
    QVERIFY(recorder.errors.isEmpty());
    QVERIFY(recorder.locations.isEmpty());
}

void tst_LocationManager::floodsKeepTheEventLoopGoing_data()
{
    QTest::addColumn<QString>("kind");   // gpsd, tcp or a device path
    QTest::addColumn<QByteArray>("greeting");
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<bool>("fixes");     // whether the feed holds positions

    const QByteArray tpv = R"({"class":"TPV","device":"/dev/flood","mode":3,"time":"2026-05-14T10:00:00.000Z",)"
                           R"("lat":50.1,"lon":14.5,"altMSL":123.4,"eph":5.0})"
                           "\n";
    QTest::newRow("gpsd sending fixes without pause")
        << "gpsd" << QByteArray(R"({"class":"VERSION","release":"3.22","rev":"3.22","proto_major":3,"proto_minor":14})" "\n")
        << tpv.repeated(64) << true;
    QTest::newRow("NMEA over TCP, a line that never ends") << "tcp" << QByteArray("$GPGGA,") << QByteArray(8192, 'x') << false;
    QTest::newRow("NMEA over TCP, fixes without pause")
        << "tcp" << QByteArray() << (goodFix("100000.00") + goodFix("100001.00")).repeated(32) << true;
    QTest::newRow("nmea:/dev/zero") << "/dev/zero" << QByteArray() << QByteArray() << false;
}

void tst_LocationManager::floodsKeepTheEventLoopGoing()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, greeting);
    QFETCH(QByteArray, chunk);
    QFETCH(bool, fixes);
    std::unique_ptr<FloodServer> server;
    QString source = QStringLiteral("nmea:") + kind;
    if (!kind.startsWith(u'/')) {
        server = std::make_unique<FloodServer>(greeting, chunk, kind == QLatin1String("gpsd"));
        QVERIFY(server->port() != 0);
        source = (kind == QLatin1String("gpsd") ? QStringLiteral("gpsd:127.0.0.1:%1") : QStringLiteral("nmea:127.0.0.1:%1"))
                     .arg(server->port());
    }
    const double before = heapMegabytes();
    auto manager = LocationManager::forSource(source);
    Recorder recorder;
    manager->setDelegate(&recorder);
    manager->startUpdatingLocation();

    // A timer that must keep firing while the feed floods.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longestGap = 0;
    int ticks = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, this, [&] {
        ++ticks;
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start(10);
    QTest::qWait(2000);
    tick.stop();
    manager->stopUpdatingLocation();
    const double grown = heapMegabytes() - before;
    qInfo("%d ticks, longest gap %lld ms, %lld locations, %lld bytes sent, grew %.1f MB", ticks, longestGap,
          qint64(recorder.locations.size()), server ? server->bytesSent() : qint64(-1), grown);
    QVERIFY2(longestGap < 500, qPrintable(QString::number(longestGap)));
    QVERIFY(ticks >= 20);
    QVERIFY2(grown < 64, qPrintable(QString::number(grown)));
    QVERIFY(recorder.errors.isEmpty());
    if (fixes) {
        QVERIFY(!recorder.locations.isEmpty());
        QCOMPARE(recorder.locations.last().coordinate.latitude, 50.1);
        // Only the newest of each batch is delivered: far fewer than were sent.
        const qint64 sent = server->bytesSent() / qMax<qsizetype>(1, chunk.size() / 64);
        QVERIFY2(recorder.locations.size() * 4 < sent, qPrintable(QString::number(sent)));
    } else {
        QVERIFY(recorder.locations.isEmpty());
    }
}

void tst_LocationManager::overlongLinesAreDropped()
{
    PtyReceiver pty;
    QVERIFY(pty.open());
    const int master = pty.master;
    const Recorder& recorder = pty.recorder;
    // A sentence that runs on past 1 KB, its end, then fixes: the long one must not be
    // glued to the next line, and the next fix arrives intact.
    const QByteArray data = "$GPGGA,100000.00," + QByteArray(3000, '9') + "\r\n" + goodFix("100001.00", "5007.0000")
                            + goodFix("100002.00", "5007.0000");
    for (qsizetype at = 0; at < data.size(); at += 512) {
        const QByteArray piece = data.mid(at, 512);
        QCOMPARE(::write(master, piece.constData(), piece.size()), piece.size());
        QTest::qWait(5);
    }
    QTRY_VERIFY(!recorder.locations.isEmpty());
    QCOMPARE(recorder.locations.first().coordinate.latitude, 50.0 + 7.0 / 60.0);
    ::close(master);
}


namespace {

// A sentence with its checksum.
QByteArray sentence(const QByteArray& body)
{
    char sum = 0;
    for (char c : body)
        sum ^= c;
    return "$" + body + "*" + QByteArray::number(static_cast<uchar>(sum), 16).rightJustified(2, '0').toUpper();
}

} // namespace

void tst_LocationManager::satelliteCounts_data()
{
    QTest::addColumn<QByteArrayList>("sentences");
    QTest::addColumn<int>("inView");
    QTest::addColumn<int>("used");
    const QByteArray gsv = sentence("GPGSV,2,1,07,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
    const QByteArray gsa = sentence("GPGSA,A,3,01,02,,,,,,,,,,,2.5,1.3,2.1");
    QTest::newRow("GSV then GSA") << QByteArrayList{gsv, gsa} << 7 << 2;
    QTest::newRow("constellations add up")
        << QByteArrayList{gsv, sentence("GLGSV,1,1,04,65,40,083,46,66,17,308,41,,,,,,,,"), gsa,
                          sentence("GNGSA,A,3,65,66,67,,,,,,,,,,2.5,1.3,2.1,2")}
        << 11 << 5;
    QTest::newRow("a later GSV replaces the count") << QByteArrayList{gsv, sentence("GPGSV,1,1,03,01,40,083,46,,,,,,,,,,,,")}
                                                    << 3 << 0;
    QTest::newRow("more than 255 is 255") << QByteArrayList{sentence("GPGSV,1,1,9999,01,40,083,46")} << 255 << 0;
    QTest::newRow("negative is 0") << QByteArrayList{sentence("GPGSV,1,1,-7,01,40,083,46")} << 0 << 0;
    QTest::newRow("garbage counts nothing")
        << QByteArrayList{"$GPGSV,1,1,seven", "GPGSV,1,1,07", "$", "$GPGSA,A,3", sentence("g1GSV,1,1,07")} << 0 << 0;
}

void tst_LocationManager::satelliteCounts()
{
    QFETCH(QByteArrayList, sentences);
    QFETCH(int, inView);
    QFETCH(int, used);
    NmeaSatelliteCounter counter;
    for (const QByteArray& sentence : sentences)
        counter.feed(sentence.constData(), sentence.size());
    QCOMPARE(counter.count(), (SatelliteCount{inView, used}));
}

void tst_LocationManager::replayCountsSatellitesBeforeItsFix()
{
    // A receiver's first minute: the sky, and no fix yet.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sky.nmea"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int second = 0; second < 3; ++second) {
        const QByteArray time = QByteArray::number(120000 + second) + ".00";
        file.write(sentence("GPGSV,2,1,07,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45") + "\r\n");
        file.write(sentence("GPGSA,A,1,01,02,,,,,,,,,,,2.5,1.3,2.1") + "\r\n");
        file.write(sentence("GPRMC," + time + ",V,,,,,,,101226,,,N") + "\r\n");
    }
    file.close();
    auto manager = LocationManager::forSource(QStringLiteral("replay:") + path, 10.0);
    Recorder recorder;
    manager->setDelegate(&recorder);
    QSignalSpy changed(manager.get(), &LocationManager::satellitesChanged);
    manager->startUpdatingLocation();
    QTRY_VERIFY(manager->satellites().has_value());
    QCOMPARE(*manager->satellites(), (SatelliteCount{7, 2}));
    QCOMPARE(manager->status(), LocationStatus::Waiting);
    QVERIFY(recorder.locations.isEmpty());
    manager->stopUpdatingLocation();
    // Cleared with the source, and said so.
    QVERIFY(!manager->satellites().has_value());
    QVERIFY(changed.size() >= 2);
}

void tst_LocationManager::gpsdOwners_data()
{
    QTest::addColumn<QByteArray>("tcp");
    QTest::addColumn<QByteArray>("tcp6");
    QTest::addColumn<bool>("loopback");
    QTest::addColumn<QString>("distrust"); // the start of it; empty when trusted
    const QByteArray head = "  sl  local_address rem_address   st tx_queue rx_queue tr tm->when retrnsmt   uid  timeout inode\n";
    auto row = [](const char* local, const char* state, int uid) {
        return QByteArray("   0: ") + local + " 00000000:0000 " + state + " 00000000:00000000 00:00000000 00000000  "
               + QByteArray::number(uid) + "        0 12345 1 0000000000000000 100 0 0 10 0\n";
    };
    // Port 2947 is 0B83.
    QTest::newRow("root on loopback") << head + row("0100007F:0B83", "0A", 0) << head << true << QString();
    QTest::newRow("root on every address, both tables")
        << head + row("00000000:0B83", "0A", 0) << head + row("00000000000000000000000000000000:0B83", "0A", 0) << true
        << QString();
    QTest::newRow("another user") << head + row("0100007F:0B83", "0A", 1000) << head << true
                                  << QStringLiteral("its socket belongs to user 1000");
    QTest::newRow("another user beside root, on tcp6")
        << head + row("0100007F:0B83", "0A", 0) << head + row("00000000000000000000000001000000:0B83", "0A", 1001) << true
        << QStringLiteral("its socket belongs to user 1001");
    QTest::newRow("a connection, not a listener, is not the daemon")
        << head + row("0100007F:0B83", "01", 1000) + row("0100007F:0B83", "0A", 0) << head << true << QString();
    QTest::newRow("another port is not looked at") << head + row("0100007F:0B84", "0A", 1000) << head << true
                                                    << QStringLiteral("no listening socket");
    QTest::newRow("nobody listening") << head << head << true << QStringLiteral("no listening socket");
    QTest::newRow("mangled lines are skipped") << head + "garbage\n   1: 0100007F:ZZZZ 00 0A x y z w\n" << head << true
                                               << QStringLiteral("no listening socket");
    QTest::newRow("another machine cannot be looked at") << head << head << false << QString();
}

void tst_LocationManager::gpsdOwners()
{
    QFETCH(QByteArray, tcp);
    QFETCH(QByteArray, tcp6);
    QFETCH(bool, loopback);
    QFETCH(QString, distrust);
    QTemporaryDir proc;
    for (const auto& [name, text] : {std::pair{QStringLiteral("tcp"), tcp}, std::pair{QStringLiteral("tcp6"), tcp6}}) {
        QFile f(proc.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    const QString why = GpsdOwner::distrust(2947, loopback, proc.path());
    if (distrust.isEmpty())
        QVERIFY2(why.isEmpty(), qPrintable(why));
    else
        QVERIFY2(why.startsWith(distrust), qPrintable(why));
}

QTEST_MAIN(tst_LocationManager)
#include "tst_LocationManager.moc"
