#pragma once
// A keyring that keeps its passwords in memory and answers, later, as the test says: as a
// working keyring, or as a locked or absent one.

#include "platform/foundation/Keyring.h"

#include <QMap>
#include <QTimer>

class FakeKeyring : public Keyring {
public:
    KeyringAnswer::Status status = KeyringAnswer::Ok; // what every call answers, when not Ok
    QMap<QString, QString> passwords;
    QStringList calls; // "read KEY", "write KEY", "delete KEY"

    void readPassword(const QString& key, Done done) override
    {
        calls.append(QStringLiteral("read ") + key);
        KeyringAnswer a = answer();
        if (a.status == KeyringAnswer::Ok && !passwords.contains(key))
            a.status = KeyringAnswer::NotFound;
        a.secret = a.status == KeyringAnswer::Ok ? passwords.value(key) : QString();
        later(done, a);
    }
    void writePassword(const QString& key, const QString& password, Done done) override
    {
        calls.append(QStringLiteral("write ") + key);
        const KeyringAnswer a = answer();
        if (a.status == KeyringAnswer::Ok)
            passwords.insert(key, password);
        later(done, a);
    }
    void deletePassword(const QString& key, Done done) override
    {
        calls.append(QStringLiteral("delete ") + key);
        const KeyringAnswer a = answer();
        if (a.status == KeyringAnswer::Ok)
            passwords.remove(key);
        later(done, a);
    }

private:
    KeyringAnswer answer() const
    {
        return {status, {}, status == KeyringAnswer::Ok ? QString() : QStringLiteral("fake keyring says no")};
    }
    static void later(const Done& done, const KeyringAnswer& a)
    {
        QTimer::singleShot(0, [done, a] { done(a); });
    }
};
