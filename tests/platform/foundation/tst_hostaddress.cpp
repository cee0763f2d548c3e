// Numeric host addresses as the mail checks and the test suite's network policy read them.

#include "platform/foundation/HostAddress.h"

#include <QtTest>

using Family = HostAddress::Family;
Q_DECLARE_METATYPE(HostAddress::Family)

class tst_HostAddress : public QObject {
    Q_OBJECT
private slots:
    void addresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Family>("family");
        QTest::addColumn<bool>("loopback");
        QTest::newRow("localhost") << "localhost" << Family::None << true;
        QTest::newRow("LOCALHOST") << "LOCALHOST" << Family::None << true;
        QTest::newRow("a name") << "mail.example.org" << Family::None << false;
        QTest::newRow("a name under localhost") << "localhost.example.org" << Family::None << false;
        QTest::newRow("IPv4 loopback") << "127.0.0.1" << Family::IPv4 << true;
        QTest::newRow("elsewhere in 127/8") << "127.200.3.4" << Family::IPv4 << true;
        QTest::newRow("IPv4 elsewhere") << "192.0.2.1" << Family::IPv4 << false;
        QTest::newRow("128.0.0.1 is not loopback") << "128.0.0.1" << Family::IPv4 << false;
        QTest::newRow("short form: no literal, but the resolver's loopback") << "127.1" << Family::None << true;
        QTest::newRow("short form elsewhere") << "10.1" << Family::None << false;
        QTest::newRow("leading zeros") << "010.001.002.003" << Family::IPv4 << false;
        QTest::newRow("an octet too large") << "256.1.1.1" << Family::None << false;
        QTest::newRow("five octets") << "1.2.3.4.5" << Family::None << false;
        QTest::newRow("IPv6 loopback") << "::1" << Family::IPv6 << true;
        QTest::newRow("IPv6 written out") << "0:0:0:0:0:0:0:1" << Family::IPv6 << true;
        QTest::newRow("IPv6 elsewhere") << "2001:db8::1" << Family::IPv6 << false;
        QTest::newRow("IPv4-mapped loopback") << "::ffff:127.0.0.1" << Family::IPv6 << true;
        QTest::newRow("IPv4-mapped elsewhere") << "::ffff:192.0.2.1" << Family::IPv6 << false;
        QTest::newRow("brackets are not part of it") << "[::1]" << Family::None << false;
        QTest::newRow("blanks around") << " 127.0.0.1\t" << Family::IPv4 << true;
        QTest::newRow("something after a blank") << "127.0.0.1 x" << Family::None << false;
        QTest::newRow("hex in a quad: no literal, the resolver's loopback") << "127.0.0.0x1" << Family::None << true;
        QTest::newRow("hex short form: the resolver's loopback") << "0x7f.1" << Family::None << true;
        QTest::newRow("a name that starts like an address") << "127.0.0.1.example.org" << Family::None << false;
        QTest::newRow("IPv6 with a scope is no literal") << "fe80::1%eth0" << Family::None << false;
        QTest::newRow("IPv4-mapped short form") << "::ffff:127.1" << Family::None << false;
        QTest::newRow("empty") << "" << Family::None << false;
        QTest::newRow("not Latin-1") << QString::fromUtf8("127.0.0.\u0661") << Family::None << false;
    }

    void addresses()
    {
        QFETCH(QString, text);
        QFETCH(Family, family);
        QFETCH(bool, loopback);
        QCOMPARE(HostAddress::family(text), family);
        QCOMPARE(HostAddress::isLoopback(text), loopback);
    }
};

QTEST_APPLESS_MAIN(tst_HostAddress)
#include "tst_hostaddress.moc"
