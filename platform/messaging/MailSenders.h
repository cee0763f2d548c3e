#pragma once
// The two ways an e-mail leaves the machine: SMTP through libcurl, on a worker thread so
// that the dialog stays responsive, or the system's sendmail.

#include "platform/foundation/Keyring.h"
#include "platform/messaging/MailCompose.h"
#include "platform/messaging/SendingProcess.h"

#include <QObject>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

struct SmtpAccount {
    QString server;
    int port = 0;               // 0: 587 for starttls, 465 for tls, 25 for none
    QString security;           // "starttls", "tls" or "none" (loopback only)
    QString user;
    QString password;           // empty: the keyring's, when there is a user
    QString fromAddress;
    QString fromName;
    int timeoutMs = 30000;      // the whole transfer
    int connectTimeoutMs = 10000;
    QString caFile;             // extra trusted certificates, for a private server

    // Why the account cannot be used, or empty.
    QString problem() const;
    bool isLoopback() const;
    QString url() const;
};

class SmtpSender : public QObject, public MailSender {
    Q_OBJECT
public:
    // Without a password in `account`, the user's password is read from `keyring`.
    explicit SmtpSender(SmtpAccount account, std::shared_ptr<Keyring> keyring = {}, QObject* parent = nullptr);
    ~SmtpSender() override;

    bool isAvailable() override { return account_.problem().isEmpty(); }
    QString fromAddress() const override { return account_.fromAddress; }
    QString fromName() const override { return account_.fromName; }
    void send(const MailMessage& message, Done done) override;
    void abort() override;
    // Connects, negotiates TLS, logs in and quits without sending anything. `done` gets
    // whether the server accepted the login and, either way, what the server last said.
    void checkAccount(Done done);

    // One transfer's state, shared with the worker thread.
    struct Job;

private:
    void join();
    // Hands `account_`, with its password from the keyring where needed, to `go`; or ends
    // the send with the keyring's failure.
    void withPassword(std::function<void(const SmtpAccount&)> go);
    void run(const SmtpAccount& account, const QList<QString>& recipients, QByteArray payload);

    SmtpAccount account_;
    std::shared_ptr<Keyring> keyring_;
    quint64 generation_ = 0;
    std::shared_ptr<Job> job_;
    std::thread worker_;
    Done done_;
};

class SendmailSender : public QObject, public MailSender {
    Q_OBJECT
public:
    SendmailSender(QString program, QString fromAddress, QString fromName, int timeoutMs, QObject* parent = nullptr);

    bool isAvailable() override;
    QString fromAddress() const override { return fromAddress_; }
    QString fromName() const override { return fromName_; }
    void send(const MailMessage& message, Done done) override;
    void abort() override;

private:
    QString program_;
    QString fromAddress_;
    QString fromName_;
    int timeoutMs_;
    SendingProcess run_;
};
