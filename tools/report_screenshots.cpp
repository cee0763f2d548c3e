// Takes the report screen's pictures for docs/: with a position (the demo walk, as on a
// machine without GeoClue or gpsd; in a light and in a dark desktop theme), with the format
// sheet open, and while the message is edited (kept in view); with `phone`, at a phone's
// sizes (portrait, keyboard up, landscape, the smallest) while the recipient is typed, and the
// format sheet on the smallest; with `waiting`, the status
// line while a source gives no fix; with `satellites`, that line while a receiver sees the
// sky but has no fix; with `quality`, the accuracy and the age of a fix beside it, and the
// question before a coarse fix is sent. Run from the source folder:
//   build/report_screenshots docs
//   build/report_screenshots docs waiting
//   build/report_screenshots docs satellites
//   build/report_screenshots docs quality
//   build/report_screenshots docs phone
// QUORVEL_SCREENSHOT_LANGUAGE=de takes them in that language (English when unset).

#include "app/QuorvelAppDelegate.h"
#include "report/QuorvelFirstViewController.h"
#include "templates/SettingsKeys.h"
#include "platform/ui/ActionSheet.h"
#include "platform/lifecycle/Application.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/location/LocationManager.h"
#include "platform/ui/TabBarController.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/lifecycle/DesktopColorScheme.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    const QString language = qEnvironmentVariable("QUORVEL_SCREENSHOT_LANGUAGE", QStringLiteral("en"));
    if (!StringTable::load(language))
        qFatal("No string table for %s", qPrintable(language));
    StringTable::loadQtTexts(QLocale(language));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    const QByteArray mode = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    const bool waiting = mode == "waiting";
    QDir().mkpath(out);
    // A gpsd that accepts and then says nothing, for the waiting status.
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost);
    {
        const QString ini = LocationManager::deviceSettingsPath();
        QDir().mkpath(QFileInfo(ini).path());
        QSettings s(ini, QSettings::IniFormat);
        s.setValue(QStringLiteral("location/replay-speed"), 40);
        if (waiting)
            s.setValue(QStringLiteral("location/source"), QStringLiteral("gpsd:127.0.0.1:%1").arg(silent.serverPort()));
        if (mode == "satellites" || mode == "quality") {
            // A receiver of the user's own rather than the demo, which is asked about anyway.
            const QString track = home.filePath(QStringLiteral("track.nmea"));
            QFile f(track);
            f.open(QIODevice::WriteOnly);
            if (mode == "satellites")
                f.write("$GPGSV,2,1,07,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*7A\r\n"
                        "$GPGSA,A,1,01,02,,,,,,,,,,,2.5,1.3,2.1*35\r\n");
            else
                f.write("$GPGGA,120000.00,5005.2500,N,01425.2780,E,1,09,1.6,202.0,M,45.3,M,,*6B\r\n"
                        "$GPRMC,120000.00,A,5005.2500,N,01425.2780,E,0.0,0.0,101226,,,A*53\r\n");
            s.setValue(QStringLiteral("location/source"), QStringLiteral("replay:") + track);
        }
    }
    UserDefaults::standardUserDefaults().setString(QStringLiteral("Geocaching"), SettingsKeys::SelectedGPSFormat);

    QuorvelAppDelegate delegate;
    MainLayout layout = loadMainLayout();
    Application app(&delegate, layout);
    app.launch();
    auto* screen = static_cast<QuorvelFirstViewController*>(layout.rootViewController->viewControllerAt(0));
    // What the place index will answer here.
    Placemark p;
    p.subLocality = QStringLiteral("Staré Město");
    screen->placemark = p;
    screen->phoneNumber->setText(QStringLiteral("+420 603 123 456"));
    if (waiting) {
        QTest::qWait(1500);
        layout.window->grab().save(out + QStringLiteral("/report-waiting.png"));
        delete layout.window;
        return 0;
    }
    if (mode == "satellites") {
        QTest::qWait(1500);
        layout.window->grab().save(out + QStringLiteral("/report-satellites.png"));
        delete layout.window;
        return 0;
    }
    QElapsedTimer t;
    t.start();
    while (screen->lastLatitude == 0.0 && t.elapsed() < 10000)
        QTest::qWait(50);
    QTest::qWait(300);
    if (mode == "quality") {
        screen->locationManager->stopUpdatingLocation();
        // The recording's own time is long past; shown as a fix just taken.
        screen->lastLocation->timestamp = QDateTime::currentDateTimeUtc();
        screen->updateFixQuality();
        layout.window->grab().save(out + QStringLiteral("/report-accuracy.png"));
        // The same fix three minutes on, and then a Wi-Fi guess about to be sent.
        screen->lastLocation->timestamp = QDateTime::currentDateTimeUtc().addSecs(-185);
        screen->updateFixQuality();
        layout.window->grab().save(out + QStringLiteral("/report-age.png"));
        screen->lastLocation->timestamp = QDateTime::currentDateTimeUtc();
        screen->lastLocation->horizontalAccuracy = 2400;
        screen->updateFixQuality();
        screen->sendButton->setEnabled(true);
        screen->sendSMS(screen->sendButton);
        QTest::qWait(300);
        layout.window->grab().save(out + QStringLiteral("/report-coarse-confirmation.png"));
        delete layout.window;
        return 0;
    }
    if (mode == "phone") {
        for (const QSize size : {QSize(360, 720), QSize(360, 400), QSize(720, 360), QSize(360, 294)}) {
            layout.window->resize(size);
            screen->phoneNumber->becomeFirstResponder();
            QTest::qWait(300);
            layout.window->grab().save(out + QStringLiteral("/report-phone-%1x%2.png").arg(size.width()).arg(size.height()));
        }
        screen->phoneNumber->resignFirstResponder();
        screen->coordBtn->click();
        QTest::qWait(300);
        layout.window->grab().save(out + QStringLiteral("/report-phone-format-sheet.png"));
        ActionSheetPresenter::shared().dismissAll();
        delete layout.window;
        return 0;
    }
    layout.window->grab().save(out + QStringLiteral("/report-position.png"));
    const QPalette light = QApplication::palette();
    QApplication::setPalette(DesktopColorScheme::darkPalette());
    QTest::qWait(300);
    layout.window->grab().save(out + QStringLiteral("/report-position-dark.png"));
    QApplication::setPalette(light);
    QTest::qWait(100);

    screen->coordBtn->click();
    QTest::qWait(100);
    layout.window->grab().save(out + QStringLiteral("/report-format-sheet.png"));
    ActionSheetPresenter::shared().dismissAll();

    // Editing the message: it stays in view.
    screen->locationManager->stopUpdatingLocation();
    screen->Message->becomeFirstResponder();
    QTextCursor c = screen->Message->textCursor();
    c.movePosition(QTextCursor::End);
    screen->Message->setTextCursor(c);
    QTest::qWait(700);
    layout.window->grab().save(out + QStringLiteral("/report-editing.png"));
    screen->Message->resignFirstResponder();
    QTest::qWait(600);
    delete layout.window;
    return 0;
}
