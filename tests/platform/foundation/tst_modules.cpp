// The platform's modules, opened at their first use: where they are looked for, what a
// missing one says, and that one is opened once however often it is asked for.

#include "platform/foundation/Modules.h"
#include "support/TestSupport.h"

#include <QCoreApplication>

// An interface no module offers.
class QuorvelModuleProbe {
public:
    virtual ~QuorvelModuleProbe() = default;
};
Q_DECLARE_INTERFACE(QuorvelModuleProbe, "org.quorvel.Probe/1")
#include <QtTest>

class tst_Modules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    // A program of the build tree loads the build's modules and nothing else; any other
    // program only its library folder, never the build's, nor one a user could plant beside a
    // build placed in a shared folder.
    void locations_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<bool>("buildTree");
        const QString build = QStringLiteral(QUORVEL_BINARY_DIR);
        QTest::newRow("this test") << QString() << true;
        QTest::newRow("the build's top") << build << true;
        QTest::newRow("deep in the build") << build + QStringLiteral("/tests/platform/foundation") << true;
        QTest::newRow("a sibling sharing the name's start") << build + QStringLiteral("-other/bin") << false;
        QTest::newRow("installed") << QStringLiteral("/opt/Quorvel prefix/bin") << false;
        QTest::newRow("the root") << QStringLiteral("/") << false;
    }

    void locations()
    {
        QFETCH(QString, programFolder);
        QFETCH(bool, buildTree);
        const QString buildModule = QStringLiteral(QUORVEL_BINARY_DIR "/modules/libquorvel-keyring.so");
        const QStringList paths = programFolder.isNull() ? Modules::locations(QStringLiteral("keyring"))
                                                         : Modules::locations(QStringLiteral("keyring"), programFolder);
        QCOMPARE(paths.size(), 1);
        if (buildTree) {
            QCOMPARE(paths.first(), buildModule);
            return;
        }
        const QString path = paths.first();
        QVERIFY2(path.endsWith(QStringLiteral("/quorvel/libquorvel-keyring.so")), qPrintable(path));
        QVERIFY2(!path.startsWith(QStringLiteral(QUORVEL_BINARY_DIR "/")), qPrintable(path));
        QVERIFY2(!path.contains(QStringLiteral("/usr/usr/")) && !path.contains(QStringLiteral("//")), qPrintable(path));
    }

    void missingModuleSaysWhereItLooked()
    {
        QString error;
        QVERIFY(!Modules::load(QStringLiteral("no-such-part"), &error));
        for (const QString& path : Modules::locations(QStringLiteral("no-such-part")))
            QVERIFY2(error.contains(path + QStringLiteral(": not found")), qPrintable(error));
    }

    void openedOnce_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QByteArray>("entry");
        QTest::newRow("keyring") << "keyring" << QByteArray("org.quorvel.KeyringModule/1");
        QTest::newRow("address books") << "addressbooks" << QByteArray("org.quorvel.EvolutionDataServerModule/1");
        QTest::newRow("network") << "network" << QByteArray("org.quorvel.TcpModule/1");
        QTest::newRow("tiles") << "tiles" << QByteArray("org.quorvel.TileBackends/1");
        QTest::newRow("gpsd") << "gpsd" << QByteArray("org.quorvel.GpsdClient/1");
        QTest::newRow("mail") << "mail" << QByteArray("org.quorvel.SmtpTransport/1");
    }

    void openedOnce()
    {
        QFETCH(QString, module);
        QFETCH(QByteArray, entry);
        QString error;
        QObject* handle = Modules::load(module, &error);
        QVERIFY2(handle, qPrintable(error));
        QCOMPARE(Modules::load(module, &error), handle);
        QVERIFY(handle->qt_metacast(entry.constData()));
        QVERIFY(!handle->qt_metacast("no_such_function"));
        // Asked for what it does not offer, it says so.
        error.clear();
        QVERIFY(!Modules::get<QuorvelModuleProbe>(module, &error));
        QVERIFY2(error.contains(module) && error.contains(QLatin1String("org.quorvel.Probe")), qPrintable(error));
    }
};

QTEST_MAIN(tst_Modules)
#include "tst_modules.moc"
