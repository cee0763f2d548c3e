// The Secret Service keyring through qtkeychain, against a real gnome-keyring-daemon on a
// private bus: stored, read back, replaced, removed; locked; and no service at all.

#include "platform/foundation/Keyring.h"
#include "support/SessionBus.h"
#include "support/TestSupport.h"

#include <QDBusInterface>
#include <QDBusReply>
#include <QGuiApplication>
#include <QtTest>

namespace {

// The answer to `call`; a failure of the test when it comes inside the call or not within
// 20 s. The answer is kept apart from this frame, which a late one would otherwise outlive.
KeyringAnswer wait(const std::function<void(Keyring::Done)>& call, const char* file = __builtin_FILE(),
                   int line = __builtin_LINE())
{
    auto answer = std::make_shared<std::optional<KeyringAnswer>>();
    call([answer](const KeyringAnswer& a) { *answer = a; });
    QString problem;
    if (answer->has_value()) {
        problem = QStringLiteral("answered inside the call");
    } else {
        QElapsedTimer clock;
        clock.start();
        while (!answer->has_value() && clock.elapsed() < 20000)
            QTest::qWait(20);
        if (!answer->has_value())
            problem = QStringLiteral("no answer within 20 s");
    }
    if (problem.isEmpty())
        return **answer;
    QTest::qFail(qPrintable(problem), file, line);
    return KeyringAnswer{KeyringAnswer::Failed, {}, problem};
}

} // namespace

class TestKeyring : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.QuorvelTest"));
        QVERIFY(bus.start());
        // The bus without a Secret Service is this program run again (libsecret keeps its
        // first bus for the process's life).
        if (absent())
            return;
        QVERIFY(bus.startKeyring());
    }

    void storeReadReplaceRemove()
    {
        if (absent())
            return;
        const std::shared_ptr<Keyring> k = Keyring::secretService();
        const QString key = Keyring::smtpKey(QStringLiteral("jana"), QStringLiteral("SMTP.example.org"));
        QCOMPARE(key, QStringLiteral("smtp:jana@smtp.example.org"));
        QCOMPARE(wait([&](auto d) { k->readPassword(key, d); }).status, KeyringAnswer::NotFound);
        const QString secret = QString::fromUtf8("p,a;s\\s \"žluva\"");
        QCOMPARE(wait([&](auto d) { k->writePassword(key, secret, d); }).status, KeyringAnswer::Ok);
        KeyringAnswer read = wait([&](auto d) { k->readPassword(key, d); });
        QCOMPARE(read.status, KeyringAnswer::Ok);
        QCOMPARE(read.secret, secret);
        QCOMPARE(wait([&](auto d) { k->writePassword(key, QStringLiteral("second"), d); }).status, KeyringAnswer::Ok);
        QCOMPARE(wait([&](auto d) { k->readPassword(key, d); }).secret, QStringLiteral("second"));
        // Another account on the same server is kept apart.
        const QString other = Keyring::smtpKey(QStringLiteral("petr"), QStringLiteral("smtp.example.org"));
        QCOMPARE(wait([&](auto d) { k->readPassword(other, d); }).status, KeyringAnswer::NotFound);
        QCOMPARE(wait([&](auto d) { k->deletePassword(key, d); }).status, KeyringAnswer::Ok);
        QCOMPARE(wait([&](auto d) { k->readPassword(key, d); }).status, KeyringAnswer::NotFound);
        QCOMPARE(wait([&](auto d) { k->deletePassword(key, d); }).status, KeyringAnswer::Ok);
    }

    void lockedKeyringIsNotOk()
    {
        if (absent())
            return;
        const std::shared_ptr<Keyring> k = Keyring::secretService();
        const QString key = Keyring::smtpKey(QStringLiteral("locked"), QStringLiteral("example.org"));
        QCOMPARE(wait([&](auto d) { k->writePassword(key, QStringLiteral("x"), d); }).status, KeyringAnswer::Ok);
        QDBusInterface service(QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
                               QStringLiteral("org.freedesktop.Secret.Service"));
        QDBusMessage locked = service.call(
            QStringLiteral("Lock"),
            QVariant::fromValue(QList<QDBusObjectPath>{QDBusObjectPath("/org/freedesktop/secrets/collection/login")}));
        QCOMPARE(locked.type(), QDBusMessage::ReplyMessage);
        const KeyringAnswer read = wait([&](auto d) { k->readPassword(key, d); });
        QVERIFY2(read.status == KeyringAnswer::Denied, qPrintable(read.error));
        const KeyringAnswer write = wait([&](auto d) { k->writePassword(key, QStringLiteral("y"), d); });
        QVERIFY2(write.status == KeyringAnswer::Denied, qPrintable(write.error));
        QVERIFY(read.secret.isEmpty());
    }

    void withoutASecretServiceItSaysSo()
    {
        if (!absent()) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QUORVEL_KEYRING_ABSENT"), QStringLiteral("1"));
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("withoutASecretServiceItSaysSo")});
            QVERIFY(child.waitForFinished(60000));
            QCOMPARE(child.exitCode(), 0);
            return;
        }
        const KeyringAnswer write =
            wait([](auto d) { Keyring::secretService()->writePassword(QStringLiteral("k"), QStringLiteral("v"), d); });
        QVERIFY2(write.status == KeyringAnswer::Unavailable, qPrintable(write.error));
    }

private:
    static bool absent() { return qEnvironmentVariableIsSet("QUORVEL_KEYRING_ABSENT"); }
    Harness::SessionBus bus;
};

QTEST_MAIN(TestKeyring)
#include "tst_keyring.moc"
