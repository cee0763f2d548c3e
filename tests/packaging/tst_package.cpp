// The Debian package as dpkg-buildpackage makes it from debian/, in a copy of the source tree:
// what lintian says of it, what dpkg reads from it, and the program unpacked into a root of
// its own, run from there with its position from gpsd.

#include "InstalledProgram.h"
#include "support/FloodServer.h"

#include <QDirIterator>

namespace {
// Fixed, so that ccache finds the previous build's objects under the same paths.
const QString kWork = QStringLiteral(QUORVEL_BINARY_DIR "/tests/packaging/package");

// The tracked and new files of the source tree as they are now, and the place data.
bool copySourceTree(const QString& to, QByteArray* why)
{
    QProcess git;
    git.setWorkingDirectory(QStringLiteral(QUORVEL_SOURCE_DIR));
    git.start(QStringLiteral("git"), {QStringLiteral("ls-files"), QStringLiteral("-z"), QStringLiteral("-co"),
                                      QStringLiteral("--exclude-standard")});
    if (!git.waitForFinished(60000) || git.exitCode() != 0) {
        *why = "git ls-files: " + git.readAllStandardError();
        return false;
    }
    QStringList files;
    for (const QByteArray& f : git.readAllStandardOutput().split('\0'))
        if (!f.isEmpty())
            files << QFile::decodeName(f);
    QDirIterator data(QStringLiteral(QUORVEL_SOURCE_DIR "/data/node_modules"), QDir::Files, QDirIterator::Subdirectories);
    while (data.hasNext())
        files << QDir(QStringLiteral(QUORVEL_SOURCE_DIR)).relativeFilePath(data.next());
    const QDir source(QStringLiteral(QUORVEL_SOURCE_DIR));
    for (const QString& f : files) {
        if (!QFileInfo(source.filePath(f)).isFile())
            continue; // deleted but not yet committed
        const QString target = to + u'/' + f;
        // QFile::copy keeps the permissions: debian/rules stays executable.
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source.filePath(f), target)) {
            *why = "cannot copy " + f.toLocal8Bit();
            return false;
        }
    }
    return true;
}

QStringList list(const QByteArray& field)
{
    QStringList names;
    for (const QByteArray& entry : field.split(',')) {
        const QString name = QString::fromUtf8(entry).trimmed().section(QLatin1Char(' '), 0, 0);
        if (!name.isEmpty())
            names << name;
    }
    return names;
}
} // namespace

class tst_Package : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(QDir(kWork).removeRecursively());
        const QString tree = kWork + QStringLiteral("/quorvel");
        QByteArray out;
        QVERIFY2(copySourceTree(tree, &out), out.constData());

        QProcess build;
        build.setWorkingDirectory(tree);
        build.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DEB_BUILD_OPTIONS"), QStringLiteral("nocheck parallel=%1").arg(QThread::idealThreadCount()));
        // debhelper gives the build a home of its own, where ccache would start empty.
        QByteArray cacheDir;
        if (runTool(QStringLiteral("ccache"), {QStringLiteral("-k"), QStringLiteral("cache_dir")}, &cacheDir) == 0)
            env.insert(QStringLiteral("CCACHE_DIR"), QString::fromLocal8Bit(cacheDir).trimmed());
        build.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        build.start(QStringLiteral("dpkg-buildpackage"), {QStringLiteral("-b"), QStringLiteral("-us"), QStringLiteral("-uc")});
        QVERIFY(build.waitForFinished(1500000));
        out = build.readAll();
        QVERIFY2(build.exitStatus() == QProcess::NormalExit && build.exitCode() == 0, out.right(8000).constData());
        qInfo("dpkg-buildpackage took %lld s", clock.elapsed() / 1000);

        const QDir work(kWork);
        const QStringList debs = work.entryList({QStringLiteral("quorvel_*.deb")}, QDir::Files);
        const QStringList changes = work.entryList({QStringLiteral("quorvel_*.changes")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        QCOMPARE(changes.size(), 1);
        deb_ = work.filePath(debs.first());
        changes_ = work.filePath(changes.first());
        dbgsym_ = work.entryList({QStringLiteral("quorvel-dbgsym_*.ddeb"), QStringLiteral("quorvel-dbgsym_*.deb")}, QDir::Files);
        // The unpacked program must find its modules where the package puts them, not in
        // the build folder it came from.
        QVERIFY(QDir(tree).removeRecursively());
        root_ = work.filePath(QStringLiteral("root"));
        QCOMPARE(runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb_, root_}, &out), 0);
    }

    void debugSymbolsPackage()
    {
        QVERIFY2(dbgsym_.size() == 1, qPrintable(dbgsym_.join(u' ')));
    }

    // Errors and warnings fail; the remaining info and pedantic tags are shown in the log.
    void lintianIsClean_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("changes (with both packages)") << changes_;
        QTest::newRow("deb") << deb_;
    }

    void lintianIsClean()
    {
        QFETCH(QString, file);
        QByteArray out;
        const int status = runTool(QStringLiteral("lintian"),
                                   {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), QStringLiteral("--display-info"),
                                    QStringLiteral("--pedantic"), file},
                                   &out, 600000);
        qInfo("%s", out.constData());
        QVERIFY2(status == 0, out.constData());
        QVERIFY2(!QRegularExpression(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption).match(QString::fromUtf8(out)).hasMatch(),
                 out.constData());
    }

    void control_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("holds");
        QTest::newRow("name") << "Package" << "quorvel";
        QTest::newRow("version") << "Version" << QUORVEL_VERSION;
        // From dpkg-shlibdeps: the libraries the program links.
        QTest::newRow("Qt's libraries") << "Depends" << "libqt6widgets6";
        QTest::newRow("the C++ library") << "Depends" << "libstdc++6";
        // The same for the modules, which the program opens only at their first use.
        QTest::newRow("the address books' library") << "Depends" << "libebook-1.2-21";
        QTest::newRow("the keyring's library") << "Depends" << "libqt6keychain1";
        QTest::newRow("the network module's library") << "Depends" << "libqt6network6";
        QTest::newRow("SQLite for MBTiles files") << "Depends" << "libsqlite3-0";
        QTest::newRow("the gpsd module's library") << "Depends" << "libgps28";
        // Loaded at run time, so no linker sees them.
        QTest::newRow("positioning plugins") << "Depends" << "libqt6positioning6-plugins";
        QTest::newRow("libcurl") << "Depends" << "libcurl4";
        QTest::newRow("GeoClue") << "Recommends" << "geoclue-2.0";
        QTest::newRow("gpsd") << "Recommends" << "gpsd";
        QTest::newRow("ModemManager") << "Recommends" << "modemmanager";
        QTest::newRow("Qt's translations") << "Recommends" << "qt6-translations-l10n";
    }

    void control()
    {
        QFETCH(QString, field);
        QFETCH(QString, holds);
        QByteArray out;
        QCOMPARE(runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb_, field}, &out), 0);
        QVERIFY2(list(out).contains(holds), qPrintable(field + QStringLiteral(": ") + QString::fromUtf8(out)));
    }

    // What builds the package is what the set-up installs: no second list to keep.
    void buildDependsAreSetUp()
    {
        QFile control(QStringLiteral(QUORVEL_SOURCE_DIR "/debian/control"));
        QVERIFY(control.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(control.readAll());
        const QRegularExpressionMatch field =
            QRegularExpression(QStringLiteral("^Build-Depends:((?:.*\\n[ \\t].*)*.*)$"), QRegularExpression::MultilineOption).match(text);
        QVERIFY(field.hasMatch());
        QStringList setUp;
        QDirIterator lists(QStringLiteral(QUORVEL_SOURCE_DIR "/scripts/packages"), {QStringLiteral("*.txt")}, QDir::Files);
        while (lists.hasNext()) {
            QFile f(lists.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            for (const QByteArray& line : f.readAll().split('\n'))
                setUp << QString::fromUtf8(line.split('#').first()).trimmed(); // a comment runs to the line's end
        }
        const QStringList wanted = list(field.captured(1).toUtf8());
        QVERIFY(wanted.size() > 10);
        for (QString name : wanted) {
            if (name == QLatin1String("debhelper-compat"))
                name = QStringLiteral("debhelper");
            QVERIFY2(setUp.contains(name), qPrintable(name));
        }
    }

    void packagedFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("program") << "usr/bin/quorvel";
        QTest::newRow("place index") << "usr/share/quorvel/quorvel-places.bin";
        QTest::newRow("desktop entry") << "usr/share/applications/org.quorvel.Quorvel.desktop";
        QTest::newRow("icon") << "usr/share/icons/hicolor/scalable/apps/org.quorvel.Quorvel.svg";
        QTest::newRow("metadata") << "usr/share/metainfo/org.quorvel.Quorvel.metainfo.xml";
        QTest::newRow("copyright") << "usr/share/doc/quorvel/copyright";
        QTest::newRow("changelog") << "usr/share/doc/quorvel/changelog.gz";
        QTest::newRow("manual page") << "usr/share/man/man1/quorvel.1.gz";
        QTest::newRow("address books module") << "usr/lib/" QUORVEL_MULTIARCH "/quorvel/libquorvel-addressbooks.so";
        QTest::newRow("keyring module") << "usr/lib/" QUORVEL_MULTIARCH "/quorvel/libquorvel-keyring.so";
        QTest::newRow("gpsd module") << "usr/lib/" QUORVEL_MULTIARCH "/quorvel/libquorvel-gpsd.so";
    }

    void packagedFiles()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo(root_ + u'/' + path).isFile(), qPrintable(path));
    }

    // The launcher entry names the program where the package puts it, not the build's prefix.
    void launcherEntryNamesTheInstalledPath()
    {
        QFile f(root_ + QStringLiteral("/usr/share/applications/org.quorvel.Quorvel.desktop"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY2(text.contains("\nExec=/usr/bin/quorvel\n") && text.contains("\nExec=/usr/bin/quorvel --demo\n"), text.constData());
    }

    // Its place index found beside it, and its position from gpsd through the network and
    // gpsd modules of the multiarch folder (the build folder is gone by now).
    void unpackedProgramRunsWithGpsd()
    {
        // No time: the fix is taken as new, whenever the test runs.
        const QByteArray tpv = R"({"class":"TPV","device":"/dev/fake","mode":3,"lat":50.0870,"lon":14.4208,"altMSL":200.0,"eph":5.0})"
                               "\n";
        FloodServer gpsd(R"({"class":"VERSION","release":"3.22","proto_major":3,"proto_minor":14})"
                         "\n",
                         tpv, true, 500);
        QVERIFY(gpsd.port() != 0);
        InstalledProgram app(root_ + QStringLiteral("/usr/bin/quorvel"));
        const QString config = app.home() + QStringLiteral("/XDG_CONFIG_HOME/quorvel");
        QVERIFY(QDir().mkpath(config));
        QFile ini(config + QStringLiteral("/device.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[location]\nsource=gpsd:127.0.0.1:%1\n").arg(gpsd.port()).toUtf8());
        ini.close();
        app.start({});
        const QString fix = app.waitForLine(QStringLiteral("did update to location: <([^>]*)>"));
        QVERIFY2(fix == QLatin1String("+50.08700000,+14.42080000"), app.log().constData());
        const QString index = app.waitForLine(QStringLiteral("Place index (.*): \\d+ places$"));
        QVERIFY2(index == root_ + QStringLiteral("/usr/share/quorvel/quorvel-places.bin"), app.log().constData());
        QVERIFY2(!app.log().contains("cannot be loaded"), app.log().constData());
        QCOMPARE(app.stop(), 0);
    }

private:
    QString deb_;
    QString changes_;
    QStringList dbgsym_;
    QString root_;
};

QTEST_MAIN(tst_Package)
#include "tst_package.moc"
