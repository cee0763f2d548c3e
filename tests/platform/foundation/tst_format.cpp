#include "platform/foundation/Format.h"
#include "platform/foundation/Log.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <optional>

class tst_Format : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void conversions_data();
    void conversions();
    void logLinesReachTheSink();
};

void tst_Format::conversions_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const std::optional<QString> none;
    const QStringList list{QStringLiteral("a"), QStringLiteral("b c"), QStringLiteral("say \"hi\"")};

    QTest::newRow("absent string prints (null)") << stringWithFormat("selected gps format: %@", none)
                                                 << "selected gps format: (null)";
    QTest::newRow("nullptr prints (null)") << stringWithFormat("%@", nullptr) << "(null)";
    QTest::newRow("present optional") << stringWithFormat("[%@]", std::optional<QString>(QStringLiteral("x"))) << "[x]";
    QTest::newRow("list description") << stringWithFormat("TemplatesArray: %@", list)
                                      << "TemplatesArray: (\n    a,\n    \"b c\",\n    \"say \\\"hi\\\"\"\n)";
    QTest::newRow("empty list") << stringWithFormat("%@", QStringList()) << "()";
    QTest::newRow("non-ascii literal and argument")
        << stringWithFormat("%d° %01.3f' %@", 49, 30.0, QStringLiteral("Staré Město")) << "49° 30.000' Staré Město";
    QTest::newRow("percent sign") << stringWithFormat("100%% of %d", 3) << "100% of 3";
    QTest::newRow("trailing lone percent kept") << stringWithFormat("100%") << "100%";
    QTest::newRow("negative int") << stringWithFormat("%d", -42) << "-42";
    QTest::newRow("width 2 pads with a space") << stringWithFormat("%2d|", 4) << " 4|";
    QTest::newRow("width 2 does not cut") << stringWithFormat("%2d|", 123) << "123|";
    QTest::newRow("zero flag") << stringWithFormat("%03d", 7) << "007";
    QTest::newRow("zero flag with sign") << stringWithFormat("%04d", -7) << "-007";
    QTest::newRow("left flag") << stringWithFormat("%-3d|", 5) << "5  |";
    QTest::newRow("plus flag") << stringWithFormat("%+d %+d", 5, -5) << "+5 -5";
    QTest::newRow("unsigned") << stringWithFormat("%u", 4294967295u) << "4294967295";
    QTest::newRow("long modifier") << stringWithFormat("%ld %lu", 12L, 13UL) << "12 13";
    QTest::newRow("hex") << stringWithFormat("%x %X", 255, 255) << "ff FF";
    QTest::newRow("int min") << stringWithFormat("%d", -2147483647 - 1) << "-2147483648";
    QTest::newRow("three decimals") << stringWithFormat("%01.3f", 30.0) << "30.000";
    QTest::newRow("leading zero kept below one") << stringWithFormat("%01.3f", 0.12) << "0.120";
    QTest::newRow("four decimals negative") << stringWithFormat("%01.4f", -16.25) << "-16.2500";
    QTest::newRow("no decimals rounds up") << stringWithFormat("%.0fm AMSL", 235.6) << "236m AMSL";
    QTest::newRow("no decimals negative") << stringWithFormat("%.0fm AMSL", -3.4) << "-3m AMSL";
    QTest::newRow("negative zero keeps its sign") << stringWithFormat("%.0fm AMSL", -0.4) << "-0m AMSL";
    QTest::newRow("exact tie rounds to even") << stringWithFormat("%.2f", 0.125) << "0.12";
    QTest::newRow("rounding from the exact binary value") << stringWithFormat("%.2f", 2.675) << "2.67";
    QTest::newRow("default precision six") << stringWithFormat("%f", 1.5) << "1.500000";
    QTest::newRow("width on a double") << stringWithFormat("%8.2f|", 3.14159) << "    3.14|";
    QTest::newRow("zero padded double") << stringWithFormat("%08.2f", -3.14159) << "-0003.14";
    QTest::newRow("signed double with plus") << stringWithFormat("<%+.8f,%+.8f>", 50.0875, -14.4213)
                                             << "<+50.08750000,-14.42130000>";
    QTest::newRow("huge double in full") << stringWithFormat("%.1f", 1e20) << "100000000000000000000.0";
    QTest::newRow("nan and infinity") << stringWithFormat("%f %f", std::nan(""), -double(INFINITY)) << "nan -inf";
    QTest::newRow("string precision cuts") << stringWithFormat("%.3@", QStringLiteral("abcdef")) << "abc";
    QTest::newRow("missing argument prints nothing harmful") << stringWithFormat("%d and %@", 1) << "1 and (null)";
    QTest::newRow("unknown conversion kept") << stringWithFormat("%k %d", 2) << "%k 2";
    QTest::newRow("c string") << stringWithFormat("%s/%@", "abc", "def") << "abc/def";
    QTest::newRow("dollar and backslash are plain text") << stringWithFormat("%@", QStringLiteral("$1 \\0")) << "$1 \\0";
}

void tst_Format::conversions()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void tst_Format::logLinesReachTheSink()
{
    LogCapture log;
    NSLog("highlighted row: %d", 2);
    NSLog("%@", QStringLiteral("two\nlines"));
    QCOMPARE(log.lines(), (QStringList{QStringLiteral("highlighted row: 2"), QStringLiteral("two\nlines")}));
}

QTEST_GUILESS_MAIN(tst_Format)
#include "tst_format.moc"
