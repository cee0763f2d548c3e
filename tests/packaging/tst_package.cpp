// The Debian package CPack makes of this build: what dpkg reads from it, and the program
// unpacked into a root of its own, run from there with --demo.

#include "InstalledProgram.h"

class tst_Package : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QByteArray out;
        const int status = runTool(QStringLiteral(QUORVEL_CPACK),
                                   {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                                    QStringLiteral(QUORVEL_BINARY_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), dir_.path()},
                                   &out, 600000);
        QVERIFY2(status == 0, out.constData());
        const QStringList debs = QDir(dir_.path()).entryList({QStringLiteral("quorvel_*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        deb_ = dir_.filePath(debs.first());
        root_ = dir_.filePath(QStringLiteral("root"));
        QCOMPARE(runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb_, root_}, &out), 0);
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
        const QStringList entries = QString::fromUtf8(out).split(QLatin1Char(','), Qt::SkipEmptyParts);
        bool found = false;
        for (const QString& e : entries)
            found = found || e.trimmed().section(QLatin1Char(' '), 0, 0) == holds || e.trimmed() == holds;
        QVERIFY2(found, qPrintable(field + QStringLiteral(": ") + QString::fromUtf8(out)));
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
        QTest::newRow("address books module") << "usr/" QUORVEL_INSTALL_LIBDIR "/quorvel/libquorvel-addressbooks.so";
        QTest::newRow("keyring module") << "usr/" QUORVEL_INSTALL_LIBDIR "/quorvel/libquorvel-keyring.so";
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

    void unpackedProgramRunsTheDemo()
    {
        InstalledProgram app(root_ + QStringLiteral("/usr/bin/quorvel"));
        app.start({QStringLiteral("--demo")});
        const QString index = app.waitForLine(QStringLiteral("Place index (.*): \\d+ places$"));
        QVERIFY2(index == root_ + QStringLiteral("/usr/share/quorvel/quorvel-places.bin"), app.log().constData());
        const QString locality = app.waitForLine(kFilledLocality);
        QVERIFY2(!locality.isEmpty(), app.log().constData());
        QCOMPARE(app.stop(), 0);
    }

private:
    QTemporaryDir dir_;
    QString deb_;
    QString root_;
};

QTEST_MAIN(tst_Package)
#include "tst_package.moc"
