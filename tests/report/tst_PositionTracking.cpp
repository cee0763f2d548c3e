// Position updates on the report screen: labels, altitude, locality, message, format
// choice and failures.

#include "report/ReportHarness.h"
#include "support/TestSupport.h"
#include "coords/GPSUtils.h"
#include "templates/SettingsKeys.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/UserDefaults.h"

#include <QAccessible>
#include <QLabel>
#include <QScopeGuard>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

class tst_PositionTracking : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void init();
    void cleanup();

    void updateUsesStoredFormat_data();
    void updateUsesStoredFormat();
    void altitudeRounding_data();
    void altitudeRounding();
    void localityComesFromAnEarlierAnswer();
    void placemarkWithoutSubLocality();
    void localityIsNeverMarkup();
    void failedOrEmptyAnswerKeepsTheRecord_data();
    void failedOrEmptyAnswerKeepsTheRecord();
    void twoUpdatesShareTheOlderRecord();
    void formatChoice_data();
    void formatChoice();
    void formatChoiceBeforeAnyPosition();
    void formatSheetProperties();
    void sheetDismissedWithoutChoice_data();
    void sheetDismissedWithoutChoice();
    void sheetOfAnotherTagIsIgnored();
    void failureShowsOneAlertEach();
    void updatesOnlyWhileShown();
    void answerAfterTheScreenIsGone_data();
    void answerAfterTheScreenIsGone();
    void sourceLines_data();
    void sourceLines();
    void fixQualityLine_data();
    void fixQualityLine();

private:
    std::unique_ptr<ReportHarness> h;
};

void tst_PositionTracking::init()
{
    storeSelectedTemplate(QStringLiteral("At [] in {} now"));
    h = std::make_unique<ReportHarness>();
    h->show();
}

void tst_PositionTracking::cleanup()
{
    AlertPresenter::shared().dismissAll();
    ActionSheetPresenter::shared().dismissAll();
    h.reset();
}

void tst_PositionTracking::updateUsesStoredFormat_data()
{
    QTest::addColumn<QString>("stored"); // "(absent)" for no value
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("usingLine");
    QTest::newRow("absent") << QStringLiteral("(absent)") << 0 << QStringLiteral("using gps format: Geocaching");
    QTest::newRow("Geocaching") << QStringLiteral("Geocaching") << 0 << QStringLiteral("using gps format: Geocaching");
    QTest::newRow("WGS84") << QStringLiteral("WGS84") << 1 << QStringLiteral("using gps format: WGS84");
    QTest::newRow("RAW") << QStringLiteral("RAW") << 2 << QStringLiteral("using gps format: RAW");
    QTest::newRow("other value") << QStringLiteral("raw") << 0 << QStringLiteral("using gps format: Geocaching");
}

void tst_PositionTracking::updateUsesStoredFormat()
{
    QFETCH(QString, stored);
    QFETCH(int, code);
    QFETCH(QString, usingLine);
    if (stored != QLatin1String("(absent)"))
        UserDefaults::standardUserDefaults().setString(stored, SettingsKeys::SelectedGPSFormat);
    LogCapture log;
    h->deliver(50.0875, 14.4213, 191.2);
    const QStringList expected = GPSUtils::format(code, 50.0875, 14.4213);
    QCOMPARE(h->screen->Latitude->text(), expected.at(0));
    QCOMPARE(h->screen->Longitude->text(), expected.at(1));
    QCOMPARE(h->screen->AMSL->text(), QStringLiteral("191m AMSL"));
    QCOMPARE(h->screen->lastLatitude, 50.0875);
    QCOMPARE(h->screen->lastLongitude, 14.4213);
    QCOMPARE(h->screen->Message->text(), QStringLiteral("At [%1 %2] in {} now").arg(expected.at(0), expected.at(1)));

    const QStringList& lines = log.lines();
    QVERIFY(lines.value(0).startsWith(QStringLiteral("V POLI locationManager: did update to location: <+50.08750000,+14.42130000>")));
    const qsizetype selected = log.indexOf(QStringLiteral("selected gps format: ") + (stored == QLatin1String("(absent)") ? QStringLiteral("(null)") : stored));
    const qsizetype using_ = log.indexOf(usingLine);
    const qsizetype resolving = log.indexOf(QStringLiteral("Resolving the Address"));
    QVERIFY(selected > 0);
    QVERIFY(using_ > selected);
    QVERIFY(resolving > using_);
    QCOMPARE(h->geocoder()->requests.size(), 1);
    QCOMPARE(h->geocoder()->requests.first().location.coordinate.latitude, 50.0875);
}

void tst_PositionTracking::altitudeRounding_data()
{
    QTest::addColumn<double>("altitude");
    QTest::addColumn<QString>("shown");
    QTest::newRow("rounds up") << 235.6 << QStringLiteral("236m AMSL");
    QTest::newRow("negative rounds toward zero") << -3.4 << QStringLiteral("-3m AMSL");
    QTest::newRow("small negative keeps its sign") << -0.4 << QStringLiteral("-0m AMSL");
    QTest::newRow("below sea level") << -27.5001 << QStringLiteral("-28m AMSL");
}

void tst_PositionTracking::altitudeRounding()
{
    QFETCH(double, altitude);
    QFETCH(QString, shown);
    h->deliver(50.0875, 14.4213, altitude);
    QCOMPARE(h->screen->AMSL->text(), shown);
}

void tst_PositionTracking::localityComesFromAnEarlierAnswer()
{
    h->deliver(50.0875, 14.4213, 190);
    QCOMPARE(h->screen->AddressLabel->text(), QStringLiteral("Waiting for locality..."));
    QVERIFY(h->screen->Message->text().endsWith(QStringLiteral(" in {} now")));

    Placemark p;
    p.subLocality = QStringLiteral("Staré Město");
    p.locality = QStringLiteral("Prague");
    Placemark older;
    older.subLocality = QStringLiteral("Josefov");
    h->geocoder()->answer({older, p});
    // The answer alone changes nothing on screen.
    QCOMPARE(h->screen->AddressLabel->text(), QStringLiteral("Waiting for locality..."));
    QVERIFY(h->screen->Message->text().endsWith(QStringLiteral(" in {} now")));

    h->deliver(50.0876, 14.4214, 190);
    QCOMPARE(h->screen->AddressLabel->text(), QStringLiteral("Staré Město")); // the last record of the list
    QVERIFY(h->screen->Message->text().endsWith(QStringLiteral(" in {Staré Město} now")));
}

void tst_PositionTracking::placemarkWithoutSubLocality()
{
    h->deliver(10.0, 10.0, 0);
    Placemark p;
    p.locality = QStringLiteral("Somewhere");
    h->geocoder()->answer({p});
    for (int i = 0; i < 2; ++i) {
        h->deliver(10.0 + i + 1, 10.0, 0);
        QCOMPARE(h->screen->AddressLabel->text(), QStringLiteral("Waiting for locality..."));
        QVERIFY(h->screen->Message->text().endsWith(QStringLiteral(" in {} now")));
    }
}

void tst_PositionTracking::failedOrEmptyAnswerKeepsTheRecord_data()
{
    QTest::addColumn<bool>("withError");
    QTest::addColumn<QString>("logged");
    QTest::newRow("error") << true << QStringLiteral("place index not available");
    QTest::newRow("empty list without error") << false << QStringLiteral("(null)");
}

void tst_PositionTracking::failedOrEmptyAnswerKeepsTheRecord()
{
    QFETCH(bool, withError);
    QFETCH(QString, logged);
    h->deliver(50.0875, 14.4213, 190);
    Placemark p;
    p.subLocality = QStringLiteral("Staré Město");
    h->geocoder()->answer({p});
    h->deliver(50.0885, 14.4213, 190);
    LogCapture log;
    if (withError)
        h->geocoder()->answer({p}, GeocodeError{QStringLiteral("place index not available")});
    else
        h->geocoder()->answer({});
    QCOMPARE(log.lines(), QStringList{logged});
    h->deliver(50.0895, 14.4213, 190);
    QCOMPARE(h->screen->AddressLabel->text(), QStringLiteral("Staré Město"));
}

void tst_PositionTracking::twoUpdatesShareTheOlderRecord()
{
    h->deliver(50.0875, 14.4213, 190);
    Placemark first;
    first.subLocality = QStringLiteral("Staré Město");
    h->geocoder()->answer({first});
    h->deliver(50.0900, 14.4213, 190);
    h->deliver(50.0950, 14.4213, 190);
    QCOMPARE(h->geocoder()->requests.size(), 2);
    QCOMPARE(h->screen->AddressLabel->text(), QStringLiteral("Staré Město"));
    // Answers take effect as they arrive; the last one wins.
    Placemark second;
    second.subLocality = QStringLiteral("Josefov");
    Placemark third;
    third.subLocality = QStringLiteral("Holešovice");
    h->geocoder()->answer({second});
    h->geocoder()->answer({third});
    h->deliver(50.1000, 14.4213, 190);
    QCOMPARE(h->screen->AddressLabel->text(), QStringLiteral("Holešovice"));
}

void tst_PositionTracking::formatChoice_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("code");
    QTest::newRow("Geocaching") << 0 << QStringLiteral("Geocaching") << 0;
    QTest::newRow("WGS84") << 1 << QStringLiteral("WGS84") << 1;
    QTest::newRow("RAW") << 2 << QStringLiteral("RAW") << 2;
}

void tst_PositionTracking::formatChoice()
{
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(int, code);
    h->deliver(50.0875, 14.4213, 190);
    const QString amsl = h->screen->AMSL->text();
    h->screen->showFormats();
    ActionSheet* sheet = ActionSheetPresenter::shared().topSheet();
    QVERIFY(sheet);
    LogCapture log;
    sheet->clickButtonAtIndex(index);
    const QStringList expected = GPSUtils::format(code, 50.0875, 14.4213);
    QCOMPARE(log.lines().value(0), title);
    QVERIFY(log.contains(stringWithFormat("saved gps format: %@", expected)));
    QCOMPARE(UserDefaults::standardUserDefaults().stringForKey(SettingsKeys::SelectedGPSFormat), std::optional(title));
    UserDefaults::standardUserDefaults().reload();
    QCOMPARE(UserDefaults::standardUserDefaults().stringForKey(SettingsKeys::SelectedGPSFormat), std::optional(title));
    QCOMPARE(h->screen->Latitude->text(), expected.at(0));
    QCOMPARE(h->screen->Longitude->text(), expected.at(1));
    QCOMPARE(h->screen->AMSL->text(), amsl);
    // No locality yet: the braces take the label's text.
    QCOMPARE(h->screen->Message->text(),
             QStringLiteral("At [%1 %2] in {Waiting for locality...} now").arg(expected.at(0), expected.at(1)));
    QCOMPARE(h->geocoder()->requests.size(), 1);

    // Later updates use the choice.
    h->deliver(50.1, 14.5, 190);
    QCOMPARE(h->screen->Latitude->text(), GPSUtils::format(code, 50.1, 14.5).at(0));
}

void tst_PositionTracking::formatChoiceBeforeAnyPosition()
{
    h->screen->showFormats();
    ActionSheetPresenter::shared().topSheet()->clickButtonAtIndex(2);
    AlertView* alert = AlertPresenter::shared().topAlert();
    QVERIFY(alert);
    QCOMPARE(alert->title(), localizedText("Error"));
    QCOMPARE(alert->message(), localizedText("UnknownLocation"));
    QCOMPARE(alert->buttonTitles(), QStringList{QStringLiteral("OK")});
    QVERIFY(!UserDefaults::standardUserDefaults().stringForKey(SettingsKeys::SelectedGPSFormat));
    QCOMPARE(h->screen->Latitude->text(), localizedText("LATITUDE"));
}

void tst_PositionTracking::formatSheetProperties()
{
    h->screen->showFormats();
    QCOMPARE(ActionSheetPresenter::shared().visibleSheets().size(), 1);
    ActionSheet* sheet = ActionSheetPresenter::shared().topSheet();
    QCOMPARE(sheet->title(), localizedText("ChooseGPSFormat"));
    QCOMPARE(sheet->tag(), 1);
    QCOMPARE(sheet->numberOfButtons(), 3);
    QCOMPARE(sheet->buttonTitleAtIndex(0), QStringLiteral("Geocaching"));
    QCOMPARE(sheet->buttonTitleAtIndex(1), QStringLiteral("WGS84"));
    QCOMPARE(sheet->buttonTitleAtIndex(2), QStringLiteral("RAW"));
    QCOMPARE(sheet->cancelButtonIndex(), -1);
    QCOMPARE(sheet->destructiveButtonIndex(), -1);
    QCOMPARE(sheet->delegate(), static_cast<ActionSheetDelegate*>(h->screen));
    QCOMPARE(sheet->window(), h->window.get());
    QVERIFY(sheet->isVisible());
}

void tst_PositionTracking::sheetDismissedWithoutChoice_data()
{
    // How the sheet goes away: closed by the platform without telling the screen, or
    // reported to the screen with an index that names none of the three formats.
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("index");
    QTest::newRow("Escape") << "escape" << 0;
    QTest::newRow("click outside") << "outside" << 0;
    QTest::newRow("no button (-1)") << "index" << -1;
    QTest::newRow("past the last button") << "index" << 3;
}

void tst_PositionTracking::sheetDismissedWithoutChoice()
{
    QFETCH(QString, how);
    QFETCH(int, index);
    h->deliver(50.0875, 14.4213, 190);
    const QString lat = h->screen->Latitude->text();
    const QString lon = h->screen->Longitude->text();
    const QString message = h->screen->Message->text();
    h->screen->coordBtn->click(); // the button is wired to the sheet
    ActionSheet* sheet = ActionSheetPresenter::shared().topSheet();
    QVERIFY(sheet);
    LogCapture log;
    if (how == QLatin1String("escape")) {
        QTest::keyClick(sheet, Qt::Key_Escape);
        QVERIFY(log.lines().isEmpty());
    } else if (how == QLatin1String("outside")) {
        QTest::mouseClick(h->screen->Latitude, Qt::LeftButton);
        QVERIFY(log.lines().isEmpty());
    } else {
        // The screen's own answer to "no choice": the title it looked up is logged, nothing else.
        h->screen->actionSheetClickedButtonAtIndex(sheet, index);
        QCOMPARE(log.lines().size(), 1);
        sheet->dismiss();
    }
    QVERIFY(ActionSheetPresenter::shared().visibleSheets().isEmpty());
    QVERIFY(!UserDefaults::standardUserDefaults().stringForKey(SettingsKeys::SelectedGPSFormat));
    QCOMPARE(h->screen->Latitude->text(), lat);
    QCOMPARE(h->screen->Longitude->text(), lon);
    QCOMPARE(h->screen->Message->text(), message);
    QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());
}

void tst_PositionTracking::sheetOfAnotherTagIsIgnored()
{
    h->deliver(50.0875, 14.4213, 190);
    ActionSheet other(QStringLiteral("Other"), h->screen, QString(), QString(), {QStringLiteral("RAW")});
    other.setTag(2);
    LogCapture log;
    h->screen->actionSheetClickedButtonAtIndex(&other, 0);
    QVERIFY(log.lines().isEmpty());
    QVERIFY(!UserDefaults::standardUserDefaults().stringForKey(SettingsKeys::SelectedGPSFormat));
}

void tst_PositionTracking::failureShowsOneAlertEach()
{
    LogCapture log;
    const LocationError error{QStringLiteral("gpsd:127.0.0.1:1"), QStringLiteral("connection refused")};
    h->screen->locationManagerDidFailWithError(h->screen->locationManager.get(), error);
    h->screen->locationManagerDidFailWithError(h->screen->locationManager.get(), error);
    QCOMPARE(log.lines().value(0), QStringLiteral("didFailWithError: location source gpsd:127.0.0.1:1 failed: connection refused"));
    const auto alerts = AlertPresenter::shared().visibleAlerts();
    QCOMPARE(alerts.size(), 2);
    QCOMPARE(alerts.first()->title(), localizedText("Error"));
    QCOMPARE(alerts.first()->message(), localizedText("GettingLocationFailed"));
    QCOMPARE(alerts.first()->buttonTitles(), QStringList{QStringLiteral("OK")});
    QVERIFY(!alerts.first()->delegate());
    // Tracking goes on.
    QVERIFY(h->screen->locationManager->isUpdating());
}

void tst_PositionTracking::updatesOnlyWhileShown()
{
    // The manager opens its source at the next pass of the event loop.
    QTRY_COMPARE(h->fakes.sourceStarts, 1);
    h->tabs->setSelectedIndex(1);
    QVERIFY(!h->screen->locationManager->isUpdating());
    QCOMPARE(h->fakes.sourceStops, 1);
    h->deliver(50.0875, 14.4213, 190);
    QCOMPARE(h->screen->lastLatitude, 0.0);
    h->tabs->setSelectedIndex(0);
    QVERIFY(h->screen->locationManager->isUpdating());
    QTRY_COMPARE(h->fakes.sourceStarts, 2);
    h->deliver(50.0875, 14.4213, 190);
    QCOMPARE(h->screen->lastLatitude, 50.0875);
}

void tst_PositionTracking::answerAfterTheScreenIsGone_data()
{
    QTest::addColumn<bool>("failed");
    QTest::newRow("a place") << false;
    QTest::newRow("an error") << true;
}

void tst_PositionTracking::answerAfterTheScreenIsGone()
{
    QFETCH(bool, failed);
    // A geocoder that outlives the screen (a shared one) must not call into it.
    ReportServices services = h->fakes.services();
    auto keep = std::make_unique<FakeGeocoder>();
    FakeGeocoder* shared = keep.get();
    services.makeGeocoder = [shared]() -> std::unique_ptr<Geocoder> {
        struct Forward : Geocoder {
            FakeGeocoder* to;
            explicit Forward(FakeGeocoder* t) : to(t) {}
            void reverseGeocodeLocation(const Location& l, Completion c) override { to->reverseGeocodeLocation(l, std::move(c)); }
        };
        return std::make_unique<Forward>(shared);
    };
    auto other = std::make_unique<ReportHarness>(services);
    other->show();
    other->deliver(50.0875, 14.4213, 190);
    QCOMPARE(keep->requests.size(), 1);
    other.reset();
    const QString shownHere = h->screen->AddressLabel->text();
    LogCapture log;
    // A screen still listening would keep the place (a use after free, which the sanitizer
    // stops) or log the error (a line here).
    if (failed) {
        keep->answer({}, GeocodeError{QStringLiteral("no network")});
    } else {
        Placemark p;
        p.subLocality = QStringLiteral("Staré Město");
        keep->answer({p});
    }
    QVERIFY2(log.lines().isEmpty(), qPrintable(log.lines().join(u'\n')));
    QVERIFY(keep->requests.isEmpty());
    QCOMPARE(h->screen->AddressLabel->text(), shownHere);
}

void tst_PositionTracking::sourceLines_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("status"); // "" when the line is hidden
    QTest::addColumn<bool>("demo");
    QTest::addColumn<int>("alerts");
    StringTable::load(QStringLiteral("en"));
    const QString geoclue = localizedText("SourceGeoClue");
    QTest::newRow("waiting names the source") << QStringLiteral("gpsd:10.0.0.2:2947") << QString()
                                              << localizedText("StatusWaiting").arg(QStringLiteral("gpsd at 10.0.0.2:2947"))
                                              << false << 0;
    QTest::newRow("hidden once fixes arrive") << QStringLiteral("geoclue") << QStringLiteral("fix") << QString() << false << 0;
    QTest::newRow("not answering") << QStringLiteral("geoclue") << QStringLiteral("wait")
                                   << localizedText("StatusNotAnswering").arg(geoclue) << false << 0;
    QTest::newRow("not answering, then a fix") << QStringLiteral("geoclue") << QStringLiteral("wait fix") << QString() << false << 0;
    QTest::newRow("denied, with where to allow it") << QStringLiteral("geoclue") << QStringLiteral("refuse")
                                                    << localizedText("StatusDenied") << false << 1;
    QTest::newRow("receiver gone") << QStringLiteral("nmea:/dev/ttyUSB0") << QStringLiteral("close")
                                   << localizedText("StatusFailed").arg(QStringLiteral("receiver /dev/ttyUSB0")) << false << 1;
    QTest::newRow("demo labelled before its first fix") << QStringLiteral("demo") << QString()
                                                        << localizedText("StatusWaiting").arg(localizedText("SourceDemo"))
                                                        << true << 0;
    QTest::newRow("demo labelled with fixes") << QStringLiteral("demo") << QStringLiteral("fix") << QString() << true << 0;
    QTest::newRow("own recording is no demo") << QStringLiteral("replay:/home/jana/walk.nmea") << QStringLiteral("fix")
                                              << QString() << false << 0;
    const QString sky = localizedText("StatusWaitingSatellites");
    QTest::newRow("satellites while waiting") << QStringLiteral("gpsd:10.0.0.2:2947") << QStringLiteral("sky:7:2")
                                              << sky.arg(7).arg(2) << false << 0;
    QTest::newRow("satellites follow the sky") << QStringLiteral("nmea:/dev/ttyUSB0") << QStringLiteral("sky:3:0 sky:9:4")
                                               << sky.arg(9).arg(4) << false << 0;
    QTest::newRow("satellites while not answering") << QStringLiteral("nmea:/dev/ttyUSB0") << QStringLiteral("sky:5:1 wait")
                                                    << sky.arg(5).arg(1) << false << 0;
    QTest::newRow("satellite counts out of range") << QStringLiteral("nmea:/dev/ttyUSB0") << QStringLiteral("sky:300:-4")
                                                   << sky.arg(255).arg(0) << false << 0;
    QTest::newRow("satellites gone with the fix") << QStringLiteral("nmea:/dev/ttyUSB0") << QStringLiteral("sky:8:5 fix")
                                                  << QString() << false << 0;
    QTest::newRow("failure says so, not the sky") << QStringLiteral("nmea:/dev/ttyUSB0") << QStringLiteral("sky:8:5 close")
                                                  << localizedText("StatusFailed").arg(QStringLiteral("receiver /dev/ttyUSB0"))
                                                  << false << 1;
    StringTable::load(QString());
}

void tst_PositionTracking::sourceLines()
{
    QFETCH(QString, source);
    QFETCH(QString, steps);
    QFETCH(QString, status);
    QFETCH(bool, demo);
    QFETCH(int, alerts);
    QVERIFY(StringTable::load(QStringLiteral("en")));
    auto restore = qScopeGuard([] { StringTable::load(QString()); });
    h.reset();
    ReportHarness harness;
    harness.fakes.sourceName = source;
    // The fakes are read when the screen loads its view, at the first show.
    harness.show();
    QuorvelFirstViewController* s = harness.screen;
    s->locationManager->setNotAnsweringTimeout(100);
    QTRY_VERIFY(harness.fakes.lastSource);
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("fix"))
            harness.deliver(50.0875, 14.4213, 200);
        else if (step == QLatin1String("wait"))
            QTest::qWait(300);
        else if (step == QLatin1String("refuse"))
            harness.fakes.lastSource->say(QGeoPositionInfoSource::AccessError);
        else if (step == QLatin1String("close"))
            harness.fakes.lastSource->say(QGeoPositionInfoSource::ClosedError);
        else if (step.startsWith(QLatin1String("sky:")))
            harness.fakes.lastSource->sky(step.section(u':', 1, 1).toInt(), step.section(u':', 2, 2).toInt());
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(s->statusLabel->text(), status);
    QCOMPARE(s->statusLabel->isVisible(), !status.isEmpty());
    // What a screen reader reads: the line's name, and its words as the description.
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(s->statusLabel);
    QVERIFY(line);
    QCOMPARE(line->text(QAccessible::Name), QStringLiteral("Position status"));
    QCOMPARE(line->text(QAccessible::Description), status);
    QCOMPARE(s->demoLabel->isVisible(), demo);
    QCOMPARE(s->demoLabel->text(), localizedText("DemoPosition"));
    QTest::qWait(50);
    QCOMPARE(AlertPresenter::shared().visibleAlerts().size(), alerts);
}

void tst_PositionTracking::fixQualityLine_data()
{
    QTest::addColumn<double>("accuracy"); // NaN: the source gives none
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("line");
    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("metres, rounded up") << 7.2 << 0 << "en" << "±8 m";
    QTest::newRow("no accuracy is unknown") << none << 0 << "en" << "accuracy unknown";
    QTest::newRow("negative accuracy is unknown") << -5.0 << 0 << "en" << "accuracy unknown";
    QTest::newRow("infinite accuracy is unknown") << std::numeric_limits<double>::infinity() << 0 << "en"
                                                  << "accuracy unknown";
    QTest::newRow("a minute old shows its age") << 8.0 << 125 << "en" << "±8 m · 2 min ago";
    QTest::newRow("under a minute shows none") << 8.0 << 50 << "en" << "±8 m";
    QTest::newRow("exactly 1 km is not coarse") << 1000.0 << 0 << "en" << "±1.0 km";
    QTest::newRow("coarse is marked") << 3150.0 << 0 << "en" << "⚠ ±3.2 km";
    QTest::newRow("stale is marked") << 5.0 << 305 << "en" << "⚠ ±5 m · 5 min ago";
    QTest::newRow("hours") << 5.0 << 7300 << "en" << "⚠ ±5 m · 2 h ago";
    QTest::newRow("a fix from the future is current") << 5.0 << -600 << "en" << "±5 m";
    QTest::newRow("Czech") << 12.0 << 180 << "cs" << "±12 m · před 3 min";
}

void tst_PositionTracking::fixQualityLine()
{
    QFETCH(double, accuracy);
    QFETCH(int, ageSeconds);
    QFETCH(QString, language);
    QFETCH(QString, line);
    QVERIFY(StringTable::load(language));
    auto restore = qScopeGuard([] { StringTable::load(QString()); });
    QGeoPositionInfo info(QGeoCoordinate(50.0875, 14.4213, 200), QDateTime::currentDateTimeUtc().addSecs(-ageSeconds));
    if (!std::isnan(accuracy))
        info.setAttribute(QGeoPositionInfo::HorizontalAccuracy, accuracy);
    QLabel* label = h->screen->fixQualityLabel;
    QVERIFY(!label->isVisible());
    h->screen->locationManager->handlePosition(info);
    QCOMPARE(label->text(), line);
    QVERIFY(label->isVisible());
    // Screen readers get the same words.
    QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(label);
    QVERIFY(a11y);
    QCOMPARE(a11y->text(QAccessible::Name), QStringLiteral("Position accuracy"));
    QCOMPARE(a11y->text(QAccessible::Description), line);
}

void tst_PositionTracking::localityIsNeverMarkup()
{
    QTemporaryDir dir;
    const QString hostile = hostileMarkup(dir.path());
    h->deliver(50.0875, 14.4213, 190);
    Placemark p;
    p.subLocality = hostile;
    h->geocoder()->answer({p});
    h->deliver(50.0876, 14.4214, 190);
    QCOMPARE(h->screen->AddressLabel->text(), hostile);
    for (QLabel* label : h->screen->findChildren<QLabel*>())
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
    QVERIFY(drawsAsPlainText(h->screen->AddressLabel));
}

QTEST_MAIN(tst_PositionTracking)
#include "tst_PositionTracking.moc"
