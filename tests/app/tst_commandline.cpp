// The command line as a user types it: what is printed, the exit status, and that only
// --demo changes how the program runs (and only in memory).

#include "app/CommandLine.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/LocalizedText.h"
#include "support/TestSupport.h"

#include <QtTest>

class tst_CommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
        QVERIFY(StringTable::load(QStringLiteral("en")));
    }
    void cleanup() { DeviceSettings::setOverride(QStringLiteral("location"), QStringLiteral("source"), QString()); }

    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after the program's name
        QTest::addColumn<int>("exitStatus");         // -1: the program starts
        QTest::addColumn<QString>("printed");        // a part of what is printed
        QTest::addColumn<bool>("demo");
        QTest::newRow("nothing: a plain start") << QStringList{} << -1 << "" << false;
        QTest::newRow("--demo") << QStringList{"--demo"} << -1 << "" << true;
        QTest::newRow("--settings") << QStringList{"--settings"} << -1 << "" << false;
        QTest::newRow("--help lists --demo") << QStringList{"--help"} << 0 << "--demo" << false;
        QTest::newRow("--help lists --settings") << QStringList{"--help"} << 0 << "--settings" << false;
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "--version" << false;
        QTest::newRow("--help wins over --demo") << QStringList{"--demo", "--help"} << 0 << "Usage:" << false;
        QTest::newRow("--help-all lists ours") << QStringList{"--help-all"} << 0 << "--settings" << false;
        QTest::newRow("--help-all lists Qt's") << QStringList{"--demo", "--help-all"} << 0 << "--platform <platformName"
                                               << false;
        QTest::newRow("--help points to --help-all") << QStringList{"--help"} << 0 << "--help-all" << false;
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "quorvel 1.2.3\n" << false;
        QTest::newRow("unknown long option") << QStringList{"--settingz"} << 2 << "Unknown option 'settingz'" << false;
        QTest::newRow("unknown with --demo still refused") << QStringList{"--demo", "-x"} << 2 << "'x'" << false;
        QTest::newRow("a value for a plain option") << QStringList{"--demo=yes"} << 2 << "demo" << false;
        QTest::newRow("Qt's own options pass") << QStringList{"-platform", "offscreen", "-reverse", "--demo"} << -1 << ""
                                               << true;
        QTest::newRow("single-dash words are not letter bundles") << QStringList{"-demo"} << -1 << "" << true;
        QTest::newRow("a Qt option without its value") << QStringList{"-platform"} << 2 << "platform" << false;
        QTest::newRow("a stray argument") << QStringList{"file.txt"} << 2 << "unexpected argument: file.txt" << false;
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitStatus);
        QFETCH(QString, printed);
        QFETCH(bool, demo);
        const CommandLine::Outcome outcome = CommandLine::parse(QStringList{QStringLiteral("quorvel")} + arguments);
        QCOMPARE(outcome.exitStatus.value_or(-1), exitStatus);
        QVERIFY2(outcome.text.contains(printed), qPrintable(outcome.text));
        QCOMPARE(outcome.demo, demo);
        QCOMPARE(outcome.settings, arguments.contains(QStringLiteral("--settings")) && exitStatus == -1);
        if (exitStatus == CommandLine::UsageError)
            QVERIFY2(outcome.text.startsWith(QStringLiteral("quorvel: ")) && outcome.text.contains(QStringLiteral("--help")),
                     qPrintable(outcome.text));
        if (exitStatus == -1)
            QVERIFY(outcome.text.isEmpty());
    }

    // --demo reaches the location source through the device settings, without writing them.
    void demoOverridesTheLocationSourceInMemory()
    {
        QVERIFY(DeviceSettings::setValue(QStringLiteral("location"), QStringLiteral("source"), QStringLiteral("gpsd")));
        QFile file(DeviceSettings::path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        QCOMPARE(CommandLine::handle({QStringLiteral("quorvel")}), std::nullopt);
        QCOMPARE(DeviceSettings::value(QStringLiteral("location"), QStringLiteral("source")), QStringLiteral("gpsd"));
        QCOMPARE(CommandLine::handle({QStringLiteral("quorvel"), QStringLiteral("--demo")}), std::nullopt);
        QCOMPARE(DeviceSettings::value(QStringLiteral("location"), QStringLiteral("source")), QStringLiteral("demo"));

        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QFile::remove(DeviceSettings::path());
    }

    // The help is in the user's language, ours and Qt's own lines alike.
    void helpInCzech()
    {
        QVERIFY(StringTable::load(QStringLiteral("cs")));
        QVERIFY(StringTable::loadQtTexts(QLocale(QLocale::Czech, QLocale::CzechRepublic)));
        const CommandLine::Outcome outcome = CommandLine::parse({QStringLiteral("quorvel"), QStringLiteral("--help")});
        const CommandLine::Outcome refused = CommandLine::parse({QStringLiteral("quorvel"), QStringLiteral("--nic")});
        StringTable::load(QStringLiteral("en"));
        StringTable::loadQtTexts(QLocale(QLocale::English));
        // Wrapped to the terminal, so only its first words.
        QVERIFY2(outcome.text.contains(localizedTextIn("cs", "COMMANDLINE_DEMO").section(u' ', 0, 2)), qPrintable(outcome.text));
        QVERIFY2(outcome.text.startsWith(QStringLiteral("Použití: ")), qPrintable(outcome.text));
        QVERIFY2(refused.text.contains(QStringLiteral("--help")) && !refused.text.contains(QStringLiteral("Unknown option")),
                 qPrintable(refused.text));
    }

private:
    static QString localizedTextIn(const char* language, const char* key)
    {
        QTranslator table;
        if (!table.load(QStringLiteral(":/i18n/quorvel_%1.qm").arg(QLatin1String(language))))
            return QStringLiteral("(no table)");
        return table.translate(nullptr, key);
    }
};

QTEST_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
