#pragma once
// The system's location service as the tests use it: Debian's GeoClue daemon on a private
// system bus, reading the test's own geoclue.conf (bound over /etc/geoclue/geoclue.conf in
// a mount namespace of its own), fed by NMEA that the test serves on a UNIX socket, with
// the test's agent granting or denying. Every network source of GeoClue is off.

#include "support/SendingHarness.h"

#include <QByteArray>
#include <QDateTime>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

class GeoClueHarness {
public:
    static constexpr double kStartLatitude = 50.0875;
    static constexpr double kLongitude = 14.4213;

    ~GeoClueHarness()
    {
        stopGeoClue();
        bus_.kill();
        bus_.waitForFinished(5000);
    }

    // Starts the bus and points this process at it. The system bus connection is made once
    // per process, so this comes before anything uses it.
    bool startBus(QString* why)
    {
        const QString config = dir_.filePath(QStringLiteral("bus.conf"));
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly))
            return fail(why, QStringLiteral("cannot write ") + config);
        f.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\"\n"
                " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n<busconfig>\n"
                "  <type>system</type>\n  <listen>unix:path=" + dir_.filePath(QStringLiteral("bus")).toUtf8() + "</listen>\n"
                "  <auth>EXTERNAL</auth>\n  <policy context=\"default\">\n    <allow user=\"*\"/>\n    <allow own=\"*\"/>\n"
                "    <allow send_type=\"method_call\"/>\n    <allow send_type=\"signal\"/>\n"
                "    <allow send_type=\"method_return\"/>\n    <allow send_type=\"error\"/>\n"
                "    <allow receive_type=\"method_call\"/>\n    <allow receive_type=\"signal\"/>\n"
                "    <allow receive_type=\"method_return\"/>\n    <allow receive_type=\"error\"/>\n"
                "  </policy>\n</busconfig>\n");
        f.close();
        bus_.setChildProcessModifier(diesWithTheTest);
        bus_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        bus_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                                                   QStringLiteral("--print-address")});
        address_ = firstLineOf(bus_, 10000).value_or(QString());
        if (address_.isEmpty())
            return fail(why, QStringLiteral("dbus-daemon did not start (Debian package dbus-daemon)"));
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8());
        // Qt Positioning leaves plugins not marked as testable (geoclue2 among them) out of
        // a Qt Test program; these tests are about exactly that plugin and its daemon.
        qunsetenv("QT_QTESTLIB_RUNNING");
        if (!QDBusConnection::systemBus().isConnected())
            return fail(why, QStringLiteral("cannot connect to the private system bus at ") + address_);
        return true;
    }

    // Starts GeoClue reading the NMEA this harness serves, and waits until it owns its name.
    bool startGeoClue(QString* why)
    {
        const QString socket = dir_.filePath(QStringLiteral("nmea.sock"));
        QFile::remove(socket);
        if (!nmea_.listen(socket))
            return fail(why, QStringLiteral("cannot serve NMEA on ") + socket);
        QObject::connect(&nmea_, &QLocalServer::newConnection, &nmea_, [this] {
            while (QLocalSocket* s = nmea_.nextPendingConnection())
                readers_.append(s);
        });
        QObject::connect(&feed_, &QTimer::timeout, &nmea_, [this] { feed(); });
        feed_.start(200);
        const QString conf = dir_.filePath(QStringLiteral("geoclue.conf"));
        QFile f(conf);
        if (!f.open(QIODevice::WriteOnly))
            return fail(why, QStringLiteral("cannot write ") + conf);
        // The wifi source also asks a web service for a position by IP address; it is
        // pointed at a closed loopback port so that nothing leaves the machine.
        f.write("[agent]\nwhitelist=quorvel-test-agent\n[network-nmea]\nenable=true\nnmea-socket=" + socket.toUtf8()
                + "\n[3g]\nenable=false\n[cdma]\nenable=false\n[modem-gps]\nenable=false\n"
                  "[wifi]\nenable=false\nurl=http://127.0.0.1:9/\nsubmit-data=false\n[compass]\nenable=false\n");
        f.close();
        geoclue_.setProcessChannelMode(QProcess::MergedChannels);
        geoclue_.setChildProcessModifier(diesWithTheTest);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address_);
        geoclue_.setProcessEnvironment(env);
        // GeoClue reads only /etc/geoclue/geoclue.conf; in a mount namespace of its own the
        // test's file lies over it, and the machine's stays as it is.
        geoclue_.start(QStringLiteral("unshare"),
                       {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                        QStringLiteral("mount --bind \"$1\" /etc/geoclue/geoclue.conf && exec /usr/libexec/geoclue"),
                        QStringLiteral("sh"), conf});
        if (!geoclue_.waitForStarted(5000))
            return fail(why, QStringLiteral("cannot run unshare (util-linux)"));
        QDBusConnectionInterface* bus = QDBusConnection::systemBus().interface();
        QElapsedTimer t;
        t.start();
        while (!bus->isServiceRegistered(QStringLiteral("org.freedesktop.GeoClue2")) && t.elapsed() < 15000) {
            if (geoclue_.state() == QProcess::NotRunning)
                return fail(why, QStringLiteral("GeoClue stopped: ") + QString::fromLocal8Bit(geoclue_.readAll()));
            QTest::qWait(50);
        }
        if (!bus->isServiceRegistered(QStringLiteral("org.freedesktop.GeoClue2")))
            return fail(why, QStringLiteral("GeoClue did not take its name on the bus: ") + QString::fromLocal8Bit(geoclue_.readAll()));
        return true;
    }

    bool startAgent(bool grant, QString* why)
    {
        QString first;
        if (!agent_.start(Harness::python(), {Harness::script("geoclue_agent.py"), address_,
                                              grant ? QStringLiteral("grant") : QStringLiteral("deny")},
                          &first)
            || first != QLatin1String("READY"))
            return fail(why, QStringLiteral("the test agent did not register: ") + first);
        return true;
    }

    // Stops answering, as a daemon that hangs does, and starts again.
    void pauseGeoClue() { signal(SIGSTOP); }
    void resumeGeoClue() { signal(SIGCONT); }

    void stopGeoClue()
    {
        agent_.stop();
        if (geoclue_.state() != QProcess::NotRunning) {
            signal(SIGCONT);
            geoclue_.kill();
            geoclue_.waitForFinished(5000);
        }
        feed_.stop();
        for (QLocalSocket* s : std::as_const(readers_))
            if (s)
                s->abort();
        readers_.clear();
        nmea_.close();
    }

    // Latitude of the n-th fix served (20 m north of the one before).
    static double latitudeOf(int n) { return kStartLatitude + n * 20.0 / 111195.08; }
    int served() const { return step_; }
    QString address() const { return address_; }

private:
    // A test that crashes or is killed takes its daemons with it.
    static void diesWithTheTest() { ::prctl(PR_SET_PDEATHSIG, SIGKILL); }

    static bool fail(QString* why, const QString& text)
    {
        if (why)
            *why = text;
        return false;
    }

    void signal(int sig)
    {
        if (geoclue_.state() != QProcess::NotRunning)
            ::kill(static_cast<pid_t>(geoclue_.processId()), sig);
    }

    static QByteArray sentence(const QByteArray& body)
    {
        char c = 0;
        for (char ch : body)
            c ^= ch;
        return "$" + body + "*" + QByteArray::number(static_cast<uchar>(c), 16).rightJustified(2, '0').toUpper() + "\r\n";
    }

    void feed()
    {
        if (readers_.isEmpty())
            return;
        const double lat = latitudeOf(step_);
        const double minutes = (lat - 50.0) * 60.0;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QByteArray time = now.toString(QStringLiteral("HHmmss.zzz")).left(9).toLatin1();
        const QByteArray la = "50" + QByteArray::number(minutes, 'f', 5).rightJustified(8, '0');
        const QByteArray alt = QByteArray::number(190.0 + step_ * 0.5, 'f', 1);
        const QByteArray data = sentence("GPGGA," + time + "," + la + ",N,01425.2780,E,1,09,0.9," + alt + ",M,45.3,M,,")
                                + sentence("GPRMC," + time + ",A," + la + ",N,01425.2780,E,2.6,0.0,"
                                           + now.toString(QStringLiteral("ddMMyy")).toLatin1() + ",4.3,E,A");
        ++step_;
        for (QLocalSocket* s : std::as_const(readers_))
            if (s && s->state() == QLocalSocket::ConnectedState)
                s->write(data);
    }

    QTemporaryDir dir_;
    QString address_;
    QProcess bus_;
    Harness::Helper agent_;
    QProcess geoclue_;
    QLocalServer nmea_;
    QList<QPointer<QLocalSocket>> readers_;
    QTimer feed_;
    int step_ = 0;
};
