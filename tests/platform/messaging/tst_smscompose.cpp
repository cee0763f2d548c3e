// The SMS composer and its two senders: ModemManager on a private bus, KDE Connect's
// command-line client as a stub script.

#include "platform/messaging/MessageCompose.h"
#include "platform/messaging/SmsSenders.h"
#include "support/SendingHarness.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QLabel>
#include <QtTest>
#include <optional>

using namespace Harness;

namespace {

struct Outcome : MessageComposeViewControllerDelegate {
    QList<int> results;
    void messageComposeViewControllerDidFinishWithResult(MessageComposeViewController*, int result) override
    {
        results.append(result);
    }
};

// kdeconnect-cli as a script: lists `devices`, records the arguments of a send, exits `code`.
QString writeKdeConnectStub(const QTemporaryDir& dir, const QString& devices, int code)
{
    const QString path = dir.filePath(QStringLiteral("kdeconnect-cli"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QStringLiteral("#!/bin/sh\n"
                           "if [ \"$1\" = --list-available ]; then printf '%1'; exit 0; fi\n"
                           "for a in \"$@\"; do printf '%s\\0' \"$a\"; done >> \"$0.args\"\n"
                           "[ %2 -eq 0 ] || echo 'device refused' >&2\n"
                           "exit %2\n")
                .arg(devices)
                .arg(code)
                .toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

class TestSmsCompose : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void modemManager_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("sent, then removed from the modem")
            << "ok" << 30 << int(MessageComposeResultSent) << QStringList{"Create", "Send", "Delete"};
        QTest::newRow("create fails") << "fail-create" << 30 << int(MessageComposeResultFailed) << QStringList{"Create"};
        QTest::newRow("send fails") << "fail-send" << 30 << int(MessageComposeResultFailed)
                                    << QStringList{"Create", "Send"};
        QTest::newRow("never reaches sent: time-out") << "stuck" << 1 << int(MessageComposeResultFailed)
                                                      << QStringList{"Create", "Send"};
        QTest::newRow("create answers a string, not a path") << "create-wrong" << 30 << int(MessageComposeResultFailed)
                                                             << QStringList{"Create"};
        QTest::newRow("state answered as a string") << "state-wrong" << 30 << int(MessageComposeResultFailed)
                                                    << QStringList{"Create", "Send"};
    }

    void modemManager()
    {
        QFETCH(QString, mode);
        QFETCH(int, timeout);
        QFETCH(int, result);
        QFETCH(QStringList, calls);
        ModemBus bus;
        QVERIFY(bus.start(mode));
        writeDeviceSettings({{"sms/sender", "modemmanager"}, {"sms/bus", bus.address}, {"sms/timeout", timeout}});
        QVERIFY(MessageComposeViewController::canSendText());
        MessageComposeViewController composer;
        Outcome outcome;
        composer.setMessageComposeDelegate(&outcome);
        composer.setRecipients({QStringLiteral("+420777000111")});
        const QString text = QString::fromUtf8("Jsem tady: 49°11′ \"; rm -rf ~\n2. řádek");
        composer.setBody(text);
        composer.findChild<QPushButton*>(QStringLiteral("sendButton"))->click();
        QVERIFY(composer.isSending());
        QTRY_COMPARE_WITH_TIMEOUT(outcome.results.size(), 1, 15000);
        QCOMPARE(outcome.results.at(0), result);
        QTRY_COMPARE_WITH_TIMEOUT(bus.calls().size(), calls.size(), 3000);
        QStringList got;
        for (const QJsonObject& c : bus.calls())
            got.append(c.value("call").toString());
        QCOMPARE(got, calls);
        const QJsonObject props = bus.calls().at(0).value("properties").toObject();
        QCOMPARE(props.value("number").toString(), QStringLiteral("+420777000111"));
        QCOMPARE(props.value("text").toString(), text);
        QTest::qWait(100);
        QCOMPARE(outcome.results.size(), 1);
    }

    // The modem list as ModemManager, or whoever owns its name on a custom bus, may answer it.
    void modemListAnswers_data()
    {
        QTest::addColumn<QString>("mode");
        // Part of the failure's message; empty when the modem is found.
        QTest::addColumn<QString>("said");
        QTest::newRow("a map of variants") << "list-a{sv}" << "(a{sv})";
        QTest::newRow("a string") << "list-s" << "(s)";
        QTest::newRow("interfaces without properties") << "list-a{oa{sv}}" << "(a{oa{sv}})";
        QTest::newRow("nothing") << "list-" << "()";
        QTest::newRow("an error") << "list-error" << "Modem list unavailable";
        QTest::newRow("no answer") << "list-silent" << "did not list the modems";
        QTest::newRow("20,000 modems") << "list-huge" << "";
    }

    void modemListAnswers()
    {
        QFETCH(QString, mode);
        QFETCH(QString, said);
        ModemBus bus;
        QVERIFY(bus.start(mode));
        ModemManagerOptions options;
        options.busAddress = bus.address;
        ModemManagerSender sender(options);
        std::optional<QStringList> listed;
        sender.listModems([&listed](const QStringList& modems) { listed = modems; });
        QTRY_VERIFY_WITH_TIMEOUT(listed.has_value(), 10000);
        const QString found = sender.findModem();
        if (said.isEmpty()) {
            QCOMPARE(found, QStringLiteral("/org/freedesktop/ModemManager1/Modem/0"));
            QVERIFY(listed->contains(found));
            QVERIFY(listed->size() <= 64);
            return;
        }
        QVERIFY(found.isEmpty());
        QVERIFY(listed->isEmpty());
        std::optional<QString> error;
        sender.send(QStringLiteral("112"), QStringLiteral("x"), [&error](bool sent, const QString& why) {
            QVERIFY(!sent);
            error = why;
        });
        QTRY_VERIFY_WITH_TIMEOUT(error.has_value(), 10000);
        QVERIFY2(error->contains(said), qPrintable(*error));
        QVERIFY(bus.calls().isEmpty());
    }

    void noModemMeansNoSender()
    {
        ModemBus bus;
        QVERIFY(bus.start(QStringLiteral("no-modem")));
        writeDeviceSettings({{"sms/sender", "modemmanager"}, {"sms/bus", bus.address}});
        QVERIFY(!MessageComposeViewController::canSendText());
        writeDeviceSettings({{"sms/sender", "modemmanager"}, {"sms/bus", "unix:path=/nonexistent/bus"}});
        QVERIFY(!MessageComposeViewController::canSendText());
        writeDeviceSettings({});
        QVERIFY(!MessageComposeViewController::canSendText());
    }

    void kdeConnect_data()
    {
        QTest::addColumn<QString>("devices");
        QTest::addColumn<QString>("configuredDevice");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("available");
        QTest::addColumn<int>("result");
        QTest::newRow("first reachable device") << "phone1\nphone2\n" << "" << 0 << true << int(MessageComposeResultSent);
        QTest::newRow("the configured device") << "phone1\nphone2\n" << "phone2" << 0 << true
                                               << int(MessageComposeResultSent);
        QTest::newRow("configured device not reachable") << "phone1\n" << "phone9" << 0 << false << -1;
        QTest::newRow("nothing paired") << "" << "" << 0 << false << -1;
        QTest::newRow("the phone refuses") << "phone1\n" << "" << 1 << true << int(MessageComposeResultFailed);
    }

    void kdeConnect()
    {
        QFETCH(QString, devices);
        QFETCH(QString, configuredDevice);
        QFETCH(int, code);
        QFETCH(bool, available);
        QFETCH(int, result);
        QTemporaryDir dir;
        const QString stub = writeKdeConnectStub(dir, devices, code);
        writeDeviceSettings({{"sms/sender", "kdeconnect"}, {"sms/program", stub}, {"sms/device", configuredDevice}});
        QCOMPARE(MessageComposeViewController::canSendText(), available);
        if (!available)
            return;
        MessageComposeViewController composer;
        Outcome outcome;
        composer.setMessageComposeDelegate(&outcome);
        composer.setRecipients({QStringLiteral("+420 1"), QStringLiteral("+420 2")});
        // Shell metacharacters must arrive as text, since no shell is involved.
        const QString text = QStringLiteral("a $(touch x) `id` ; b\n'c' \"d\"");
        composer.setBody(text);
        composer.send();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.results.size(), 1, 10000);
        QCOMPARE(outcome.results.at(0), result);
        QFile args(stub + QStringLiteral(".args"));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QList<QByteArray> got = args.readAll().split('\0');
        got.removeLast();
        const QByteArray device = (configuredDevice.isEmpty() ? QStringLiteral("phone1") : configuredDevice).toUtf8();
        QList<QByteArray> expected{"--send-sms", text.toUtf8(), "--destination", "+420 1", "--device", device};
        if (code == 0)
            expected += QList<QByteArray>{"--send-sms", text.toUtf8(), "--destination", "+420 2", "--device", device};
        QCOMPARE(got, expected);
        QVERIFY(!QFile::exists(QStringLiteral("x")));
    }

    // A contact's number shown in the status while sending must not pass for our own words.
    void statusShowsRecipientsAsTyped()
    {
        QTemporaryDir dir;
        const QString hostile = hostileMarkup(dir.path());
        const QString stub = writeKdeConnectStub(dir, QStringLiteral("phone1\n"), 0);
        writeDeviceSettings({{"sms/sender", "kdeconnect"}, {"sms/program", stub}});
        MessageComposeViewController composer;
        composer.resize(360, 480);
        composer.setRecipients({hostile});
        composer.setBody(QStringLiteral("hello"));
        composer.send();
        auto* status = composer.findChild<QLabel*>(QStringLiteral("status"));
        QVERIFY(status);
        QVERIFY2(status->text().contains(hostile), qPrintable(status->text()));
        QVERIFY(drawsAsPlainText(status));
    }

    void cancelBeforeSending()
    {
        auto state = std::make_shared<FakeSmsSender::State>();
        MessageComposeViewController composer(std::make_unique<FakeSmsSender>(state));
        Outcome outcome;
        composer.setMessageComposeDelegate(&outcome);
        composer.setRecipients({QStringLiteral("1")});
        composer.setBody(QStringLiteral("x"));
        QTest::keyClick(&composer, Qt::Key_Escape);
        composer.send();
        QCOMPARE(outcome.results, QList<int>{MessageComposeResultCancelled});
        QVERIFY(state->sent.isEmpty());
    }

    void sendNeedsRecipientAndText_data()
    {
        QTest::addColumn<QStringList>("recipients");
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("enabled");
        // What the list under the field must show: every recipient in full, or the refusal.
        QTest::addColumn<QString>("shown");
        QTest::newRow("both") << QStringList{"1"} << "x" << true << "1";
        QTest::newRow("spaces only recipient") << QStringList{"  "} << "x" << false << "";
        QTest::newRow("empty body") << QStringList{"1"} << "" << false << "1";
        QTest::newRow("a comma after many blanks: two recipients, both shown")
            << QStringList{QStringLiteral("+1 900 555 0199") + QString(120, u' ') + QStringLiteral(", +420 601 123 456")}
            << "x" << true << "+1 900 555 0199\n+420 601 123 456";
        QTest::newRow("right-to-left override") << QStringList{QString::fromUtf8("+420 601\u202e123")} << "x" << false
                                                << "U+202E";
        QTest::newRow("100,000 digits: cut by the field, refused") << QStringList{QString(100000, u'7')} << "x" << false
                                                                    << "were cut";
        QTest::newRow("sixteen digits") << QStringList{"+420 601 123 456 7890"} << "x" << false << "16 digits";
        QTest::newRow("one bad among good ones") << QStringList{"112", "call me"} << "x" << false << "U+0063";
    }

    void sendNeedsRecipientAndText()
    {
        QFETCH(QStringList, recipients);
        QFETCH(QString, body);
        QFETCH(bool, enabled);
        QFETCH(QString, shown);
        auto state = std::make_shared<FakeSmsSender::State>();
        MessageComposeViewController composer(std::make_unique<FakeSmsSender>(state));
        composer.setRecipients(recipients);
        composer.setBody(body);
        QCOMPARE(composer.findChild<QPushButton*>(QStringLiteral("sendButton"))->isEnabled(), enabled);
        auto* list = composer.findChild<QLabel*>(QStringLiteral("recipientList"));
        QVERIFY(list);
        QVERIFY2(list->text().contains(shown), qPrintable(list->text()));
        composer.send();
        QCOMPARE(state->sent.isEmpty(), !enabled);
    }
};

QTEST_MAIN(TestSmsCompose)
#include "tst_smscompose.moc"
