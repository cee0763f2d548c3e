#pragma once
// What the report screen's tests with real position sources share: a geocoder that answers
// like the offline index, the device settings of the location source, NMEA walks, and a
// gpsd daemon (gpsfake) on a loopback port of its own.

#include "report/ReportHarness.h"
#include "platform/location/LocationManager.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <unistd.h>

// Answers like the offline index would, later on the main thread.
class OldTownGeocoder : public Geocoder {
public:
    void reverseGeocodeLocation(const Location&, Completion completion) override
    {
        QTimer::singleShot(0, this, [completion = std::move(completion)] {
            Placemark p;
            p.subLocality = QStringLiteral("Staré Město");
            p.locality = QStringLiteral("Prague");
            completion({p}, std::nullopt);
        });
    }
};

inline ReportServices realServices()
{
    ReportServices s;
    s.makeLocationManager = [] { return LocationManager::fromDeviceSettings(); };
    s.makeGeocoder = []() -> std::unique_ptr<Geocoder> { return std::make_unique<OldTownGeocoder>(); };
    return s;
}

// Replaces the device settings file with these keys of its [location] group.
inline void writeDeviceSettings(const QVariantMap& location)
{
    const QString path = LocationManager::deviceSettingsPath();
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).path());
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("location"));
    for (auto it = location.begin(); it != location.end(); ++it)
        s.setValue(it.key(), it.value());
}

inline QByteArray nmea(const QByteArray& body)
{
    char c = 0;
    for (char ch : body)
        c ^= ch;
    return "$" + body + "*" + QByteArray::number(static_cast<uchar>(c), 16).rightJustified(2, '0').toUpper() + "\r\n";
}

// A walk north along 14.4213 E from 50.0875 N, `count` fixes 20 m apart, one a second.
inline QByteArray walkNorth(int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        const double lat = 50.0875 + i * 20.0 / 111195.08;
        const double minutes = (lat - 50.0) * 60.0;
        const QByteArray t = QByteArray::number(100000 + i).append(".00");
        const QByteArray la = "50" + QByteArray::number(minutes, 'f', 5).rightJustified(8, '0');
        const QByteArray alt = QByteArray::number(190.0 + i * 0.5, 'f', 1);
        out += nmea("GPGGA," + t + "," + la + ",N,01425.2780,E,1,09,0.9," + alt + ",M,45.3,M,,");
        out += nmea("GPGSA,A,3,02,05,07,09,13,16,20,26,29,,,,1.5,0.9,1.2");
        out += nmea("GPRMC," + t + ",A," + la + ",N,01425.2780,E,2.6,0.0,140526,4.3,E,A");
    }
    return out;
}

// A receiver's first seconds: the sky in view, two satellites used, and no fix yet.
inline QByteArray skyWithoutFix(int seconds)
{
    QByteArray out;
    for (int i = 0; i < seconds; ++i) {
        const QByteArray t = QByteArray::number(95900 + i).append(".00");
        out += nmea("GPGSV,2,1,07,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
        out += nmea("GPGSV,2,2,07,18,30,156,40,24,50,059,42,25,12,290,37");
        out += nmea("GPGSA,A,1,01,02,,,,,,,,,,,9.9,9.9,9.9");
        out += nmea("GPRMC," + t + ",V,,,,,,,140526,,,N");
    }
    return out;
}

inline quint16 freePort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost);
    return s.serverPort();
}

inline bool waitForPort(quint16 port, int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(200))
            return true;
        QTest::qWait(100);
    }
    return false;
}

// gpsd replaying a walk north through gpsfake, on a free loopback port.
class GpsFake {
public:
    ~GpsFake() { kill(); }
    // `skySeconds` of sky without a fix come first.
    bool start(int fixes, QString* why, int skySeconds = 0)
    {
        const QString gpsfake = QStandardPaths::findExecutable(QStringLiteral("gpsfake"));
        if (gpsfake.isEmpty()) {
            *why = QStringLiteral("gpsfake is missing (Debian packages gpsd and gpsd-clients)");
            return false;
        }
        const QString logPath = dir_.filePath(QStringLiteral("walk.nmea"));
        QFile f(logPath);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(skyWithoutFix(skySeconds) + walkNorth(fixes));
        f.close();
        port = freePort();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"), env.value(QStringLiteral("PATH")) + QStringLiteral(":/usr/sbin:/sbin"));
        fake_.setProcessEnvironment(env);
        fake_.setWorkingDirectory(dir_.path());
        fake_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Its own process group, so that the daemon it starts goes with it.
        fake_.setChildProcessModifier([] { ::setsid(); });
        fake_.start(gpsfake, {QStringLiteral("-q"), QStringLiteral("-n"), QStringLiteral("-P"), QString::number(port),
                              QStringLiteral("-c"), QStringLiteral("0.05"), logPath});
        if (!fake_.waitForStarted()) {
            *why = QStringLiteral("gpsfake did not start");
            return false;
        }
        group_ = fake_.processId();
        if (!waitForPort(port, 15000)) {
            *why = QStringLiteral("gpsd did not start listening");
            return false;
        }
        return true;
    }
    void kill()
    {
        if (group_ > 0) {
            ::kill(static_cast<pid_t>(-group_), SIGKILL);
            fake_.waitForFinished(5000);
            group_ = 0;
        }
    }
    quint16 port = 0;

private:
    QTemporaryDir dir_;
    QProcess fake_;
    qint64 group_ = 0;
};
