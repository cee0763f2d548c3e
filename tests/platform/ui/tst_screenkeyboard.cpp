// The on-screen keyboard asked for over the session bus (a stand-in for its service on a
// private bus): which control takes the focus decides what the keyboard is told.

#include "platform/ui/ScreenKeyboard.h"
#include "support/SendingHarness.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

class FakeKeyboard : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "sm.puri.OSK0")
public:
    QStringList calls;
public slots:
    Q_SCRIPTABLE void SetVisible(bool visible) { calls.append(visible ? QStringLiteral("show") : QStringLiteral("hide")); }
};

class tst_ScreenKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        QVERIFY(bus_.start(QStringLiteral("dbus-daemon"),
                           {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")},
                           &address_));
        QVERIFY(QDBusConnection::connectToBus(address_, QStringLiteral("osk"))
                    .registerObject(QStringLiteral("/sm/puri/OSK0"), &fake_, QDBusConnection::ExportScriptableSlots));
    }

    void focusDecides_data()
    {
        // Steps: "|" lets the focus come to rest, "," moves it on at once. The setting is read
        // by a script, or by a program.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("service");
        QTest::addColumn<QString>("expected");
        const QString on = QStringLiteral("echo true");
        QTest::newRow("a field") << "field" << on << true << "show";
        QTest::newRow("the message") << "message" << on << true << "show";
        QTest::newRow("a read-only field") << "readonly" << on << true << "";
        QTest::newRow("a button") << "button" << on << true << "";
        QTest::newRow("field, then a button") << "field|button" << on << true << "show hide";
        QTest::newRow("field, then the window loses focus") << "field|none" << on << true << "show hide";
        QTest::newRow("field to field through no widget") << "field|none,other" << on << true << "show show";
        QTest::newRow("a tap on the field that has the focus") << "field|tap field" << on << true << "show show";
        QTest::newRow("switched off in the settings") << "field|button" << "echo false" << true << "";
        QTest::newRow("the setting's schema missing") << "field" << "echo 'No such schema' >&2; exit 1" << true << "show";
        QTest::newRow("no program to read the setting") << "field" << "/nonexistent/gsettings" << true << "show";
        QTest::newRow("no keyboard service") << "field|button" << on << false << "";
    }

    void focusDecides()
    {
        QFETCH(QString, steps);
        QFETCH(QString, setting);
        QFETCH(bool, service);
        QFETCH(QString, expected);
        fake_.calls.clear();
        // The keyboard comes and goes with the service's name.
        QDBusConnection osk = QDBusConnection::connectToBus(address_, QStringLiteral("osk"));
        QVERIFY(!service || osk.registerService(QStringLiteral("sm.puri.OSK0")));
        auto cleanup = qScopeGuard([&] { osk.unregisterService(QStringLiteral("sm.puri.OSK0")); });

        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto add = [&]<class W>(W* w, const char* name) { w->setObjectName(QLatin1String(name)); layout->addWidget(w); return w; };
        add(new QLineEdit, "field");
        add(new QLineEdit, "other");
        add(new QPlainTextEdit, "message");
        add(new QLineEdit, "readonly")->setReadOnly(true);
        QPushButton* button = add(new QPushButton(QStringLiteral("Send")), "button");
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();

        const QStringList command = setting.startsWith(QLatin1Char('/')) ? QStringList{setting}
                                                                         : QStringList{QStringLiteral("sh"), QStringLiteral("-c"), setting};
        ScreenKeyboard keyboard(QDBusConnection::connectToBus(address_, QStringLiteral("app ") + QTest::currentDataTag()), nullptr,
                                command);
        keyboard.follow();
        QTRY_COMPARE(keyboard.isServiceAvailable(), service);

        for (const QString& group : steps.split(QLatin1Char('|'))) {
            for (const QString& step : group.split(QLatin1Char(','))) {
                if (step == QLatin1String("none"))
                    QApplication::focusWidget()->clearFocus();
                else if (step.startsWith(QLatin1String("tap ")))
                    QTest::mouseClick(window.findChild<QWidget*>(step.mid(4)), Qt::LeftButton);
                else
                    window.findChild<QWidget*>(step)->setFocus(Qt::TabFocusReason);
            }
            QTest::qWait(400);
        }
        // Waits for the last answer, then a moment more for any call too many.
        QTRY_COMPARE(fake_.calls.join(QLatin1Char(' ')), expected);
        QTest::qWait(200);
        QCOMPARE(fake_.calls.join(QLatin1Char(' ')), expected);
    }

private:
    Harness::Helper bus_;
    QString address_;
    FakeKeyboard fake_;
};

QTEST_MAIN(tst_ScreenKeyboard)
#include "tst_screenkeyboard.moc"
