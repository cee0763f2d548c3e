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
    }

    void focusDecides_data()
    {
        QTest::addColumn<QString>("steps");   // "|": the focus comes to rest; ",": at once
        QTest::addColumn<QString>("setting"); // what the setting's program answers
        QTest::addColumn<bool>("service");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a field") << "field" << "true" << true << "show";
        QTest::newRow("the message") << "message" << "true" << true << "show";
        QTest::newRow("a read-only field") << "readonly" << "true" << true << "";
        QTest::newRow("a read-only text view") << "readonlyview" << "true" << true << "";
        QTest::newRow("a button") << "button" << "true" << true << "";
        QTest::newRow("field, then a button") << "field|button" << "true" << true << "show hide";
        QTest::newRow("field, then the window loses focus") << "field|none" << "true" << true << "show hide";
        QTest::newRow("field to field through no widget") << "field|none,other" << "true" << true << "show show";
        QTest::newRow("a tap on the field that has the focus") << "field|tap field" << "true" << true << "show show";
        QTest::newRow("switched off in the settings") << "field|button" << "false" << true << "";
        QTest::newRow("the setting's schema missing") << "field" << "missing" << true << "show";
        QTest::newRow("no program to read the setting") << "field" << "no program" << true << "show";
        QTest::newRow("no keyboard service") << "field|button" << "true" << false << "";
    }

    void focusDecides()
    {
        QFETCH(QString, steps);
        QFETCH(QString, setting);
        QFETCH(bool, service);
        QFETCH(QString, expected);

        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        FakeKeyboard fake;
        QDBusConnection serviceBus = QDBusConnection::connectToBus(address_, QStringLiteral("osk ") + tag);
        if (service) {
            QVERIFY(serviceBus.registerObject(QStringLiteral("/sm/puri/OSK0"), &fake, QDBusConnection::ExportScriptableSlots));
            QVERIFY(serviceBus.registerService(QStringLiteral("sm.puri.OSK0")));
        }
        auto cleanup = qScopeGuard([&] {
            serviceBus.unregisterService(QStringLiteral("sm.puri.OSK0"));
            QDBusConnection::disconnectFromBus(QStringLiteral("osk ") + tag);
        });

        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto add = [&](QWidget* w, const char* name) {
            w->setObjectName(QLatin1String(name));
            layout->addWidget(w);
        };
        add(new QLineEdit, "field");
        add(new QLineEdit, "other");
        add(new QPlainTextEdit, "message");
        auto* readOnly = new QLineEdit;
        readOnly->setReadOnly(true);
        add(readOnly, "readonly");
        auto* readOnlyView = new QPlainTextEdit;
        readOnlyView->setReadOnly(true);
        add(readOnlyView, "readonlyview");
        auto* button = new QPushButton(QStringLiteral("Send"));
        add(button, "button");
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();

        const QMap<QString, QStringList> commands{
            {QStringLiteral("true"), {QStringLiteral("echo"), QStringLiteral("true")}},
            {QStringLiteral("false"), {QStringLiteral("echo"), QStringLiteral("false")}},
            {QStringLiteral("missing"), {QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("echo 'No such schema' >&2; exit 1")}},
            {QStringLiteral("no program"), {QStringLiteral("/nonexistent/gsettings")}},
        };
        ScreenKeyboard keyboard(QDBusConnection::connectToBus(address_, QStringLiteral("app ") + tag), nullptr,
                                commands.value(setting));
        keyboard.follow();
        if (service)
            QTRY_VERIFY(keyboard.isServiceAvailable());
        else
            QTest::qWait(300);

        for (const QString& group : steps.split(QLatin1Char('|'))) {
            for (const QString& step : group.split(QLatin1Char(','))) {
                if (step == QLatin1String("none")) {
                    QApplication::focusWidget()->clearFocus();
                } else if (step.startsWith(QLatin1String("tap "))) {
                    QTest::mouseClick(window.findChild<QWidget*>(step.mid(4)), Qt::LeftButton);
                } else {
                    window.findChild<QWidget*>(step)->setFocus(Qt::TabFocusReason);
                }
            }
            QTest::qWait(400);
        }
        QTRY_COMPARE(fake.calls.join(QLatin1Char(' ')), expected);
        QTest::qWait(200);
        QCOMPARE(fake.calls.join(QLatin1Char(' ')), expected);
    }

private:
    Harness::Helper bus_;
    QString address_;
};

QTEST_MAIN(tst_ScreenKeyboard)
#include "tst_screenkeyboard.moc"
