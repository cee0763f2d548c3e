// The e-mail composer: the message on the wire, refused headers, drafts, the SMTP account
// rules and sendmail.

#include "platform/messaging/MailCompose.h"
#include "platform/messaging/MailSenders.h"
#include "support/SendingHarness.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace Harness;

namespace {

struct Outcome : MailComposeDelegate {
    int calls = 0;
    int result = -1;
    QString error;
    void mailComposeControllerDidFinishWithResult(MailComposeViewController*, int r, const ComposeError* e) override
    {
        ++calls;
        result = r;
        error = e ? e->localizedDescription() : QString();
    }
};

QByteArray bodyOf(const QByteArray& mime)
{
    return mime.mid(mime.indexOf("\r\n\r\n") + 4);
}

// A composer addressed to `to` whose outcome is recorded; send() starts it.
struct Sending {
    explicit Sending(const QString& to)
    {
        composer.setMailComposeDelegate(&outcome);
        composer.setToRecipients({to});
    }
    MailComposeViewController composer;
    Outcome outcome;
};

// A plain-text account on the loopback server at `port`; `more` adds keys or replaces these.
void useLoopbackAccount(quint16 port, const QList<std::pair<QString, QVariant>>& more = {})
{
    writeDeviceSettings(QList<std::pair<QString, QVariant>>{{"mail/server", "127.0.0.1"},
                                                            {"mail/port", port},
                                                            {"mail/security", "none"},
                                                            {"mail/from", "q@example.org"}}
                        + more);
}

} // namespace

class TestMailCompose : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void bodyArrivesAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LF becomes CRLF") << "a\nb" << "a\r\nb\r\n";
        QTest::newRow("CR and CRLF too") << "a\rb\r\nc" << "a\r\nb\r\nc\r\n";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Žluťoučký kůň 49°12′") << QString::fromUtf8("Žluťoučký kůň 49°12′\r\n");
        QTest::newRow("a lone dot line") << "one\n.\ntwo" << "one\r\n.\r\ntwo\r\n";
        QTest::newRow("equals and trailing space") << "a=b \nx\t" << "a=b \r\nx\t\r\n";
        QTest::newRow("long line") << QString(200, u'ř') << QString(200, u'ř') + "\r\n";
    }

    void bodyArrivesAsTyped()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QByteArray encoded = Mime::quotedPrintable(text);
        for (const QByteArray& line : encoded.split('\n')) {
            QVERIFY(line.size() <= 77); // 76 and the CR
            QVERIFY(!line.startsWith('.'));
            QVERIFY(!line.endsWith(" \r") && !line.endsWith("\t\r"));
        }
        for (char c : encoded)
            QVERIFY(static_cast<unsigned char>(c) < 0x80);
        QCOMPARE(QString::fromUtf8(Mime::decodeQuotedPrintable(encoded)), expected);
    }

    void subjectIsEncodedWhenNeeded_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::newRow("ascii") << "Where I am";
        QTest::newRow("czech") << QString::fromUtf8("Kde právě jsem");
        QTest::newRow("long, many words") << QString::fromUtf8("Řeřicha ").repeated(20);
    }

    void subjectIsEncodedWhenNeeded()
    {
        QFETCH(QString, subject);
        const QByteArray header = Mime::encodeHeaderText(subject);
        QString decoded;
        for (const QByteArray& part : header.split('\n')) {
            const QByteArray w = part.trimmed();
            QVERIFY(w.size() <= 75);
            decoded += w.startsWith("=?UTF-8?B?") ? QString::fromUtf8(QByteArray::fromBase64(w.mid(10, w.size() - 12)))
                                                 : QString::fromLatin1(w);
        }
        QCOMPARE(decoded, subject);
    }

    void headerInjectionIsRefused_data()
    {
        QTest::addColumn<QStringList>("to");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("why");
        QTest::newRow("LF in recipient") << QStringList{"a@x\nBcc: evil@x"} << "s" << "recipient";
        QTest::newRow("CR in recipient") << QStringList{"a@x\rBcc: evil@x"} << "s" << "recipient";
        QTest::newRow("NUL in recipient") << QStringList{QString::fromLatin1("a@x\0b", 5)} << "s" << "recipient";
        QTest::newRow("CRLF in subject") << QStringList{"a@x"} << "hi\r\nBcc: evil@x" << "subject";
    }

    void headerInjectionIsRefused()
    {
        QFETCH(QStringList, to);
        QFETCH(QString, subject);
        QFETCH(QString, why);
        auto state = std::make_shared<FakeMailSender::State>();
        QTemporaryDir drafts;
        for (const char* button : {"sendButton", "saveButton"}) {
            MailComposeViewController composer(std::make_unique<FakeMailSender>(state), drafts.path());
            Outcome outcome;
            composer.setMailComposeDelegate(&outcome);
            composer.setSubject(subject);
            // A pasted line break survives in a line edit, so the fields can hold them too.
            composer.findChild<QLineEdit*>(QStringLiteral("to"))->setText(to.join(u','));
            composer.findChild<QLineEdit*>(QStringLiteral("subject"))->setText(subject);
            MailMessage m;
            m.to = to;
            m.subject = subject;
            QVERIFY(m.problem().contains(why));
            QVERIFY(m.problem().contains(QStringLiteral("line break or NUL")));
            QCOMPARE(composer.toRecipients(), to);
            QCOMPARE(composer.subject(), subject);
            composer.findChild<QPushButton*>(QString::fromLatin1(button))->click();
            QCOMPARE(outcome.calls, 1);
            QCOMPARE(outcome.result, int(MFMailComposeResultFailed));
            QVERIFY(outcome.error.contains(QStringLiteral("line break or NUL")));
        }
        QVERIFY(state->sent.isEmpty());
        QVERIFY(QDir(drafts.path()).entryList(QDir::Files).isEmpty());
    }

    void recipientsMustBeMailboxes_data()
    {
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("envelope"); // empty: refused
        QTest::newRow("plain") << "mum@example.org" << "mum@example.org";
        QTest::newRow("with a name") << "Mum <mum@example.org>" << "mum@example.org";
        QTest::newRow("quoted name with comma") << "\"Doe, Jane\" <jane@example.org>" << "jane@example.org";
        QTest::newRow("sub-address and single-label host") << "a.b+tag@x" << "a.b+tag@x";
        QTest::newRow("quoted local part") << "\"a b\"@example.org" << "\"a b\"@example.org";
        QTest::newRow("address literal") << "root@[IPv6:::1]" << "root@[IPv6:::1]";
        QTest::newRow("international host") << QString::fromUtf8("jan@příklad.cz") << QString::fromUtf8("jan@příklad.cz");
        QTest::newRow("SMTP parameters after the address")
            << "mum@example.org> NOTIFY=SUCCESS,FAILURE ORCPT=rfc822;spy@evil.example" << "";
        QTest::newRow("parameters inside the brackets") << "Mum <mum@example.org> NOTIFY=SUCCESS>" << "";
        QTest::newRow("blank in the address") << "mum @example.org" << "";
        QTest::newRow("two at signs") << "a@b@example.org" << "";
        QTest::newRow("no host") << "mum@" << "";
        QTest::newRow("no local part") << "@example.org" << "";
        QTest::newRow("no at sign") << "mum" << "";
        QTest::newRow("leading dot") << ".mum@example.org" << "";
        QTest::newRow("double dot") << "m..um@example.org" << "";
        QTest::newRow("hyphen ends a label") << "mum@example-.org" << "";
        QTest::newRow("local part over 64") << QString(65, u'a') + "@example.org" << "";
        QTest::newRow("tab in the name") << "Mu\tm <mum@example.org>" << "";
        QTest::newRow("bad address literal") << "root@[999.1.1.1]" << "";
    }

    void recipientsMustBeMailboxes()
    {
        QFETCH(QString, recipient);
        QFETCH(QString, envelope);
        MailMessage m;
        m.fromAddress = QStringLiteral("q@example.org");
        m.to = QStringList{recipient};
        if (envelope.isEmpty()) {
            QVERIFY2(m.problem().contains(QStringLiteral("is not an e-mail address")), qPrintable(m.problem()));
            QVERIFY(m.envelopeRecipients().isEmpty());
        } else {
            QVERIFY2(m.problem().isEmpty(), qPrintable(m.problem()));
            QCOMPARE(m.envelopeRecipients(), QStringList{envelope});
        }
    }

    void senderNameCannotForgeTheFromLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("from");
        QTest::newRow("atoms") << "Eve Boss" << QByteArray("From: Eve Boss <eve@corp.example>");
        QTest::newRow("comma and brackets") << "Eve, Boss <boss@corp.example>"
                                            << QByteArray("From: \"Eve, Boss <boss@corp.example>\" <eve@corp.example>");
        QTest::newRow("quote and backslash") << "a\"b\\c" << QByteArray("From: \"a\\\"b\\\\c\" <eve@corp.example>");
        QTest::newRow("non-ASCII") << QString::fromUtf8("Éva") << QByteArray("From: =?UTF-8?B?w4l2YQ==?= <eve@corp.example>");
    }

    void senderNameCannotForgeTheFromLine()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, from);
        MailMessage m;
        m.fromAddress = QStringLiteral("eve@corp.example");
        m.fromName = name;
        m.to = QStringList{QStringLiteral("a@example.org")};
        QVERIFY(m.problem().isEmpty());
        const QByteArray mime = m.toMime(QDateTime::currentDateTime(), QStringLiteral("id@x"));
        QVERIFY2(mime.contains("\r\n" + from + "\r\n"), mime.constData());
    }

    void longHeaderLinesAreFolded_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::newRow("many words") << QStringLiteral("where I am ").repeated(300).trimmed();
        QTest::newRow("one word") << QString(3000, u'x');
        QTest::newRow("just fits") << QString(998 - 9, u'y');
    }

    void longHeaderLinesAreFolded()
    {
        QFETCH(QString, subject);
        MailMessage m;
        m.to = QStringList{QStringLiteral("a@example.org")};
        m.subject = subject;
        const QByteArray mime = m.toMime(QDateTime::currentDateTime(), QStringLiteral("id@x"));
        const QByteArray head = mime.left(mime.indexOf("\r\n\r\n"));
        for (const QByteArray& line : head.split('\n'))
            QVERIFY2(line.size() <= 999, qPrintable(QString::number(line.size()))); // 998 and the CR
        // Unfolded and decoded, the subject is as typed.
        const qsizetype start = head.indexOf("Subject: ") + 9;
        QByteArray value = head.mid(start, head.indexOf("\r\nMessage-ID") - start);
        QString decoded;
        if (value.startsWith("=?")) {
            for (const QByteArray& w : value.split('\n'))
                decoded += QString::fromUtf8(QByteArray::fromBase64(w.trimmed().mid(10, w.trimmed().size() - 12)));
        } else {
            decoded = QString::fromLatin1(value.replace("\r\n", ""));
        }
        QCOMPARE(decoded, subject);
    }

    // Whoever calls a sender, a recipient that is not a mailbox never leaves the machine.
    void sendersRefuseWhatIsNotAMailbox_data()
    {
        QTest::addColumn<QString>("transport");
        QTest::newRow("smtp") << "smtp";
        QTest::newRow("sendmail") << "sendmail";
    }

    void sendersRefuseWhatIsNotAMailbox()
    {
        QFETCH(QString, transport);
        QTemporaryDir dir;
        const QString stub = dir.filePath(QStringLiteral("sendmail"));
        QFile f(stub);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\ntouch \"$0.ran\"\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        SmtpServer server;
        QVERIFY(server.start());
        SmtpAccount account;
        account.server = QStringLiteral("127.0.0.1");
        account.port = server.port;
        account.security = QStringLiteral("none");
        account.fromAddress = QStringLiteral("q@example.org");
        std::unique_ptr<MailSender> sender;
        if (transport == QLatin1String("smtp"))
            sender = std::make_unique<SmtpSender>(account);
        else
            sender = std::make_unique<SendmailSender>(stub, QStringLiteral("q@example.org"), QString(), 10000);
        MailMessage m;
        m.fromAddress = QStringLiteral("q@example.org");
        m.to = QStringList{QStringLiteral("mum@example.org> NOTIFY=SUCCESS ORCPT=rfc822;spy@evil.example")};
        m.body = QStringLiteral("x");
        int calls = 0;
        QString error;
        sender->send(m, [&](bool sent, const QString& why) {
            ++calls;
            QVERIFY(!sent);
            error = why;
        });
        QCOMPARE(calls, 0); // never inside the call
        QTRY_COMPARE(calls, 1);
        QVERIFY2(error.contains(QStringLiteral("not an e-mail address")), qPrintable(error));
        QTest::qWait(200);
        QVERIFY(server.messages().isEmpty());
        QVERIFY(!QFile::exists(stub + QStringLiteral(".ran")));
    }

    void onlyTheAddressReachesTheServer()
    {
        SmtpServer server;
        QVERIFY(server.start());
        useLoopbackAccount(server.port, {{"mail/from", "boss@corp.example"}, {"mail/name", "Eve, Boss"}});
        {
            Sending refused(QStringLiteral("mum@example.org> NOTIFY=SUCCESS,FAILURE ORCPT=rfc822;spy@evil.example"));
            auto& [composer, outcome] = refused;
            composer.send();
            QCOMPARE(outcome.calls, 1);
            QCOMPARE(outcome.result, int(MFMailComposeResultFailed));
            QVERIFY2(outcome.error.contains(QStringLiteral("not an e-mail address")), qPrintable(outcome.error));
        }
        Sending sending(QStringLiteral("Mum <mum@example.org>"));
        auto& [composer, outcome] = sending;
        composer.send();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 20000);
        QVERIFY2(outcome.result == MFMailComposeResultSent, qPrintable(outcome.error));
        const QList<QJsonObject> messages = server.messages();
        QCOMPARE(messages.size(), 1); // the refused one never reached the server
        QCOMPARE(messages.first().value(QStringLiteral("to")).toArray(), QJsonArray{QStringLiteral("mum@example.org")});
        const QString data = messages.first().value(QStringLiteral("data")).toString();
        QVERIFY2(data.contains(QStringLiteral("\r\nFrom: \"Eve, Boss\" <boss@corp.example>\r\n")), qPrintable(data));
        QVERIFY(data.contains(QStringLiteral("\r\nTo: Mum <mum@example.org>\r\n")));
    }

    void saveWritesADraft()
    {
        QTemporaryDir drafts;
        MailComposeViewController composer(std::make_unique<FakeMailSender>(std::make_shared<FakeMailSender::State>()),
                                           drafts.path() + QStringLiteral("/sub"));
        Outcome outcome;
        composer.setMailComposeDelegate(&outcome);
        composer.setToRecipients({QStringLiteral("a@example.org")});
        composer.setSubject(QString::fromUtf8("Kde jsem"));
        composer.setMessageBody(QString::fromUtf8("Tady ☺"), false);
        composer.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
        QCOMPARE(outcome.result, int(MFMailComposeResultSaved));
        QCOMPARE(outcome.calls, 1);
        QFile file(composer.savedDraftPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.fileName().endsWith(QStringLiteral(".eml")));
        // A draft holds the position and the recipients: the user's alone, whatever the umask.
        QCOMPARE(file.permissions() & 0x7777, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ReadUser | QFileDevice::WriteUser);
        QCOMPARE(QFileInfo(drafts.path() + QStringLiteral("/sub")).permissions() & 0x7777,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser
                     | QFileDevice::WriteUser | QFileDevice::ExeUser);
        const QByteArray mime = file.readAll();
        QVERIFY(mime.contains("To: a@example.org\r\n"));
        QVERIFY(mime.contains("X-Unsent: 1\r\n"));
        QCOMPARE(QString::fromUtf8(Mime::decodeQuotedPrintable(bodyOf(mime))), QString::fromUtf8("Tady ☺\r\n"));
        // Only one outcome: a later cancel does nothing.
        composer.reject();
        QCOMPARE(outcome.calls, 1);
    }

    void accountRules_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("security");
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QString>("url");
        QTest::newRow("starttls default port") << "mail.example.org" << "starttls" << "a@x" << true
                                               << "smtp://mail.example.org:587";
        QTest::newRow("implicit tls") << "mail.example.org" << "tls" << "a@x" << true << "smtps://mail.example.org:465";
        QTest::newRow("plain text off loopback refused") << "mail.example.org" << "none" << "a@x" << false << "";
        QTest::newRow("plain text on loopback") << "127.0.0.1" << "none" << "a@x" << true << "smtp://127.0.0.1:25";
        QTest::newRow("plain text on ::1") << "::1" << "none" << "a@x" << true << "smtp://[::1]:25";
        QTest::newRow("unknown security") << "mail.example.org" << "ssl3" << "a@x" << false << "";
        QTest::newRow("no sender") << "mail.example.org" << "tls" << "" << false << "";
        QTest::newRow("no server") << "" << "tls" << "a@x" << false << "";
    }

    void accountRules()
    {
        QFETCH(QString, server);
        QFETCH(QString, security);
        QFETCH(QString, from);
        QFETCH(bool, usable);
        QFETCH(QString, url);
        SmtpAccount a;
        a.server = server;
        a.security = security;
        a.fromAddress = from;
        QCOMPARE(a.problem().isEmpty(), usable);
        if (usable)
            QCOMPARE(a.url(), url);
        writeDeviceSettings({{"mail/server", server}, {"mail/security", security}, {"mail/from", from}});
        QCOMPARE(MailComposeViewController::canSendMail(), usable);
    }

    void deviceSettingsValues_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QByteArray("password=abc") << "abc";
        QTest::newRow("quoted, with comma, semicolon and backslash") << QByteArray("password=\"p,a;s\\\\s\"")
                                                                     << "p,a;s\\s";
        QTest::newRow("unquoted comma") << QByteArray("password=a,b") << "a,b";
        QTest::newRow("UTF-8") << QByteArray("password=\xC5\xBEluva") << QString::fromUtf8("žluva");
    }

    void deviceSettingsValues()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, value);
        QDir().mkpath(QFileInfo(DeviceSettings::path()).absolutePath());
        QFile f(DeviceSettings::path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[mail]\n" + line + "\n");
        f.close();
        QCOMPARE(DeviceSettings::value(QStringLiteral("mail"), QStringLiteral("password")), value);
    }

    void passwordNeverLogged()
    {
        SmtpServer server;
        QVERIFY(server.start({QStringLiteral("--auth"), QStringLiteral("quorvel"), QStringLiteral("s3cret-Pa55")}));
        LogCapture log;
        for (const QString& password : {QStringLiteral("wrong-Pa55"), QStringLiteral("s3cret-Pa55")}) {
            useLoopbackAccount(server.port, {{"mail/user", "quorvel"}, {"mail/password", password}});
            Sending sending(QStringLiteral("b@example.org"));
            auto& [composer, outcome] = sending;
            composer.send();
            QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 20000);
            const bool right = password.startsWith(u's');
            QCOMPARE(outcome.result, right ? int(MFMailComposeResultSent) : int(MFMailComposeResultFailed));
            QVERIFY(!outcome.error.contains(password));
        }
        QCOMPARE(server.messages().size(), 1);
        QVERIFY(!log.lines().isEmpty());
        for (const QString& line : log.lines())
            QVERIFY2(!line.contains(QStringLiteral("Pa55")), qPrintable(line));
    }

    void starttls_data()
    {
        QTest::addColumn<QString>("security");
        QTest::addColumn<bool>("trustCertificate");
        QTest::addColumn<int>("result");
        QTest::newRow("starttls with the server's certificate trusted") << "starttls" << true << int(MFMailComposeResultSent);
        QTest::newRow("an untrusted certificate is refused") << "starttls" << false << int(MFMailComposeResultFailed);
        QTest::newRow("plain text where the server wants TLS") << "none" << true << int(MFMailComposeResultFailed);
    }

    void starttls()
    {
        QFETCH(QString, security);
        QFETCH(bool, trustCertificate);
        QFETCH(int, result);
        QTemporaryDir keys;
        const QString cert = keys.filePath(QStringLiteral("cert.pem"));
        const QString key = keys.filePath(QStringLiteral("key.pem"));
        QProcess openssl;
        openssl.setStandardOutputFile(QProcess::nullDevice());
        openssl.setStandardErrorFile(QProcess::nullDevice());
        openssl.start(QStringLiteral("openssl"), {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out",
                                                  cert, "-days", "2", "-subj", "/CN=localhost", "-addext",
                                                  "subjectAltName=DNS:localhost,IP:127.0.0.1"});
        QVERIFY(openssl.waitForFinished(30000));
        QCOMPARE(openssl.exitCode(), 0);
        SmtpServer server;
        QVERIFY(server.start({QStringLiteral("--starttls"), cert, key}));
        useLoopbackAccount(server.port, {{"mail/security", security}, {"mail/cafile", trustCertificate ? cert : QString()}});
        Sending sending(QStringLiteral("b@example.org"));
        auto& [composer, outcome] = sending;
        composer.send();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 20000);
        QVERIFY2(outcome.result == result, qPrintable(outcome.error));
        QCOMPARE(server.messages().size(), result == MFMailComposeResultSent ? 1 : 0);
    }

    void cancelWhileSendingReportsCancelled()
    {
        // A server that accepts the connection and never answers.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        useLoopbackAccount(silent.serverPort());
        Sending sending(QStringLiteral("b@example.org"));
        auto& [composer, outcome] = sending;
        composer.send();
        QVERIFY(composer.isSending());
        QTest::qWait(200);
        composer.reject();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 5000);
        QCOMPARE(outcome.result, int(MFMailComposeResultCancelled));
    }

    void silentServerTimesOut()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        useLoopbackAccount(silent.serverPort(), {{"mail/timeout", 2}});
        Sending sending(QStringLiteral("b@example.org"));
        auto& [composer, outcome] = sending;
        QElapsedTimer t;
        t.start();
        composer.send();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 10000);
        QVERIFY(t.elapsed() < 5000);
        QCOMPARE(outcome.result, int(MFMailComposeResultFailed));
        QVERIFY2(outcome.error.contains(QStringLiteral("did not answer in time")), qPrintable(outcome.error));
    }

    void sendmail_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("result");
        QTest::newRow("accepted") << 0 << int(MFMailComposeResultSent);
        QTest::newRow("refused") << 75 << int(MFMailComposeResultFailed);
    }

    void sendmail()
    {
        QFETCH(int, exitCode);
        QFETCH(int, result);
        QTemporaryDir dir;
        const QString stub = dir.filePath(QStringLiteral("sendmail"));
        QFile f(stub);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\ncat > \"$0.mail\"\n"
                               "[ %1 -eq 0 ] || echo 'queue full' >&2\nexit %1\n")
                    .arg(exitCode)
                    .toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeDeviceSettings({{"mail/transport", "sendmail"}, {"mail/sendmail", stub}, {"mail/from", "q@example.org"}});
        QVERIFY(MailComposeViewController::canSendMail());
        Sending sending(QStringLiteral("b@example.org"));
        auto& [composer, outcome] = sending;
        composer.setMessageBody(QStringLiteral("x\n.\ny"), false);
        composer.send();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 10000);
        QCOMPARE(outcome.result, result);
        QFile args(stub + QStringLiteral(".args"));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll(), QByteArray("-t\n-i\n"));
        if (exitCode != 0)
            QCOMPARE(outcome.error, QStringLiteral("queue full"));
        QFile mail(stub + QStringLiteral(".mail"));
        QVERIFY(mail.open(QIODevice::ReadOnly));
        QVERIFY(mail.readAll().contains("To: b@example.org\r\n"));
    }
};

QTEST_MAIN(TestMailCompose)
#include "tst_mailcompose.moc"
