#pragma once
// The two ways an e-mail leaves the machine: SMTP through libcurl, on a worker thread so
// that the dialog stays responsive, or the system's sendmail.

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
    QString password;
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
    explicit SmtpSender(SmtpAccount account, QObject* parent = nullptr);
    ~SmtpSender() override;

    bool isAvailable() override { return account_.problem().isEmpty(); }
    QString fromAddress() const override { return account_.fromAddress; }
    QString fromName() const override { return account_.fromName; }
    void send(const MailMessage& message, Done done) override;
    void abort() override;

    // One transfer's state, shared with the worker thread.
    struct Job;

private:
    void join();

    SmtpAccount account_;
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
