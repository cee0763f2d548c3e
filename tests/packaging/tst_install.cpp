// `cmake --install` into a prefix with a space in its name, as a user would: the files
// launchers and software centres read, valid by their own validators, and the installed
// program finding its place data there.

#include "InstalledProgram.h"

#include <QImage>
#include <QPluginLoader>
#include <QSettings>

namespace {
const QString kId = QStringLiteral("org.quorvel.Quorvel");
}

class tst_Install : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        prefix_ = dir_.filePath(QStringLiteral("Quorvel prefix"));
        QByteArray out;
        QCOMPARE(runTool(QStringLiteral(QUORVEL_CMAKE), {QStringLiteral("--install"), QStringLiteral(QUORVEL_BINARY_DIR),
                                                          QStringLiteral("--prefix"), prefix_}, &out),
                 0);
        Q_UNUSED(out);
    }

    void laysOutTheFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("program") << "bin/quorvel";
        QTest::newRow("place index") << "share/quorvel/quorvel-places.bin";
        QTest::newRow("desktop entry") << "share/applications/" + kId + ".desktop";
        QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + kId + ".svg";
        QTest::newRow("metadata") << "share/metainfo/" + kId + ".metainfo.xml";
        QTest::newRow("licence") << "share/doc/quorvel/LICENSE";
        QTest::newRow("copyright") << "share/doc/quorvel/copyright";
        QTest::newRow("manual page") << "share/man/man1/quorvel.1";
        QTest::newRow("address books module") << QUORVEL_INSTALL_LIBDIR "/quorvel/libquorvel-addressbooks.so";
        QTest::newRow("keyring module") << QUORVEL_INSTALL_LIBDIR "/quorvel/libquorvel-keyring.so";
    }

    void laysOutTheFiles()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo(prefix_ + u'/' + path).isFile(), qPrintable(path));
    }

    void iconsInEverySize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
            QTest::addRow("%dx%d", size, size) << size;
    }

    void iconsInEverySize()
    {
        QFETCH(int, size);
        const QString file = QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/%3.png").arg(prefix_).arg(size).arg(kId);
        const QImage icon(file);
        QVERIFY2(!icon.isNull(), qPrintable(file));
        QCOMPARE(icon.size(), QSize(size, size));
        // Drawn, with a transparent surround: neither empty nor a filled square.
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 3)), 255);
    }

    void validators_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop-file-validate") << "desktop-file-validate"
                                               << QStringList{prefix_ + "/share/applications/" + kId + ".desktop"};
        QTest::newRow("appstreamcli validate") << "appstreamcli"
                                               << QStringList{"validate", "--pedantic", "--no-net", "--explain",
                                                              prefix_ + "/share/metainfo/" + kId + ".metainfo.xml"};
    }

    void validators()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        QByteArray out;
        const int status = runTool(tool, arguments, &out);
        QVERIFY2(status == 0, out.constData());
        // Warnings count too: a software centre may drop an entry for less than an error.
        QVERIFY2(!out.contains("warning") && !out.contains("W:") && !out.contains("E:"), out.constData());
    }

    // The manual page formats without a complaint from groff, and says what --help says and
    // what --help cannot.
    void manualPage_data()
    {
        QTest::addColumn<QString>("says");
        QTest::newRow("name line") << "quorvel - tell somebody else where you are";
        QTest::newRow("an option from --help") << "--settings";
        QTest::newRow("the version from --version") << "quorvel " QUORVEL_VERSION;
        QTest::newRow("the store") << "~/.config/quorvel/defaults.json";
        QTest::newRow("device settings") << "~/.config/quorvel/device.ini";
        QTest::newRow("the place index") << "/usr/share/quorvel/quorvel-places.bin";
        QTest::newRow("the logging category") << "quorvel.diag";
        QTest::newRow("the window system") << "QT_QPA_PLATFORM";
        QTest::newRow("usage error status") << "An unknown option or an unexpected argument";
    }

    void manualPage()
    {
        QFETCH(QString, says);
        QProcess man;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("200")); // no line breaks inside a name
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        man.setProcessEnvironment(env);
        man.start(QStringLiteral("man"), {QStringLiteral("--warnings"), QStringLiteral("-l"), prefix_ + QStringLiteral("/share/man/man1/quorvel.1")});
        QVERIFY(man.waitForFinished(60000));
        const QByteArray complaints = man.readAllStandardError();
        const QString page = QString::fromUtf8(man.readAllStandardOutput());
        QCOMPARE(man.exitCode(), 0);
        QVERIFY2(complaints.isEmpty(), complaints.constData());
        QVERIFY2(page.contains(says), qPrintable(page));
    }

    // The large libraries of the address books, the keyring, the network, the map's tiles,
    // gpsd and SMTP are the modules', opened at their first use; the program itself never
    // loads them at start, and each module links its library (so the package's dependency on
    // it is computed).
    void modulesLoadFromThePrefix_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QByteArray>("library");
        QTest::newRow("address books") << "addressbooks" << QByteArray("org.quorvel.EvolutionDataServerModule/1")
                                       << QByteArray("libebook-1.2");
        QTest::newRow("keyring") << "keyring" << QByteArray("org.quorvel.KeyringModule/1") << QByteArray("qt6keychain");
        QTest::newRow("network") << "network" << QByteArray("org.quorvel.TcpModule/1") << QByteArray("libQt6Network");
        QTest::newRow("tiles") << "tiles" << QByteArray("org.quorvel.TileBackends/1") << QByteArray("libsqlite3");
        QTest::newRow("gpsd") << "gpsd" << QByteArray("org.quorvel.GpsdClient/1") << QByteArray("libgps");
        QTest::newRow("mail") << "mail" << QByteArray("org.quorvel.SmtpTransport/1") << QByteArray("libcurl");
    }

    void modulesLoadFromThePrefix()
    {
        QFETCH(QString, module);
        QFETCH(QByteArray, entry);
        QFETCH(QByteArray, library);
        const QString path = QStringLiteral("%1/" QUORVEL_INSTALL_LIBDIR "/quorvel/libquorvel-%2.so").arg(prefix_, module);
        QPluginLoader plugin(path);
        QVERIFY2(plugin.load(), qPrintable(plugin.errorString()));
        QCOMPARE(plugin.metaData().value(QStringLiteral("IID")).toString(), QString::fromLatin1(entry));
        QVERIFY(plugin.instance() && plugin.instance()->qt_metacast("org.quorvel.Module/1"));
        QByteArray needed;
        QCOMPARE(runTool(QStringLiteral("readelf"), {QStringLiteral("-d"), prefix_ + QStringLiteral("/bin/quorvel")}, &needed), 0);
        QVERIFY2(needed.contains("NEEDED") && !needed.contains(library), needed.constData());
        QByteArray linked;
        QCOMPARE(runTool(QStringLiteral("readelf"), {QStringLiteral("-d"), path}, &linked), 0);
        QVERIFY2(linked.contains(library), linked.constData());
    }

    // Exec starts the installed program, quoted for the space in the prefix.
    void launcherStartsTheInstalledProgram()
    {
        const QString entry = prefix_ + QStringLiteral("/share/applications/") + kId + QStringLiteral(".desktop");
        QFile f(entry);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        const QString program = prefix_ + QStringLiteral("/bin/quorvel");
        QVERIFY2(text.contains(QStringLiteral("\nExec=\"%1\"\n").arg(program)), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\nExec=\"%1\" --demo\n").arg(program)), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\nIcon=") + kId + u'\n'));
        QVERIFY(text.contains(QStringLiteral("\nX-Purism-FormFactor=Workstation;Mobile;\n")));
    }

    void installedProgramFindsItsData()
    {
        InstalledProgram app(prefix_ + QStringLiteral("/bin/quorvel"));
        app.start({QStringLiteral("--demo")});
        const QString index = app.waitForLine(QStringLiteral("Place index (.*): \\d+ places$"));
        QCOMPARE(index, prefix_ + QStringLiteral("/share/quorvel/quorvel-places.bin"));
        const QString locality = app.waitForLine(kFilledLocality);
        QVERIFY2(!locality.isEmpty(), app.log().constData());
        QCOMPARE(app.stop(), 0);
    }

    // Without its place index the installed program says where it looked (and not in the build
    // tree it came from), and runs on without localities.
    void missingPlaceIndexIsNamed()
    {
        const QString index = prefix_ + QStringLiteral("/share/quorvel/quorvel-places.bin");
        QVERIFY(QFile::rename(index, index + QStringLiteral(".away")));
        InstalledProgram app(prefix_ + QStringLiteral("/bin/quorvel"));
        app.start({QStringLiteral("--demo")});
        const QString looked = app.waitForLine(QStringLiteral("not found \\(looked in (.*)\\); localities will not be found$"));
        const QString position = app.waitForLine(QStringLiteral("textViewMessage: (.*)$"));
        const int status = app.stop();
        QVERIFY(QFile::rename(index + QStringLiteral(".away"), index));
        QVERIFY2(looked.contains(index), app.log().constData());
        QVERIFY2(!looked.contains(QStringLiteral(QUORVEL_BINARY_DIR)), qPrintable(looked));
        QVERIFY2(!position.isEmpty(), app.log().constData());
        QCOMPARE(status, 0);
    }

    void installedCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("printed");
        QTest::newRow("--version") << QStringList{"--version"} << 0 << QByteArray("quorvel " QUORVEL_VERSION "\n");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << QByteArray("--demo");
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << QByteArray("Unknown option 'frobnicate'");
    }

    // Answered before anything else, also in a terminal without any display: no window, and
    // nothing written to the user's folders.
    void installedCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, printed);
        InstalledProgram app(prefix_ + QStringLiteral("/bin/quorvel"));
        app.start(arguments, false);
        QVERIFY(app.process().waitForFinished(30000));
        const QByteArray out = app.process().readAllStandardOutput() + app.process().readAllStandardError();
        QCOMPARE(app.process().exitCode(), status);
        QVERIFY2(out.contains(printed), out.constData());
        QVERIFY2(!out.contains("didFinishLaunchingWithOptions"), out.constData());
        QCOMPARE(QDir(app.home()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});
    }

private:
    QTemporaryDir dir_;
    QString prefix_;
};

QTEST_MAIN(tst_Install)
#include "tst_install.moc"
