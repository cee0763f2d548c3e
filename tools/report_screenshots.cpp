// Takes the report screen's pictures for docs/: with a position (the demo walk, as on a
// machine without GeoClue or gpsd; in a light and in a dark desktop theme), with the format
// sheet open, and while the message is edited (view shifted); with `waiting`, the status
// line while a source gives no fix. Run from the source folder:
//   build/report_screenshots docs
//   build/report_screenshots docs waiting
// QUORVEL_SCREENSHOT_LANGUAGE=de takes them in that language (English when unset).

#include "app/QuorvelAppDelegate.h"
#include "report/QuorvelFirstViewController.h"
#include "templates/SettingsKeys.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Application.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/location/LocationManager.h"
#include "platform/ui/TabBarController.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/DesktopColorScheme.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
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
    const bool waiting = argc > 2 && QByteArray(argv[2]) == "waiting";
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
    QElapsedTimer t;
    t.start();
    while (screen->lastLatitude == 0.0 && t.elapsed() < 10000)
        QTest::qWait(50);
    QTest::qWait(300);
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

    // Editing the message: the view moves up out of the keyboard's way.
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
