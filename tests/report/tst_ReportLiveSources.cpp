// The report screen fed by real sources: the bundled track and a replayed file at high
// speed, and a gpsd daemon (gpsfake) on loopback that is then killed.

#include "report/LiveSources.h"
#include "support/TestSupport.h"
#include "coords/GPSUtils.h"
#include "templates/SettingsKeys.h"
#include "platform/ui/AlertView.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/UserDefaults.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <unistd.h>


class tst_ReportLiveSources : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        QVERIFY(StringTable::load(QStringLiteral("en")));
    }
    void init();
    void cleanup();

    void bundledTrackDrivesTheScreen();
    void replayFileDrivesTheScreen();
    void brokenSourceIsReportedWithoutFallback();
    void gpsdSatellitesWhileWaiting();
    void gpsdFixesThenDeath();
};

void tst_ReportLiveSources::init()
{
    storeSelectedTemplate(QStringLiteral("I am at [] in {}."));
}

void tst_ReportLiveSources::cleanup()
{
    AlertPresenter::shared().dismissAll();
    QFile::remove(LocationManager::deviceSettingsPath());
}

void tst_ReportLiveSources::bundledTrackDrivesTheScreen()
{
    // The demo, sped up: the bundled walk, labelled as such.
    writeDeviceSettings({{QStringLiteral("source"), QStringLiteral("demo")}, {QStringLiteral("replay-speed"), 300}});
    ReportHarness h(realServices());
    QList<Location> fixes;
    h.show();
    QVERIFY(h.screen->locationManager->isDemo());
    QVERIFY(h.screen->demoLabel->isVisible());
    QCOMPARE(h.screen->demoLabel->text(), localizedText("DemoPosition"));
    connect(h.screen->locationManager.get(), &LocationManager::locationUpdated, this,
            [&fixes](const Location& l) { fixes.append(l); });
    QTRY_VERIFY_WITH_TIMEOUT(fixes.size() >= 5, 20000);
    for (int i = 0; i < fixes.size(); ++i) {
        const Location& l = fixes.at(i);
        QVERIFY2(l.coordinate.latitude > 50.084 && l.coordinate.latitude < 50.090, qPrintable(l.description()));
        QVERIFY2(l.coordinate.longitude > 14.412 && l.coordinate.longitude < 14.430, qPrintable(l.description()));
        QVERIFY(l.altitude > 180 && l.altitude < 205);
        if (i > 0)
            QVERIFY(l.distanceFromLocation(fixes.at(i - 1)) >= 10.0);
    }
    QVERIFY(h.screen->Latitude->text().startsWith(QStringLiteral("N 50")));
    QVERIFY(h.screen->Longitude->text().startsWith(QStringLiteral("E 14")));
    QVERIFY(h.screen->AMSL->text().endsWith(QStringLiteral("m AMSL")));
    QCOMPARE(h.screen->AddressLabel->text(), QStringLiteral("Staré Město"));
    // The label says "demo"; the message never does.
    QVERIFY2(h.screen->Message->text().startsWith(QStringLiteral("I am at [N 50")), qPrintable(h.screen->Message->text()));
    QVERIFY2(h.screen->Message->text().endsWith(QStringLiteral("in {Staré Město}.")), qPrintable(h.screen->Message->text()));
    QVERIFY(h.screen->demoLabel->isVisible());
    QVERIFY(!h.screen->statusLabel->isVisible());
    QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());
}

void tst_ReportLiveSources::replayFileDrivesTheScreen()
{
    const QString dir = QFileInfo(LocationManager::deviceSettingsPath()).path();
    QDir().mkpath(dir);
    QFile f(dir + QStringLiteral("/north.nmea"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(walkNorth(4));
    f.close();
    writeDeviceSettings({{QStringLiteral("source"), QStringLiteral("replay:north.nmea")},
                         {QStringLiteral("replay-speed"), 2}}); // slow enough to look at each fix
    UserDefaults::standardUserDefaults().setString(QStringLiteral("WGS84"), SettingsKeys::SelectedGPSFormat);
    LogCapture log;
    ReportHarness h(realServices());
    h.show();
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->lastLatitude != 0.0, 10000);
    // The first fix of the file, exactly.
    const QStringList first = GPSUtils::format(1, 50.0875, 14.4213);
    QCOMPARE(h.screen->Latitude->text(), first.at(0));
    QCOMPARE(h.screen->Longitude->text(), first.at(1));
    QCOMPARE(h.screen->AMSL->text(), QStringLiteral("190m AMSL"));
    QCOMPARE(h.screen->AddressLabel->text(), QStringLiteral("Waiting for locality..."));
    QCOMPARE(h.screen->Message->text(), QStringLiteral("I am at [%1 %2] in {}.").arg(first.at(0), first.at(1)));
    const QStringList& lines = log.lines();
    const qsizetype update = lines.indexOf(QRegularExpression(
        QStringLiteral("^V POLI locationManager: did update to location: <\\+50\\.08750000,\\+14\\.42130000> .*")));
    QVERIFY(update >= 0);
    QCOMPARE(lines.value(update + 1), QStringLiteral("selected gps format: WGS84"));
    QCOMPARE(lines.value(update + 2), QStringLiteral("using gps format: WGS84"));
    QCOMPARE(lines.value(update + 3), QStringLiteral("Resolving the Address"));
    // Later fixes carry the locality found for an earlier one.
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->Message->text().endsWith(QStringLiteral("in {Staré Město}.")), 10000);
    QTRY_COMPARE(h.screen->AMSL->text(), QStringLiteral("191m AMSL")); // the fourth fix, 191.5
}

void tst_ReportLiveSources::brokenSourceIsReportedWithoutFallback()
{
    writeDeviceSettings({{QStringLiteral("source"), QStringLiteral("replay:/nonexistent/walk.nmea")}});
    LogCapture log;
    ReportHarness h(realServices());
    h.show();
    QTRY_COMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
    QTest::qWait(200);
    QCOMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
    AlertView* alert = AlertPresenter::shared().topAlert();
    QCOMPARE(alert->message(), localizedText("GettingLocationFailed"));
    const QString cause = QStringLiteral("location source replay:/nonexistent/walk.nmea failed: cannot open /nonexistent/walk.nmea");
    QVERIFY(std::ranges::any_of(log.lines(), [&](const QString& l) {
        return l.startsWith(QStringLiteral("LocationManager: ") + cause);
    }));
    QVERIFY(std::ranges::any_of(log.lines(), [&](const QString& l) {
        return l.startsWith(QStringLiteral("didFailWithError: ") + cause);
    }));
    QCOMPARE(h.screen->Latitude->text(), localizedText("LATITUDE"));
    QCOMPARE(h.screen->lastLatitude, 0.0);
    QVERIFY(!h.screen->demoLabel->isVisible());
    QCOMPARE(h.screen->statusLabel->text(), localizedText("StatusFailed").arg(localizedText("SourceReplay").arg(QStringLiteral("walk.nmea"))));
}

void tst_ReportLiveSources::gpsdSatellitesWhileWaiting()
{
    GpsFake fake;
    QString why;
    QVERIFY2(fake.start(30, &why, 60), qPrintable(why));
    writeDeviceSettings({{QStringLiteral("source"), QStringLiteral("gpsd:127.0.0.1:%1").arg(fake.port)}});
    ReportHarness h(realServices());
    QStringList lines;
    h.show();
    connect(h.screen->locationManager.get(), &LocationManager::satellitesChanged, this,
            [&] { lines.append(h.screen->statusLabel->text()); });
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->lastLatitude != 0.0, 30000);
    // Before the fix the line counted the sky; with fixes it is gone.
    const QString sky = localizedText("StatusWaitingSatellites").arg(7).arg(2);
    QVERIFY2(lines.contains(sky), qPrintable(lines.join(u'|')));
    QVERIFY(!h.screen->statusLabel->isVisible());
}

void tst_ReportLiveSources::gpsdFixesThenDeath()
{
    GpsFake fake;
    QString why;
    QVERIFY2(fake.start(30, &why), qPrintable(why));
    const quint16 port = fake.port;

    writeDeviceSettings({{QStringLiteral("source"), QStringLiteral("gpsd:127.0.0.1:%1").arg(port)}});
    LogCapture log;
    ReportHarness h(realServices());
    h.show();
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->lastLatitude != 0.0, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->Message->text().contains(QStringLiteral("{Staré Město}")), 20000);
    QVERIFY(h.screen->lastLatitude >= 50.0875 - 1e-6 && h.screen->lastLatitude < 50.0935);
    QCOMPARE(h.screen->lastLongitude, 14.4213);
    const QStringList shown = GPSUtils::format(0, h.screen->lastLatitude, h.screen->lastLongitude);
    QCOMPARE(h.screen->Latitude->text(), shown.at(0));
    QCOMPARE(h.screen->Longitude->text(), shown.at(1));
    QVERIFY(QRegularExpression(QStringLiteral("^19[0-4]m AMSL$")).match(h.screen->AMSL->text()).hasMatch());
    QVERIFY(h.screen->Message->text().startsWith(QStringLiteral("I am at [%1 %2]").arg(shown.at(0), shown.at(1))));
    QVERIFY(log.contains(QStringLiteral("Resolving the Address")));
    QVERIFY(log.contains(QStringLiteral("using gps format: Geocaching")));
    QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());

    // The daemon dies: one alert, and the log names the source and the cause.
    fake.kill();
    QTRY_COMPARE_WITH_TIMEOUT(AlertPresenter::shared().visibleAlerts().size(), 1, 10000);
    QTest::qWait(300);
    QCOMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
    QCOMPARE(AlertPresenter::shared().topAlert()->title(), localizedText("Error"));
    QCOMPARE(AlertPresenter::shared().topAlert()->message(), localizedText("GettingLocationFailed"));
    const QString line = QStringLiteral("LocationManager: location source gpsd:127.0.0.1:%1 failed: gpsd at 127.0.0.1:%1 "
                                        "closed the connection").arg(port);
    QVERIFY2(log.contains(line), qPrintable(log.lines().filter(QStringLiteral("LocationManager")).join('\n')));
    QVERIFY(log.contains(QStringLiteral("didFailWithError: location source gpsd:127.0.0.1:%1 failed: gpsd at "
                                        "127.0.0.1:%1 closed the connection").arg(port)));
}

QTEST_MAIN(tst_ReportLiveSources)
#include "tst_ReportLiveSources.moc"
