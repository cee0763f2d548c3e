// The platform's modules, opened at their first use: where they are looked for, what a
// missing one says, and that one is opened once however often it is asked for.

#include "platform/foundation/Modules.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QtTest>

class tst_Modules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    // A program of the build tree finds the build tree's modules, after where an installed
    // one would look.
    void locations()
    {
        const QStringList paths = Modules::locations(QStringLiteral("keyring"));
        QCOMPARE(paths.size(), 2);
        QVERIFY2(paths.first().endsWith(QStringLiteral("/quorvel/libquorvel-keyring.so")), qPrintable(paths.first()));
        QCOMPARE(paths.last(), QStringLiteral(QUORVEL_BINARY_DIR "/modules/libquorvel-keyring.so"));
    }

    void missingModuleSaysWhereItLooked()
    {
        QString error;
        QVERIFY(!Modules::open(QStringLiteral("no-such-part"), &error));
        for (const QString& path : Modules::locations(QStringLiteral("no-such-part")))
            QVERIFY2(error.contains(path + QStringLiteral(": not found")), qPrintable(error));
    }

    void openedOnce_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QByteArray>("entry");
        QTest::newRow("keyring") << "keyring" << QByteArray("quorvel_secret_service_keyring");
        QTest::newRow("address books") << "addressbooks" << QByteArray("quorvel_read_evolution_data_server");
    }

    void openedOnce()
    {
        QFETCH(QString, module);
        QFETCH(QByteArray, entry);
        QString error;
        void* handle = Modules::open(module, &error);
        QVERIFY2(handle, qPrintable(error));
        QCOMPARE(Modules::open(module, &error), handle);
        QVERIFY(Modules::symbol(handle, entry.constData()));
        QVERIFY(!Modules::symbol(handle, "no_such_function"));
    }
};

QTEST_MAIN(tst_Modules)
#include "tst_modules.moc"
