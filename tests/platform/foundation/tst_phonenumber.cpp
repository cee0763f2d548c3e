// Which values are phone numbers, and what the refusal names.

#include "platform/foundation/PhoneNumber.h"

#include <QtTest>

class tst_PhoneNumber : public QObject {
    Q_OBJECT
private slots:
    void problem_data()
    {
        QTest::addColumn<QString>("number");
        // Empty: accepted; else a part the message must hold.
        QTest::addColumn<QString>("named");
        QTest::newRow("international, with separators") << "+1 (900) 555-01.99" << "";
        QTest::newRow("blanks around ignored") << "  112 \t" << "";
        QTest::newRow("no-break spaces and slashes") << QString::fromUtf8("0601\u00a0123/456") << "";
        QTest::newRow("fifteen digits") << "+123456789012345" << "";
        QTest::newRow("hidden second recipient")
            << QStringLiteral("+1 900 555 0199") + QString(120, u' ') + QStringLiteral(", +420 601 123 456")
            << QString::fromUtf8("\u201c,\u201d (U+002C)");
        QTest::newRow("semicolon") << "123;456" << "U+003B";
        QTest::newRow("line break") << "123\n456" << "U+000A";
        QTest::newRow("right-to-left override") << QString::fromUtf8("123\u202e654") << "U+202E";
        QTest::newRow("plus inside") << "12+34" << "U+002B";
        QTest::newRow("second leading plus") << "++12" << "U+002B";
        QTest::newRow("letters") << "1-800-FLOWERS" << "U+0046";
        QTest::newRow("outside the basic plane") << QString::fromUtf8("12\U0001F600") << "U+1F600";
        QTest::newRow("only blanks") << "      " << "empty";
        QTest::newRow("only separators") << "+ ( ) -" << "no digits";
        QTest::newRow("sixteen digits") << "1234567890123456" << "16 digits";
        QTest::newRow("100,000 digits") << QString(100000, u'9') << "100000 digits";
        QTest::newRow("too long with blanks") << QStringLiteral("1") + QString(40, u' ') + QStringLiteral("2")
                                              << "42 characters";
    }

    void problem()
    {
        QFETCH(QString, number);
        QFETCH(QString, named);
        const QString why = PhoneNumber::problem(number);
        if (named.isEmpty())
            QVERIFY2(why.isEmpty(), qPrintable(why));
        else
            QVERIFY2(why.contains(named), qPrintable(why));
    }
};

QTEST_GUILESS_MAIN(tst_PhoneNumber)
#include "tst_phonenumber.moc"
