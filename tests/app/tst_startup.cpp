#include "app/QuorvelAppDelegate.h"
#include "report/QuorvelFirstViewController.h"
#include "templates/SettingsKeys.h"
#include "platform/lifecycle/Application.h"
#include "platform/foundation/Images.h"
#include "platform/ui/TextField.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/TabBarController.h"
#include "platform/foundation/UserDefaults.h"
#include "support/FloodServer.h"
#include "support/MainWindowApp.h"
#include "support/TestSupport.h"

#include "platform/devicesettings/DeviceSettingsDialog.h"

#include <QPushButton>
#include <QtTest>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>

#include <fcntl.h>

class tst_Startup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { resetStandardStore(); }
    void launchShowsTheFirstTabWithTheLastMessage();
    void reportScreenSetsTheTabTitles();
    void launchWriteOfLastIsNotFlushed();
    void goingToTheBackgroundStoresTheMessage();
    void terminatingBySignalStoresTheMessage_data();
    void terminatingBySignalStoresTheMessage();
    void globalLookUsesOurImages();
    void imagesSharpAtEveryScale_data();
    void imagesSharpAtEveryScale();
    void deviceSettingsFromTheKeyboardAndTheAboutScreen();
};

void tst_Startup::initTestCase()
{
    initTestEnvironment();
    QVERIFY(StringTable::load(QStringLiteral("en")));
}

// The descriptors of process `pid`, past the standard three, that a program it starts would
// inherit, each with what it is.
static QStringList inheritedDescriptors(qint64 pid)
{
    QStringList out;
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    for (const QString& fd : QDir(proc + QStringLiteral("fdinfo")).entryList(QDir::Files)) {
        if (fd.toInt() <= 2)
            continue;
        QFile info(proc + QStringLiteral("fdinfo/") + fd);
        if (!info.open(QIODevice::ReadOnly))
            continue; // closed meanwhile
        for (const QByteArray& line : info.readAll().split('\n')) {
            bool ok = false;
            const uint flags = line.startsWith("flags:") ? line.mid(6).trimmed().toUInt(&ok, 8) : 0;
            if (ok && !(flags & O_CLOEXEC))
                out.append(fd + u' ' + QFile::symLinkTarget(proc + QStringLiteral("fd/") + fd));
        }
    }
    return out;
}

static void seedStore(const QString& last, const QString& lastUsed)
{
    UserDefaults& store = UserDefaults::standardUserDefaults();
    store.setString(last, SettingsKeys::Last);
    store.setString(lastUsed, SettingsKeys::LastUsedMessage);
    store.synchronize();
}

void tst_Startup::launchShowsTheFirstTabWithTheLastMessage()
{
    // Whatever an earlier run left under "last", a launch starts from the last message.
    seedStore(QStringLiteral("selected"), QStringLiteral("Hello [] at {}"));
    MainWindowApp launchable;
    auto& [delegate, layout, window, app] = launchable;
    QCOMPARE(layout.rootViewController->itemTitle(2), QStringLiteral("Map"));
    LogCapture log;
    app.launch();

    QCOMPARE(delegate.window(), layout.window);
    QCOMPARE(log.lines().value(0), QStringLiteral("didFinishLaunchingWithOptions"));
    QVERIFY(log.indexOf(QStringLiteral("FVC: viewDidLoad")) > 0);
    QVERIFY(log.contains(QStringLiteral("Last message found")));
    TabBarController* tabs = layout.rootViewController;
    QCOMPARE(tabs->selectedIndex(), 0);
    auto* report = qobject_cast<QuorvelFirstViewController*>(tabs->selectedViewController());
    QVERIFY(report);
    QCOMPARE(report->Message->text(), QStringLiteral("Hello [] at {}"));
    QCOMPARE(report->navBar->title(), localizedText("QUORVEL_NAVBAR_TITLE"));
    QCOMPARE(app.statusBarStyle(), 1);
    if (const QByteArray dir = qgetenv("QUORVEL_SCREENSHOT_DIR"); !dir.isEmpty()) {
        QCoreApplication::processEvents();
        layout.window->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/report-screen.png"));
    }
}

void tst_Startup::reportScreenSetsTheTabTitles()
{
    MainWindowApp launchable;
    auto& [delegate, layout, window, app] = launchable;
    // In Czech the looked-up titles differ from the layout's own, so only titles that the
    // report screen really set can match.
    QVERIFY(StringTable::load(QStringLiteral("cs")));
    const char* titles[] = {"QUORVEL_TABBAR_TITLE", "TEMPLATES_TABBAR_TITLE", "MAP_TABBAR_TITLE", "ABOUT_TABBAR_TITLE"};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(layout.rootViewController->itemTitle(i) != localizedText(titles[i]), titles[i]);
    app.launch();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(layout.rootViewController->itemTitle(i), localizedText(titles[i]));
    QVERIFY(StringTable::load(QStringLiteral("en")));
}

void tst_Startup::launchWriteOfLastIsNotFlushed()
{
    seedStore(QStringLiteral("selected"), QStringLiteral("x"));
    QuorvelAppDelegate delegate;
    Application app(&delegate, MainLayout{});
    app.launch();
    QCOMPARE(UserDefaults::standardUserDefaults().stringForKey(SettingsKeys::Last), MessageSource::Last);
    UserDefaults onDisk(UserDefaults::standardPath());
    QCOMPARE(onDisk.stringForKey(SettingsKeys::Last), QStringLiteral("selected"));
}

void tst_Startup::goingToTheBackgroundStoresTheMessage()
{
    MainWindowApp launchable;
    auto& [delegate, layout, window, app] = launchable;
    app.launch();
    auto* report = qobject_cast<QuorvelFirstViewController*>(layout.rootViewController->selectedViewController());
    report->Message->setText(QStringLiteral("Custom [N 1 E 2] near {Town}"));
    app.enterBackground();
    UserDefaults onDisk(UserDefaults::standardPath());
    QCOMPARE(onDisk.stringForKey(SettingsKeys::LastUsedMessage), QStringLiteral("Custom [] near {}"));
}

void tst_Startup::terminatingBySignalStoresTheMessage_data()
{
    QTest::addColumn<QString>("kind"); // what feeds the position: nothing set, or a flood
    QTest::addColumn<QByteArray>("greeting");
    QTest::addColumn<QByteArray>("chunk");
    const QByteArray tpv = R"({"class":"TPV","device":"/dev/flood","mode":3,"time":"2026-05-14T10:00:00.000Z",)"
                           R"("lat":50.1,"lon":14.5,"altMSL":123.4,"eph":5.0})"
                           "\n";
    const QByteArray fix = "$GPGGA,100000.00,5006.0000,N,01430.0000,E,1,09,0.9,123.4,M,45.3,M,,*6E\r\n";
    QTest::newRow("the bundled walk") << QString() << QByteArray() << QByteArray();
    QTest::newRow("gpsd sending fixes without pause") << "gpsd" << QByteArray() << tpv.repeated(64);
    QTest::newRow("NMEA over TCP, a line that never ends") << "tcp" << QByteArray("$GPGGA,") << QByteArray(8192, 'x');
    QTest::newRow("NMEA over TCP without pause") << "tcp" << QByteArray() << fix.repeated(64);
    QTest::newRow("nmea:/dev/zero") << "/dev/zero" << QByteArray() << QByteArray();
}

void tst_Startup::terminatingBySignalStoresTheMessage()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, greeting);
    QFETCH(QByteArray, chunk);
    QTemporaryDir home;
    UserDefaults seeded(home.filePath(QStringLiteral("quorvel/defaults.json")));
    seeded.setString(QStringLiteral("Meet me at [N 1 E 2], {Town}"), SettingsKeys::LastUsedMessage);
    seeded.setStringArray({QStringLiteral("T []")}, SettingsKeys::TemplatesArray);
    QVERIFY(seeded.synchronize());
    std::unique_ptr<FloodServer> server;
    QString source;
    if (kind.startsWith(u'/')) {
        source = QStringLiteral("nmea:") + kind;
    } else if (!kind.isEmpty()) {
        server = std::make_unique<FloodServer>(greeting, chunk, kind == QLatin1String("gpsd"));
        QVERIFY(server->port() != 0);
        source = QStringLiteral("%1:127.0.0.1:%2").arg(kind == QLatin1String("gpsd") ? "gpsd" : "nmea").arg(server->port());
    }
    if (!source.isEmpty()) {
        QFile ini(home.filePath(QStringLiteral("quorvel/device.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[location]\nsource=" + source.toUtf8() + "\n");
    }

    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.path());
    // A session of its own: no running instance elsewhere may take this start for a second one.
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + home.filePath(QStringLiteral("no-bus")));
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::SeparateChannels);
    app.start(QStringLiteral(QUORVEL_BINARY_DIR "/quorvel"), {});
    QVERIFY(app.waitForStarted());
    QByteArray err;
    QTRY_VERIFY_WITH_TIMEOUT((err += app.readAllStandardError()).contains("setting message type to: current"), 30000);
    QTest::qWait(1000); // the feed is in full flow
    if (server)
        QVERIFY(server->connections() > 0);
    // Nothing the program opened may reach the programs that send messages (what this test
    // was handed itself passes on, and the gpsd and NMEA rows have connections of their own).
    if (kind.isEmpty()) {
        QSet<QString> handedDown;
        for (const QString& fd : inheritedDescriptors(QCoreApplication::applicationPid()))
            handedDown.insert(fd.section(u' ', 0, 0));
        QStringList opened;
        for (const QString& fd : inheritedDescriptors(app.processId()))
            if (!handedDown.contains(fd.section(u' ', 0, 0)))
                opened.append(fd);
        QVERIFY2(opened.isEmpty(), qPrintable(opened.join(QStringLiteral(", "))));
    }
    QElapsedTimer clock;
    clock.start();
    app.terminate(); // SIGTERM
    QVERIFY(app.waitForFinished(30000));
    const qint64 ms = clock.elapsed();
    qInfo("ended %lld ms after SIGTERM", ms);
    QVERIFY2(ms < 3000, qPrintable(QString::number(ms)));
    QCOMPARE(app.exitStatus(), QProcess::NormalExit);
    QCOMPARE(app.exitCode(), 0);
    err += app.readAllStandardError();
    QVERIFY2(err.contains("Storing last used message: Meet me at [], {}"), err.right(2000).constData());
    UserDefaults after(home.filePath(QStringLiteral("quorvel/defaults.json")));
    QCOMPARE(after.stringForKey(SettingsKeys::LastUsedMessage), QStringLiteral("Meet me at [], {}"));
    QCOMPARE(after.stringForKey(SettingsKeys::Last), MessageSource::Current);
}

// On a screen of two or three device pixels to a logical one each picture is one drawn for
// it, as many pixels as the screen has, not the plain one blown up.
void tst_Startup::imagesSharpAtEveryScale_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("ratio");
    for (const char* name : {"navbar_bg", "button_back", "button_normal", "greenButton", "greenButtonHighlight"})
        for (int ratio : {2, 3})
            QTest::addRow("%s at %d", name, ratio) << QString::fromLatin1(name) << ratio;
}

void tst_Startup::imagesSharpAtEveryScale()
{
    QFETCH(QString, name);
    QFETCH(int, ratio);
    const QPixmap plain = imageNamed(name);
    QVERIFY(!plain.isNull());
    QCOMPARE(plain.devicePixelRatio(), 1.0);
    const QPixmap sharp = imageNamed(name, ratio);
    QCOMPARE(sharp.devicePixelRatio(), qreal(ratio));
    QCOMPARE(sharp.size(), plain.size() * ratio);
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(plain.size()));
    // Drawn for the ratio: its edges are not the plain picture's pixels repeated.
    const QImage blownUp = plain.toImage().scaled(sharp.size()).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(sharp.toImage().convertToFormat(QImage::Format_ARGB32) != blownUp);
    // Between the two, a ratio that is not whole takes the sharper picture.
    QCOMPARE(imageNamed(name, ratio - 0.5).devicePixelRatio(), qreal(ratio));
}

void tst_Startup::globalLookUsesOurImages()
{
    for (const char* name : {"navbar_bg", "button_back", "button_normal"})
        QVERIFY2(!imageNamed(QString::fromLatin1(name)).isNull(), name);
    QuorvelAppDelegate delegate;
    Application app(&delegate, MainLayout{});
    app.launch();
    const QString sheet = qApp->styleSheet();
    QVERIFY(sheet.contains(QLatin1String("url(:/images/navbar_bg.png) 0 0 0 0")));
    // Caps: back button left 13 right 6, plain bar button 6 and 6 (slices run top right bottom left).
    QVERIFY(sheet.contains(QLatin1String("url(:/images/button_back.png) 0 6 0 13")));
    QVERIFY(sheet.contains(QLatin1String("url(:/images/button_normal.png) 0 6 0 6")));
    QVERIFY(sheet.contains(QLatin1String("rgba(255, 255, 255, 255)")));
    QVERIFY(sheet.contains(QLatin1String("21px")));
    // Drawn, the sheet's pictures and the clear button's are read without loading an image
    // plugin (each brings a library such as libjpeg or the SVG renderer).
    QPushButton button(QStringLiteral("Done"));
    button.setProperty("barButton", true);
    TextField field;
    field.setText(QStringLiteral("x"));
    QVERIFY(!button.grab().isNull() && !field.grab().isNull());
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    QVERIFY2(!mapped.contains("/imageformats/"), mapped.mid(mapped.indexOf("/imageformats/") - 60, 140).constData());
}

// Ctrl+, and the about screen's Settings button open the one device settings dialog.
void tst_Startup::deviceSettingsFromTheKeyboardAndTheAboutScreen()
{
    MainWindowApp launchable;
    auto& [delegate, layout, window, app] = launchable;
    app.launch();
    layout.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(layout.window));
    auto dialogs = [] {
        QList<DeviceSettingsDialog*> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<DeviceSettingsDialog*>(w); d && d->isVisible())
                open.append(d);
        return open;
    };
    QVERIFY(dialogs().isEmpty());
    QTest::keyClick(layout.window, Qt::Key_Comma, Qt::ControlModifier);
    QCOMPARE(dialogs().size(), 1);
    QPointer<DeviceSettingsDialog> first = dialogs().at(0);
    layout.rootViewController->setSelectedIndex(3);
    auto* button = layout.window->findChild<QPushButton*>(QStringLiteral("settingsButton"));
    QVERIFY(button);
    QCOMPARE(button->accessibleName(), localizedText("SETTINGS_TITLE"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(dialogs().size(), 1);
    QCOMPARE(dialogs().at(0), first.data());
    first->reject();
    QTRY_VERIFY(!first);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(dialogs().size(), 1);
    dialogs().at(0)->reject();
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"

