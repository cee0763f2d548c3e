// The device settings file as its readers see it: values read whole as the user wrote
// them, files named relative to it, and the map's and the location's keys read through it.

#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/HostPort.h"
#include "platform/location/LocationManager.h"
#include "platform/mapview/MapSettings.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <cstdio>
#include <sys/stat.h>

namespace {

void writeFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

} // namespace

class TestDeviceSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void valueIn_data()
    {
        QTest::addColumn<QByteArray>("ini"); // empty: no file
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain value") << QByteArray("[g]\nk=v\n") << "v";
        QTest::newRow("unquoted commas read whole") << QByteArray("[g]\nk=a,b\n") << "a,b";
        QTest::newRow("quoted commas") << QByteArray("[g]\nk=\"a, b\"\n") << "a, b";
        QTest::newRow("absent key gives the fallback") << QByteArray("[g]\nother=v\n") << "fallback";
        QTest::newRow("present but empty is empty") << QByteArray("[g]\nk=\n") << "";
        QTest::newRow("other group's key") << QByteArray("[h]\nk=v\n") << "fallback";
        QTest::newRow("no file gives the fallback") << QByteArray() << "fallback";
    }

    void valueIn()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("device.ini"));
        if (!ini.isEmpty())
            writeFile(file, ini);
        QCOMPARE(DeviceSettings::valueIn(file, QStringLiteral("g"), QStringLiteral("k"), QStringLiteral("fallback")),
                 expected);
    }

    void filePathIn_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected"); // "@/" stands for the settings file's folder
        QTest::newRow("relative to the settings' folder") << "tiles/a.mbtiles" << "@/tiles/a.mbtiles";
        QTest::newRow("dot-dot is cleaned") << "tiles/../b.mbtiles" << "@/b.mbtiles";
        QTest::newRow("home folder") << "~/maps/a.mbtiles" << QDir::homePath() + "/maps/a.mbtiles";
        QTest::newRow("absolute stays") << "/srv/maps/a.mbtiles" << "/srv/maps/a.mbtiles";
        QTest::newRow("a comma in the name") << "tiles/a,b.mbtiles" << "@/tiles/a,b.mbtiles";
        QTest::newRow("blank is none") << "   " << "";
        QTest::newRow("a lone tilde is the home folder") << "~" << QDir::homePath();
        QTest::newRow("another user's home is a plain name") << "~user/a.mbtiles" << "@/~user/a.mbtiles";
    }

    // Values are parsed once, but an edit made a moment later is still what is read.
    void editsAreSeenAtOnce_data()
    {
        QTest::addColumn<QByteArray>("edited"); // empty: the file removed
        QTest::addColumn<bool>("replaced");      // written beside and renamed over
        QTest::addColumn<QString>("expected");
        QTest::newRow("the same size") << QByteArray("[g]\nk=w\n") << false << "w";
        QTest::newRow("a longer value") << QByteArray("[g]\nk=longer\n") << false << "longer";
        QTest::newRow("the key gone") << QByteArray("[g]\nj=v\n") << false << "fallback";
        QTest::newRow("another file renamed over it") << QByteArray("[g]\nk=x\n") << true << "x";
        QTest::newRow("the file removed") << QByteArray() << false << "fallback";
    }

    void editsAreSeenAtOnce()
    {
        QFETCH(QByteArray, edited);
        QFETCH(bool, replaced);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("device.ini"));
        auto read = [&] { return DeviceSettings::valueIn(file, QStringLiteral("g"), QStringLiteral("k"), QStringLiteral("fallback")); };
        writeFile(file, "[g]\nk=v\n");
        QCOMPARE(read(), QStringLiteral("v"));
        QCOMPARE(read(), QStringLiteral("v"));
        if (edited.isEmpty()) {
            QVERIFY(QFile::remove(file));
        } else if (replaced) {
            writeFile(file + QStringLiteral(".new"), edited);
            QVERIFY(::rename(QFile::encodeName(file + QStringLiteral(".new")).constData(), QFile::encodeName(file).constData()) == 0);
        } else {
            writeFile(file, edited);
        }
        QCOMPARE(read(), expected);
    }

    // One reading of HOST:PORT for every server the settings name.
    void hostAndPort_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("defaultPort");
        QTest::addColumn<QString>("host"); // empty: refused
        QTest::addColumn<int>("port");
        QTest::newRow("name and port") << "gps.local:3000" << 2947 << "gps.local" << 3000;
        QTest::newRow("a name alone takes the default") << "gps.local" << 2947 << "gps.local" << 2947;
        QTest::newRow("IPv6 in brackets with a port") << "[::1]:2948" << 2947 << "::1" << 2948;
        QTest::newRow("IPv6 in brackets alone") << "[fe80::1]" << 2947 << "fe80::1" << 2947;
        QTest::newRow("a bare IPv6 address is a host alone") << "fe80::1" << 2947 << "fe80::1" << 2947;
        QTest::newRow("a bare ::1 keeps its last group") << "::1" << 2947 << "::1" << 2947;
        QTest::newRow("no port where one is needed") << "gps.local" << 0 << "" << 0;
        QTest::newRow("a bare IPv6 address where a port is needed") << "::1:2947" << 0 << "" << 0;
        QTest::newRow("port 0") << "gps.local:0" << 2947 << "" << 0;
        QTest::newRow("port past 65535") << "gps.local:65536" << 2947 << "" << 0;
        QTest::newRow("a sign before the port") << "gps.local:+80" << 2947 << "" << 0;
        QTest::newRow("a blank after the port") << "gps.local:80 " << 2947 << "" << 0;
        QTest::newRow("a colon and no port") << "gps.local:" << 2947 << "" << 0;
        QTest::newRow("brackets, a colon and no port") << "[::1]:" << 2947 << "" << 0;
        QTest::newRow("no host") << ":2947" << 2947 << "" << 0;
        QTest::newRow("a bracket not closed") << "[::1:2947" << 2947 << "" << 0;
        QTest::newRow("something after the bracket") << "[::1]2947" << 2947 << "" << 0;
        QTest::newRow("empty") << "" << 2947 << "" << 0;
    }

    void hostAndPort()
    {
        QFETCH(QString, text);
        QFETCH(int, defaultPort);
        QFETCH(QString, host);
        QFETCH(int, port);
        QString error;
        const std::optional<HostPort> parsed = parseHostPort(text, static_cast<quint16>(defaultPort), &error);
        if (host.isEmpty()) {
            QVERIFY(!parsed);
            QVERIFY2(error.contains(QStringLiteral("HOST:PORT")), qPrintable(error));
            return;
        }
        QVERIFY2(parsed, qPrintable(error));
        QCOMPARE(parsed->host, host);
        QCOMPARE(int(parsed->port), port);
        // Written back, it reads the same.
        const std::optional<HostPort> again = parseHostPort(joinHostPort(host, QString::number(port)), 0);
        QVERIFY(again);
        QCOMPARE(again->host, host);
        QCOMPARE(int(again->port), port);
    }

    void filePathIn()
    {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("conf/device.ini"));
        writeFile(file, "[map]\nf=" + value.toUtf8() + "\n");
        expected.replace(QStringLiteral("@/"), QFileInfo(file).absolutePath() + u'/');
        QCOMPARE(DeviceSettings::filePathIn(file, QStringLiteral("map"), QStringLiteral("f")), expected);
        QCOMPARE(DeviceSettings::filePathIn(file, QStringLiteral("map"), QStringLiteral("absent")), QString());
    }

    // Written by hand: a URL or a provider's text with commas must not come back empty.
    void mapValuesWithCommasReadWhole()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("device.ini"));
        writeFile(file, "[map]\nsatellite-url=http://127.0.0.1:9/{z},{x},{y}.jpg\n"
                        "satellite-attribution=Pictures: A,B\nsatellite-mbtiles=sat,1.mbtiles\n");
        const MapSettings s = MapSettings::fromFile(file);
        QCOMPARE(s.satelliteUrl, QStringLiteral("http://127.0.0.1:9/{z},{x},{y}.jpg"));
        QCOMPARE(s.satelliteAttribution, QStringLiteral("Pictures: A,B"));
        QCOMPARE(s.satelliteMBTiles, QFileInfo(file).absolutePath() + QStringLiteral("/sat,1.mbtiles"));
        QCOMPARE(s.standardUrl, QString::fromLatin1(MapSettings::kDefaultStandardUrl));
    }

    void everyReaderUsesOneFile()
    {
        QCOMPARE(MapSettings::deviceSettingsPath(), DeviceSettings::path());
        QCOMPARE(LocationManager::deviceSettingsPath(), DeviceSettings::path());
        QVERIFY(DeviceSettings::path().endsWith(QStringLiteral("/quorvel/device.ini")));
    }

    // A command-line choice answers for this process only: the user's file is neither read
    // for that key nor written.
    void overrideComesBeforeTheFile_data()
    {
        QTest::addColumn<QByteArray>("ini"); // empty: no file
        QTest::addColumn<QString>("overrideValue"); // null: set, then removed again
        QTest::addColumn<QString>("expected");
        QTest::newRow("over the file's value") << QByteArray("[location]\nsource=gpsd\n") << "demo" << "demo";
        QTest::newRow("without a file") << QByteArray() << "demo" << "demo";
        QTest::newRow("an empty override is a value") << QByteArray("[location]\nsource=gpsd\n") << "" << "";
        QTest::newRow("removed, the file answers again") << QByteArray("[location]\nsource=gpsd\n") << QString()
                                                         << "gpsd";
    }

    void overrideComesBeforeTheFile()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, overrideValue);
        QFETCH(QString, expected);
        const QString path = DeviceSettings::path();
        QFile::remove(path);
        if (!ini.isEmpty())
            writeFile(path, ini);
        const QString group = QStringLiteral("location"), key = QStringLiteral("source");
        DeviceSettings::setOverride(group, key, overrideValue.isNull() ? QStringLiteral("demo") : overrideValue);
        if (overrideValue.isNull())
            DeviceSettings::setOverride(group, key, QString());
        const QString got = DeviceSettings::value(group, key, QStringLiteral("fallback"));
        const QString otherKey = DeviceSettings::value(group, QStringLiteral("replay-speed"), QStringLiteral("1"));
        DeviceSettings::setOverride(group, key, QString());
        QCOMPARE(got, expected);
        QCOMPARE(otherKey, QStringLiteral("1"));
        QFile f(path);
        QCOMPARE(f.exists(), !ini.isEmpty());
        if (f.open(QIODevice::ReadOnly))
            QCOMPARE(f.readAll(), ini);
        QFile::remove(path);
    }

    void replaySpeed_data()
    {
        QTest::addColumn<QByteArray>("line"); // the replay-speed line, or none
        QTest::addColumn<QString>("logged");  // the value the warning names, or none
        QTest::newRow("a number") << QByteArray("replay-speed=50\n") << "";
        QTest::newRow("absent") << QByteArray() << "";
        QTest::newRow("a word") << QByteArray("replay-speed=fast\n") << "fast";
        QTest::newRow("a decimal comma") << QByteArray("replay-speed=1,5\n") << "1,5";
        QTest::newRow("negative") << QByteArray("replay-speed=-2\n") << "-2";
    }

    void replaySpeed()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, logged);
        const QString path = DeviceSettings::path();
        writeFile(path, "[location]\nsource=replay:walk,1.nmea\n" + line);
        LogCapture log;
        auto manager = LocationManager::fromDeviceSettings();
        QFile::remove(path);
        QCOMPARE(manager->sourceName(), QStringLiteral("replay:walk,1.nmea"));
        const QString warning = QStringLiteral("LocationManager: replay-speed %1 in %2 is not a positive number, using 1");
        if (logged.isEmpty())
            QVERIFY2(!log.lines().join(u'\n').contains(QStringLiteral("replay-speed")), qPrintable(log.lines().join(u'\n')));
        else
            QVERIFY2(log.contains(warning.arg(logged, path)), qPrintable(log.lines().join(u'\n')));
    }

    // Something other than a small regular file stands where the settings should be: the
    // reader neither blocks nor swallows it, and the start goes on with the defaults.
    void specialFilesReadAsAbsent_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("a link to an endless device") << "zero";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a file of many megabytes") << "huge";
    }

    void specialFilesReadAsAbsent()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("device.ini"));
        QVERIFY(placeSpecialFile(file, kind, "[g]\nk=v\n" + QByteArray(8 * 1024 * 1024, ';')));
        LogCapture log;
        QCOMPARE(DeviceSettings::valueIn(file, QStringLiteral("g"), QStringLiteral("k"), QStringLiteral("fallback")),
                 QStringLiteral("fallback"));
        QCOMPARE(DeviceSettings::valueIn(file, QStringLiteral("g"), QStringLiteral("k"), QStringLiteral("fallback")),
                 QStringLiteral("fallback"));
        QCOMPARE(log.lines().size(), 1);
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("device.ini.damaged-*")}, QDir::AllEntries | QDir::System).size(), 1);
    }

    void passwordReadableByOthersIsWarnedOnce_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("warnings");
        const QByteArray withPassword("[mail]\nserver=smtp.example.org\npassword=\"secret\"\n");
        QTest::newRow("password, readable by all") << withPassword << 0644 << 1;
        QTest::newRow("password, readable by the group") << withPassword << 0640 << 1;
        QTest::newRow("password, private") << withPassword << 0600 << 0;
        QTest::newRow("no password, readable by all") << QByteArray("[mail]\nserver=smtp.example.org\n") << 0644 << 0;
    }

    void passwordReadableByOthersIsWarnedOnce()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, mode);
        QFETCH(int, warnings);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("device.ini"));
        writeFile(file, ini);
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), static_cast<mode_t>(mode)), 0);
        LogCapture log;
        QCOMPARE(DeviceSettings::valueIn(file, QStringLiteral("mail"), QStringLiteral("server")),
                 QStringLiteral("smtp.example.org"));
        DeviceSettings::valueIn(file, QStringLiteral("mail"), QStringLiteral("password"));
        QCOMPARE(log.lines().filter(QStringLiteral("holds a password")).size(), warnings);
    }
};

QTEST_MAIN(TestDeviceSettings)
#include "tst_devicesettings.moc"
