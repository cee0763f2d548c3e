#pragma once
// Secrets (the mail password) kept outside device.ini: in the Secret Service keyring of the
// desktop session, under the application's id. Every call answers later, on the calling
// thread's event loop, never inside the call.

#include <QString>
#include <QtPlugin>
#include <functional>
#include <memory>

struct KeyringAnswer {
    enum Status {
        Ok,
        NotFound,     // nothing stored under that key
        Unavailable,  // no Secret Service answers on the session bus
        Denied,       // the keyring is locked, or the user refused to unlock it
        Failed,
    };
    Status status = Failed;
    QString secret;  // the password read, for Ok
    QString error;   // the service's own words, for the others
};

class Keyring {
public:
    using Done = std::function<void(const KeyringAnswer& answer)>;
    virtual ~Keyring() = default;
    virtual void readPassword(const QString& key, Done done) = 0;
    virtual void writePassword(const QString& key, const QString& password, Done done) = 0;
    // Removing what is not there is not an error.
    virtual void deletePassword(const QString& key, Done done) = 0;

    // The session's Secret Service, shared by everyone in the process.
    static std::shared_ptr<Keyring> secretService();
    // The key an SMTP account's password is kept under.
    static QString smtpKey(const QString& user, const QString& server);
};

// What the keyring module offers: the Secret Service's keyring, which lives as long as the process.
class KeyringModule {
public:
    virtual ~KeyringModule() = default;
    virtual Keyring* secretService() = 0;
};
Q_DECLARE_INTERFACE(KeyringModule, "org.quorvel.KeyringModule/1")
