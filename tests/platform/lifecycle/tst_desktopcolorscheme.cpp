// The desktop's dark preference from the settings portal (a stand-in on a private bus): asked
// without waiting, followed when it changes, and the platform's palette given back.

#include "platform/lifecycle/DesktopColorScheme.h"
#include "support/SendingHarness.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <QApplication>
#include <QStyle>

namespace {

QString windowColour()
{
    return QApplication::palette().color(QPalette::Window).name();
}

} // namespace

class tst_DesktopColorScheme : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        light_ = QApplication::style()->standardPalette();
        QVERIFY(bus_.start(QStringLiteral("dbus-daemon"),
                           {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")},
                           &address_));
    }
    void cleanup()
    {
        portal_.stop();
        QApplication::setPalette(light_);
    }

    void followsThePreference_data()
    {
        QTest::addColumn<int>("atStart");
        QTest::addColumn<bool>("platformDark"); // the platform theme's palette is dark already
        QTest::addColumn<QString>("expected");  // "ours", "platform"
        QTest::newRow("prefer dark over a light palette") << 1 << false << "ours";
        QTest::newRow("prefer light") << 2 << false << "platform";
        QTest::newRow("no preference") << 0 << false << "platform";
        QTest::newRow("prefer dark, the platform's palette is dark") << 1 << true << "platform";
        QTest::newRow("a value this build does not know") << 7 << false << "platform";
    }

    void followsThePreference()
    {
        QFETCH(int, atStart);
        QFETCH(bool, platformDark);
        QFETCH(QString, expected);
        QPalette platform = light_;
        if (platformDark) {
            platform.setColor(QPalette::Window, QColor(0x20, 0x10, 0x10));
            platform.setColor(QPalette::WindowText, Qt::white);
        }
        QApplication::setPalette(platform);
        QVERIFY(portal_.start(Harness::python(), {Harness::script("fake_settings_portal.py"), address_, QString::number(atStart)}));
        DesktopColorScheme scheme(connection(QTest::currentDataTag()));
        QSignalSpy answered(&scheme, &DesktopColorScheme::schemeChanged);
        scheme.follow();
        // Never inside follow() itself: the first frame does not wait for the portal.
        QCOMPARE(answered.size(), 0);
        QVERIFY(answered.wait(10000));
        const QString want = expected == QLatin1String("ours") ? DesktopColorScheme::darkPalette().color(QPalette::Window).name()
                                                               : platform.color(QPalette::Window).name();
        QCOMPARE(windowColour(), want);
    }

    // The desktop switches while we run, back and forth.
    void changesWhileRunning()
    {
        QApplication::setPalette(light_);
        QVERIFY(portal_.start(Harness::python(), {Harness::script("fake_settings_portal.py"), address_, QStringLiteral("0")}));
        DesktopColorScheme scheme(connection("changes"));
        QSignalSpy answered(&scheme, &DesktopColorScheme::schemeChanged);
        scheme.follow();
        QVERIFY(answered.wait(10000));
        QCOMPARE(windowColour(), light_.color(QPalette::Window).name());
        const QString dark = DesktopColorScheme::darkPalette().color(QPalette::Window).name();
        for (const auto& [value, colour] : {std::pair{"1", dark}, std::pair{"2", light_.color(QPalette::Window).name()},
                                            std::pair{"1", dark}, std::pair{"0", light_.color(QPalette::Window).name()}}) {
            QVERIFY(portal_.tell(QByteArray("set ") + value, "SET"));
            QTRY_COMPARE(windowColour(), colour);
        }
        QCOMPARE(scheme.scheme(), DesktopColorScheme::Scheme::NoPreference);
    }

    // A desktop without the portal: nothing changes and nothing is reported.
    void withoutThePortal()
    {
        QApplication::setPalette(light_);
        DesktopColorScheme scheme(connection("no portal"));
        QSignalSpy answered(&scheme, &DesktopColorScheme::schemeChanged);
        scheme.follow();
        QVERIFY(!answered.wait(1500));
        QCOMPARE(windowColour(), light_.color(QPalette::Window).name());
    }

private:
    QDBusConnection connection(const char* name) const
    {
        const QString id = QStringLiteral("colour-scheme-") + QString::fromUtf8(name);
        QDBusConnection bus = QDBusConnection::connectToBus(address_, id);
        return bus;
    }

    Harness::Helper bus_;
    Harness::Helper portal_;
    QString address_;
    QPalette light_;
};

QTEST_MAIN(tst_DesktopColorScheme)
#include "tst_desktopcolorscheme.moc"
