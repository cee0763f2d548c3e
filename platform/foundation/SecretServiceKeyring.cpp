// The Secret Service keyring through qtkeychain. Built as the module "keyring", which
// Keyring.cpp opens at the first use: most starts never touch the keyring.
#include "platform/foundation/Keyring.h"
#include "platform/foundation/ModuleEntry.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace {

KeyringAnswer answerOf(const QKeychain::Job& job)
{
    KeyringAnswer a;
    a.error = job.errorString();
    switch (job.error()) {
    case QKeychain::NoError:
        a.status = KeyringAnswer::Ok;
        a.error.clear();
        break;
    case QKeychain::EntryNotFound:
        a.status = KeyringAnswer::NotFound;
        break;
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        a.status = KeyringAnswer::Unavailable;
        break;
    case QKeychain::AccessDenied:
    case QKeychain::AccessDeniedByUser:
        a.status = KeyringAnswer::Denied;
        break;
    default:
        a.status = KeyringAnswer::Failed;
        break;
    }
    // The library reports a Secret Service that is not on the bus as a plain D-Bus failure.
    if (a.status == KeyringAnswer::Failed
        && (a.error.contains(QLatin1String("org.freedesktop.secrets")) || a.error.contains(QLatin1String("ServiceUnknown"))
            || a.error.contains(QLatin1String("not provided by any .service"))))
        a.status = KeyringAnswer::Unavailable;
    if (a.status == KeyringAnswer::Failed && a.error.contains(QLatin1String("locked"), Qt::CaseInsensitive))
        a.status = KeyringAnswer::Denied;
    return a;
}

// Calls `then(locked)` with whether the default collection of the Secret Service is locked;
// a locked one reads as holding nothing, which must not pass for "no password kept".
void whenDefaultCollectionKnown(std::function<void(bool locked)> then)
{
    const QString service = QStringLiteral("org.freedesktop.secrets");
    QDBusMessage alias = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/secrets"),
                                                        QStringLiteral("org.freedesktop.Secret.Service"),
                                                        QStringLiteral("ReadAlias"));
    alias << QStringLiteral("default");
    auto* first = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(alias, 5000));
    QObject::connect(first, &QDBusPendingCallWatcher::finished, first, [service, then](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> path = *w;
        if (path.isError() || path.value().path() == QLatin1String("/")) {
            then(false);
            return;
        }
        QDBusMessage get = QDBusMessage::createMethodCall(service, path.value().path(),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
        get << QStringLiteral("org.freedesktop.Secret.Collection") << QStringLiteral("Locked");
        auto* second = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get, 5000));
        QObject::connect(second, &QDBusPendingCallWatcher::finished, second, [then](QDBusPendingCallWatcher* w2) {
            w2->deleteLater();
            const QDBusPendingReply<QDBusVariant> locked = *w2;
            then(!locked.isError() && locked.value().variant().toBool());
        });
    });
}

KeyringAnswer lockedAnswer()
{
    return {KeyringAnswer::Denied, {}, QObject::tr("The keyring is locked.")};
}

class SecretServiceKeyring : public Keyring {
public:
    void readPassword(const QString& key, Done done) override
    {
        auto* job = new QKeychain::ReadPasswordJob(service());
        job->setKey(key);
        run(job, [job, done = std::move(done)] {
            KeyringAnswer a = answerOf(*job);
            if (a.status == KeyringAnswer::Ok)
                a.secret = job->textData();
            if (a.status != KeyringAnswer::NotFound) {
                done(a);
                return;
            }
            whenDefaultCollectionKnown([a, done](bool locked) { done(locked ? lockedAnswer() : a); });
        });
    }
    void writePassword(const QString& key, const QString& password, Done done) override
    {
        auto* job = new QKeychain::WritePasswordJob(service());
        job->setKey(key);
        job->setTextData(password);
        run(job, [job, done = std::move(done)] {
            const KeyringAnswer a = answerOf(*job);
            if (a.status != KeyringAnswer::Failed) {
                done(a);
                return;
            }
            whenDefaultCollectionKnown([a, done](bool locked) { done(locked ? lockedAnswer() : a); });
        });
    }
    void deletePassword(const QString& key, Done done) override
    {
        auto* job = new QKeychain::DeletePasswordJob(service());
        job->setKey(key);
        run(job, [job, done = std::move(done)] {
            KeyringAnswer a = answerOf(*job);
            if (a.status == KeyringAnswer::NotFound)
                a = KeyringAnswer{KeyringAnswer::Ok, {}, {}};
            done(a);
        });
    }

private:
    static QString service()
    {
        const QString id = QGuiApplication::desktopFileName();
        return id.isEmpty() ? QCoreApplication::applicationName() : id;
    }
    // Never in plain text behind the user's back: a missing keyring is the caller's to handle.
    static void run(QKeychain::Job* job, std::function<void()> finished)
    {
        job->setAutoDelete(true);
        job->setInsecureFallback(false);
        QObject::connect(job, &QKeychain::Job::finished, job, [finished = std::move(finished)] { finished(); });
        job->start();
    }
};

} // namespace

class KeyringPlugin : public QObject, public QuorvelModule, public KeyringModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.quorvel.KeyringModule/1")
    Q_INTERFACES(QuorvelModule KeyringModule)
public:
    void setLogWriter(QuorvelModuleLogWriter writer) override { setModuleLogWriter(writer); }
    Keyring* secretService() override
    {
        static SecretServiceKeyring keyring;
        return &keyring;
    }
};

#include "SecretServiceKeyring.moc"
