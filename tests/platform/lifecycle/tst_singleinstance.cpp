// One instance per session, with two real processes: on a private session bus, and without
// any bus (the socket in the runtime folder). A second start raises the first one's window,
// ends with 0 and leaves the user's files as they were.

#include "platform/lifecycle/SingleInstance.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <QElapsedTimer>
#include <QProcess>
#include <QWidget>

#include <csignal>

namespace {

const QString kProgram = QStringLiteral(QUORVEL_BINARY_DIR "/quorvel");

// What the user's folders hold: every file with its contents and time of change.
QMap<QString, QString> snapshot(const QString& root)
{
    QMap<QString, QString> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
        files.insert(path, QString::number(qHash(bytes)) + u' '
                               + QString::number(QFileInfo(path).lastModified().toMSecsSinceEpoch()));
    }
    return files;
}

class Session {
public:
    explicit Session(bool withBus)
    {
        QDir(home_.path()).mkpath(QStringLiteral("config"));
        QDir(home_.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(home_.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (!withBus) {
            // An address no bus answers at, as on a machine without a session bus.
            busAddress_ = QStringLiteral("unix:path=") + home_.filePath(QStringLiteral("no-bus"));
            return;
        }
        bus_.setProgram(QStringLiteral("dbus-daemon"));
        bus_.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                           QStringLiteral("--address=unix:path=") + home_.filePath(QStringLiteral("bus"))});
        bus_.start();
        if (bus_.waitForStarted() && bus_.waitForReadyRead(10000))
            busAddress_ = QString::fromUtf8(bus_.readLine()).trimmed();
    }
    ~Session()
    {
        if (bus_.state() != QProcess::NotRunning) {
            bus_.terminate();
            bus_.waitForFinished(5000);
        }
    }
    bool ready() const { return !busAddress_.isEmpty(); }
    QString userFiles() const { return home_.path(); }

    void start(QProcess& app, const QStringList& arguments = {}) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            env.insert(QString::fromLatin1(var), home_.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress_);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        app.setProcessEnvironment(env);
        app.start(kProgram, arguments);
    }

private:
    QTemporaryDir home_;
    QProcess bus_;
    QString busAddress_;
};

// Waits until the program's standard error holds `text` (at `from` or later), keeping what it
// read in `err`.
bool waitFor(QProcess& app, QByteArray& err, const QByteArray& text, int ms = 60000, qsizetype from = 0)
{
    QElapsedTimer timer;
    timer.start();
    while (err.indexOf(text, from) < 0 && timer.elapsed() < ms && app.state() != QProcess::NotRunning) {
        app.waitForReadyRead(200);
        err += app.readAllStandardError();
    }
    err += app.readAllStandardError();
    return err.indexOf(text, from) >= 0;
}

const QByteArray kLaunched = "setting message type to: current";

} // namespace

class tst_SingleInstance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void secondStartRaisesTheFirst_data()
    {
        QTest::addColumn<bool>("withBus");
        QTest::addColumn<QString>("channel");
        QTest::newRow("session bus") << true << "session bus";
        QTest::newRow("no session bus: the runtime folder's socket") << false << ".instance";
    }

    void secondStartRaisesTheFirst()
    {
        QFETCH(bool, withBus);
        QFETCH(QString, channel);
        Session session(withBus);
        QVERIFY(session.ready());
        QProcess first;
        session.start(first);
        QByteArray firstErr;
        QVERIFY2(waitFor(first, firstErr, kLaunched), firstErr.constData());
        const QMap<QString, QString> before = snapshot(session.userFiles() + QStringLiteral("/config"));
        QVERIFY(!before.isEmpty());

        for (const QStringList& arguments : {QStringList{}, QStringList{QStringLiteral("--demo")}}) {
            QProcess second;
            QElapsedTimer timer;
            timer.start();
            session.start(second, arguments);
            QVERIFY(second.waitForFinished(20000));
            const qint64 ms = timer.elapsed();
            const QByteArray secondErr = second.readAllStandardError();
            QCOMPARE(second.exitStatus(), QProcess::NormalExit);
            QVERIFY2(second.exitCode() == 0, secondErr.constData());
            QVERIFY2(secondErr.contains("Quorvel is already running (") && secondErr.contains(channel.toUtf8()),
                     secondErr.constData());
            QVERIFY2(!secondErr.contains("didFinishLaunchingWithOptions"), secondErr.constData());
            qInfo("second start %s ended after %lld ms", qPrintable(arguments.join(u' ')), ms);
        }
        QVERIFY2(waitFor(first, firstErr, "SingleInstance: another start asked for the window", 10000), firstErr.constData());
        // --demo is applied, not merely received: the running one follows the demo walk.
        QVERIFY2(waitFor(first, firstErr, "Location source changed to demo", 10000), firstErr.constData());
        const qsizetype switched = firstErr.indexOf("Location source changed to demo");
        QVERIFY2(waitFor(first, firstErr, "did update to location", 20000, switched), firstErr.constData());
        QCOMPARE(snapshot(session.userFiles() + QStringLiteral("/config")), before);

        // --settings (the launcher's action) opens the device settings in the running one.
        QProcess settings;
        session.start(settings, {QStringLiteral("--settings")});
        QVERIFY(settings.waitForFinished(20000));
        QVERIFY2(settings.exitCode() == 0, settings.readAllStandardError().constData());
        QVERIFY2(waitFor(first, firstErr, "another start asked for the window and the action \"settings\"", 10000),
                 firstErr.constData());
        QVERIFY2(waitFor(first, firstErr, "Settings: shown", 10000), firstErr.constData());
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(30000));
        QCOMPARE(first.exitCode(), 0);
    }

    // A run killed without tidying up leaves its socket; the next start must not take it for
    // a running instance.
    void socketOfAKilledRunIsTakenOver()
    {
        Session session(false);
        QProcess killed;
        session.start(killed);
        QByteArray err;
        QVERIFY2(waitFor(killed, err, kLaunched), err.constData());
        ::kill(pid_t(killed.processId()), SIGKILL);
        QVERIFY(killed.waitForFinished(10000));
        QVERIFY(QFileInfo::exists(session.userFiles() + QStringLiteral("/runtime/org.quorvel.Quorvel.instance")));

        QProcess next;
        session.start(next);
        QByteArray nextErr;
        QVERIFY2(waitFor(next, nextErr, kLaunched), nextErr.constData());
        next.terminate();
        QVERIFY(next.waitForFinished(30000));
    }

    // The socket's request carries the command line and the tokens on one line, within the
    // server's limit.
    void requestLineRoundTrip_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QVariantMap>("tokens");
        QTest::addColumn<bool>("fits");
        const QVariantMap none;
        QTest::newRow("plain start") << QString() << QStringList() << none << true;
        QTest::newRow("demo") << "demo" << QStringList{"--demo"} << none << true;
        QTest::newRow("line ends and quotes in an argument")
            << QString() << QStringList{"--x=\"a\nb\r\"\\"} << none << true;
        QTest::newRow("both tokens")
            << QString() << QStringList{"--demo"}
            << QVariantMap{{"activation-token", "abc-123"}, {"desktop-startup-id", "launcher-1_TIME42"}} << true;
        QTest::newRow("longer than a line") << QString() << QStringList{QString(1100, u'x')} << none << false;
    }

    void requestLineRoundTrip()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, arguments);
        QFETCH(QVariantMap, tokens);
        QFETCH(bool, fits);
        const QByteArray line = SingleInstance::requestLine(action, arguments, tokens);
        QCOMPARE(!line.isEmpty(), fits);
        if (!fits)
            return;
        QVERIFY(line.size() <= 1024 && line.count('\n') == 1 && line.endsWith('\n'));
        const SingleInstance::Request request = SingleInstance::parseRequestLine(line.trimmed());
        QCOMPARE(request.action, action);
        QCOMPARE(request.arguments, arguments);
        QCOMPARE(request.tokens, tokens);
    }

    // The launcher's token is used for the raise and never stays for programs started later.
    void tokensLeaveTheEnvironment()
    {
        QWidget window;
        window.show();
        SingleInstance instance(QStringLiteral("org.quorvel.Test"));
        instance.setWindow(&window);
        QSignalSpy activated(&instance, &SingleInstance::activated);
        qputenv("XDG_ACTIVATION_TOKEN", "left-by-the-first-start");
        qputenv("DESKTOP_STARTUP_ID", "left-too");
        instance.serve({QString(), {QStringLiteral("--demo")},
                        {{QStringLiteral("activation-token"), QStringLiteral("from-the-launcher")},
                         {QStringLiteral("desktop-startup-id"), QStringLiteral("id_TIME1")}}});
        QVERIFY(!qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));
        QVERIFY(!qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID"));
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.at(0).at(1).toStringList(), QStringList{QStringLiteral("--demo")});
    }

    // A later start shows the window again even when it was minimised or hidden.
    void raisingShowsTheWindow()
    {
        QWidget window;
        window.showMinimized();
        SingleInstance instance(QStringLiteral("org.quorvel.Test"));
        instance.setWindow(&window);
        QSignalSpy activated(&instance, &SingleInstance::activated);
        instance.raiseWindow();
        QVERIFY(window.isVisible());
        QVERIFY(!window.isMinimized());
        QCOMPARE(activated.size(), 1);
        window.hide();
        instance.raiseWindow();
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
