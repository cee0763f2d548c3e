// The report screen with no source set: GeoClue (the real daemon on a private system bus)
// when it is there, gpsd when GeoClue is not, and the labelled demo when neither is; and
// GeoClue refusing, hanging, answering late and going away.

#include "report/LiveSources.h"
#include "support/GeoClueHarness.h"
#include "support/TestSupport.h"
#include "coords/GPSUtils.h"
#include "templates/SettingsKeys.h"
#include "platform/ui/AlertView.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/UserDefaults.h"

#include <QDBusInterface>
#include <QDataStream>
#include <QGeoPositionInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

#include <unistd.h>

namespace {

QStringList shownAlerts()
{
    QStringList out;
    for (AlertView* a : AlertPresenter::shared().visibleAlerts())
        out.append(a->message());
    return out;
}

bool geoClueInUse()
{
    QDBusInterface manager(QStringLiteral("org.freedesktop.GeoClue2"), QStringLiteral("/org/freedesktop/GeoClue2/Manager"),
                           QStringLiteral("org.freedesktop.GeoClue2.Manager"), QDBusConnection::systemBus());
    return manager.property("InUse").toBool();
}

QString geoClueTitle()
{
    return localizedText("SourceGeoClue");
}

} // namespace

class tst_ReportAutoSource : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void geoClueFixesReachTheScreen();
    void followingStopsWhileTheWindowCannotBeSeen();
    void geoClueDenialGivesTheStatusAndOneAlert();
    void geoClueThatHangsThenAnswersLate();
    void geoClueGoingAwayIsAFailure();
    void gpsdWhenGeoClueIsAbsent();
    void gpsdOfAnotherUserIsPassedOver();
    void demoWithItsLabelWhenNeitherAnswers();
    void explicitGeoClueNeverFallsBack();

private:
    void startGeoClue(bool grant);
    GeoClueHarness geoclue_;
    quint16 closedPort_ = 0;
};

void tst_ReportAutoSource::initTestCase()
{
    initTestEnvironment();
    QVERIFY(StringTable::load(QStringLiteral("en")));
    // What GeoClue (and the desktop's agent) is told the application is.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    QString why;
    QVERIFY2(geoclue_.startBus(&why), qPrintable(why));
    closedPort_ = freePort();
}

void tst_ReportAutoSource::init()
{
    storeSelectedTemplate(QStringLiteral("I am at [] in {}."));
    // No `source`: the automatic choice. gpsd is looked for on a port nobody listens on,
    // whatever the machine runs at 2947.
    writeDeviceSettings({{QStringLiteral("auto-gpsd"), QStringLiteral("127.0.0.1:%1").arg(closedPort_)},
                         {QStringLiteral("replay-speed"), 50}});
}

void tst_ReportAutoSource::cleanup()
{
    AlertPresenter::shared().dismissAll();
    geoclue_.stopGeoClue();
    QFile::remove(LocationManager::deviceSettingsPath());
}

void tst_ReportAutoSource::startGeoClue(bool grant)
{
    QString why;
    QVERIFY2(geoclue_.startGeoClue(&why), qPrintable(why));
    QVERIFY2(geoclue_.startAgent(grant, &why), qPrintable(why));
}

void tst_ReportAutoSource::geoClueFixesReachTheScreen()
{
    // Qt's plugin keeps the last position of an earlier run in a file and hands it out
    // first, as if it were new; an earlier run in Sydney must not show up in Prague.
    {
        QFile stale(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                    + QStringLiteral("/qtposition-geoclue2"));
        QDir().mkpath(QFileInfo(stale).path());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        QDataStream out(&stale);
        out << QGeoPositionInfo(QGeoCoordinate(-33.8688, 151.2093), QDateTime::currentDateTime().addDays(-3));
    }
    startGeoClue(true);
    LogCapture log;
    ReportHarness h(realServices());
    QStringList statuses;
    QList<Location> fixes;
    h.show();
    connect(h.screen->locationManager.get(), &LocationManager::statusChanged, this,
            [&] { statuses.append(h.screen->statusLabel->text()); });
    connect(h.screen->locationManager.get(), &LocationManager::locationUpdated, this,
            [&](const Location& l) { fixes.append(l); });
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->lastLatitude != 0.0, 20000);
    QVERIFY2(fixes.first().coordinate.latitude > 50.0, qPrintable(fixes.first().description()));
    QCOMPARE(h.screen->locationManager->activeSource().kind, LocationSourceInfo::Kind::GeoClue);
    QVERIFY(log.contains(QStringLiteral("LocationManager: auto: using GeoClue")));
    // While there was no fix the line said what it waited for; with fixes it is gone.
    QVERIFY2(statuses.contains(localizedText("StatusWaiting").arg(geoClueTitle())), qPrintable(statuses.join('|')));
    QVERIFY(!h.screen->statusLabel->isVisible());
    QVERIFY(!h.screen->demoLabel->isVisible());

    const double lat = h.screen->lastLatitude;
    QVERIFY2(lat >= GeoClueHarness::kStartLatitude - 1e-6 && lat <= GeoClueHarness::latitudeOf(geoclue_.served()) + 1e-6,
             qPrintable(QString::number(lat, 'f', 8)));
    QVERIFY(std::abs(h.screen->lastLongitude - GeoClueHarness::kLongitude) < 1e-6);
    const QStringList shown = GPSUtils::format(0, lat, h.screen->lastLongitude);
    QCOMPARE(h.screen->Latitude->text(), shown.at(0));
    QCOMPARE(h.screen->Longitude->text(), shown.at(1));
    QVERIFY2(QRegularExpression(QStringLiteral("^(19\\d|2\\d\\d)m AMSL$")).match(h.screen->AMSL->text()).hasMatch(),
             qPrintable(h.screen->AMSL->text()));
    QVERIFY(h.screen->Message->text().startsWith(QStringLiteral("I am at [%1 %2]").arg(shown.at(0), shown.at(1))));
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->Message->text().endsWith(QStringLiteral("in {Staré Město}.")), 20000);
    QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());
}

void tst_ReportAutoSource::followingStopsWhileTheWindowCannotBeSeen()
{
    startGeoClue(true);
    ReportHarness h(realServices());
    h.show();
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->lastLatitude != 0.0, 20000);
    QVERIFY(geoClueInUse());
    struct Step {
        const char* name;
        std::function<void()> away;
        std::function<void()> back;
    };
    const Step steps[] = {
        {"minimised", [&] { h.window->showMinimized(); }, [&] { h.window->showNormal(); }},
        {"hidden", [&] { h.window->hide(); }, [&] { h.window->show(); }},
    };
    for (const Step& step : steps) {
        step.away();
        // GeoClue is told: nobody uses it any more, so the desktop's indicator goes off.
        QTRY_VERIFY2_WITH_TIMEOUT(!h.screen->locationManager->isUpdating(), step.name, 5000);
        QTRY_VERIFY2_WITH_TIMEOUT(!geoClueInUse(), step.name, 10000);
        const double before = h.screen->lastLatitude;
        step.back();
        QTRY_VERIFY2_WITH_TIMEOUT(h.screen->locationManager->isUpdating(), step.name, 5000);
        QTRY_VERIFY2_WITH_TIMEOUT(geoClueInUse(), step.name, 10000);
        QTRY_VERIFY2_WITH_TIMEOUT(h.screen->lastLatitude > before, step.name, 20000);
    }
    QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());
}

void tst_ReportAutoSource::geoClueDenialGivesTheStatusAndOneAlert()
{
    startGeoClue(false);
    LogCapture log;
    ReportHarness h(realServices());
    h.show();
    QTRY_COMPARE_WITH_TIMEOUT(h.screen->statusLabel->text(), localizedText("StatusDenied"), 20000);
    QVERIFY(h.screen->statusLabel->isVisible());
    QCOMPARE(shownAlerts(), QStringList{localizedText("GettingLocationFailed")});
    QTest::qWait(500);
    QCOMPARE(shownAlerts(), QStringList{localizedText("GettingLocationFailed")});
    // A refusal is the user's answer: no other source, and never the demo in its place.
    QVERIFY(!h.screen->demoLabel->isVisible());
    QCOMPARE(h.screen->lastLatitude, 0.0);
    QVERIFY(log.contains(QStringLiteral("didFailWithError: location source auto failed: access to the position was refused")));
    QCOMPARE(log.lines().filter(QStringLiteral("didFailWithError")).size(), 1);
}

void tst_ReportAutoSource::geoClueThatHangsThenAnswersLate()
{
    startGeoClue(true);
    geoclue_.pauseGeoClue();
    ReportHarness h(realServices());
    h.show();
    h.screen->locationManager->setNotAnsweringTimeout(300);
    QTRY_COMPARE_WITH_TIMEOUT(h.screen->statusLabel->text(), localizedText("StatusNotAnswering").arg(geoClueTitle()), 10000);
    // The window goes on: a short wait takes as long as it says.
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        QTest::qWait(100);
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
    }
    QCOMPARE(h.screen->lastLatitude, 0.0);
    geoclue_.resumeGeoClue();
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->lastLatitude != 0.0, 20000);
    QVERIFY(!h.screen->statusLabel->isVisible());
    QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());
}

void tst_ReportAutoSource::geoClueGoingAwayIsAFailure()
{
    startGeoClue(true);
    LogCapture log;
    ReportHarness h(realServices());
    h.show();
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->lastLatitude != 0.0, 20000);
    geoclue_.stopGeoClue();
    QTRY_COMPARE_WITH_TIMEOUT(shownAlerts(), QStringList{localizedText("GettingLocationFailed")}, 10000);
    QTest::qWait(300);
    QCOMPARE(shownAlerts().size(), 1);
    QCOMPARE(h.screen->statusLabel->text(), localizedText("StatusFailed").arg(geoClueTitle()));
    QVERIFY(!h.screen->demoLabel->isVisible());
    QVERIFY(log.contains(QStringLiteral("LocationManager: location source auto failed: GeoClue left the system bus")));
}

void tst_ReportAutoSource::gpsdWhenGeoClueIsAbsent()
{
    GpsFake gpsd;
    QString why;
    QVERIFY2(gpsd.start(30, &why), qPrintable(why));
    writeDeviceSettings({{QStringLiteral("auto-gpsd"), QStringLiteral("127.0.0.1:%1").arg(gpsd.port)}});
    LogCapture log;
    ReportHarness h(realServices());
    h.show();
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->lastLatitude != 0.0, 20000);
    QCOMPARE(h.screen->locationManager->activeSource().kind, LocationSourceInfo::Kind::Gpsd);
    QCOMPARE(log.lines().filter(QStringLiteral("LocationManager: auto:")),
             QStringList{QStringLiteral("LocationManager: auto: using gpsd at 127.0.0.1:%1 (passed over GeoClue: not on "
                                        "the system bus)").arg(gpsd.port)});
    QVERIFY(h.screen->lastLatitude >= 50.0875 - 1e-6 && h.screen->lastLatitude < 50.0935);
    QVERIFY(!h.screen->demoLabel->isVisible());
    QVERIFY(!h.screen->statusLabel->isVisible());
}

void tst_ReportAutoSource::gpsdOfAnotherUserIsPassedOver()
{
    // Another local user's fake daemon on the port, greeting as gpsd does. Run as root, the
    // test makes its socket as nobody; otherwise its own is already another user's.
    QTcpServer fake;
    const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid();
    QVERIFY(::seteuid(owner) == 0);
    const bool listening = fake.listen(QHostAddress::LocalHost);
    QVERIFY(::seteuid(::getuid()) == 0);
    QVERIFY(listening);
    connect(&fake, &QTcpServer::newConnection, &fake, [&fake] {
        while (QTcpSocket* s = fake.nextPendingConnection())
            s->write("{\"class\":\"VERSION\",\"release\":\"3.22\",\"proto_major\":3,\"proto_minor\":14}\r\n");
    });
    writeDeviceSettings({{QStringLiteral("auto-gpsd"), QStringLiteral("127.0.0.1:%1").arg(fake.serverPort())},
                         {QStringLiteral("replay-speed"), 50}});
    LogCapture log;
    ReportHarness h(realServices());
    h.show();
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->locationManager->isDemo(), 10000);
    QCOMPARE(log.lines().filter(QStringLiteral("LocationManager: auto:")),
             QStringList{QStringLiteral("LocationManager: auto: using the demo walk (passed over GeoClue: not on the "
                                        "system bus; gpsd at 127.0.0.1:%1: its socket belongs to user %2, not root or "
                                        "gpsd (choose source=gpsd to use it))")
                             .arg(fake.serverPort())
                             .arg(owner)});
}

void tst_ReportAutoSource::demoWithItsLabelWhenNeitherAnswers()
{
    LogCapture log;
    ReportHarness h(realServices());
    h.show();
    QTRY_VERIFY_WITH_TIMEOUT(h.screen->lastLatitude != 0.0, 20000);
    QVERIFY(h.screen->locationManager->isDemo());
    QVERIFY(h.screen->demoLabel->isVisible());
    QCOMPARE(h.screen->demoLabel->text(), localizedText("DemoPosition"));
    QCOMPARE(log.lines().filter(QStringLiteral("LocationManager: auto:")),
             QStringList{QStringLiteral("LocationManager: auto: using the demo walk (passed over GeoClue: not on the "
                                        "system bus; gpsd at 127.0.0.1:%1: connection refused)").arg(closedPort_)});
    QVERIFY(h.screen->Message->text().startsWith(QStringLiteral("I am at [N 50")));

    // Sending asks first, and "don't send" (the default) sends nothing.
    h.screen->phoneNumber->setText(QStringLiteral("+420123456789"));
    h.screen->sendSMS(h.screen->sendButton);
    QCOMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
    AlertView* ask = AlertPresenter::shared().topAlert();
    QCOMPARE(ask->title(), localizedText("DemoSendTitle"));
    QCOMPARE(ask->buttonTitles().value(0), localizedText("DemoSendNo"));
    h.screen->sendSMS(h.screen->sendButton); // asked once, not twice
    QCOMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
    const qsizetype before = log.lines().size();
    ask->clickButtonAtIndex(0);
    QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());
    QVERIFY(log.lines().mid(before).filter(QStringLiteral("Message to send")).isEmpty());
    // "Send the demo" goes on as any send does (here to the "not configured" alert).
    h.screen->sendSMS(h.screen->sendButton);
    AlertPresenter::shared().topAlert()->clickButtonAtIndex(1);
    QCOMPARE(shownAlerts(), QStringList{localizedText("DeviceNotConfigured")});
    QCOMPARE(log.lines().filter(QStringLiteral("Message to send")).size(), 1);
}

void tst_ReportAutoSource::explicitGeoClueNeverFallsBack()
{
    writeDeviceSettings({{QStringLiteral("source"), QStringLiteral("geoclue")}});
    LogCapture log;
    ReportHarness h(realServices());
    h.show();
    QTRY_COMPARE_WITH_TIMEOUT(shownAlerts(), QStringList{localizedText("GettingLocationFailed")}, 10000);
    QVERIFY(log.contains(QStringLiteral("LocationManager: location source geoclue failed: GeoClue: not on the system bus")));
    QCOMPARE(h.screen->statusLabel->text(), localizedText("StatusFailed").arg(geoClueTitle()));
    QTest::qWait(300);
    QVERIFY(!h.screen->demoLabel->isVisible());
    QCOMPARE(h.screen->lastLatitude, 0.0);
}

QTEST_MAIN(tst_ReportAutoSource)
#include "tst_ReportAutoSource.moc"
