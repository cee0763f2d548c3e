#pragma once
// One SMTP transfer through libcurl, offered by the mail module: libcurl, with the TLS,
// Kerberos, LDAP and SSH libraries it brings, is loaded at the first transfer rather than at
// every start, for a transport most starts never use.

#include <QByteArray>
#include <QString>
#include <QtPlugin>
#include <atomic>
#include <string>
#include <vector>

struct SmtpTransfer {
    std::string url, user, password, from, caFile;
    std::vector<std::string> recipients;
    long timeoutMs = 30000;
    long connectTimeoutMs = 10000;
    bool requireTls = true;
    bool checkOnly = false; // log in, NOOP, quit
};

// What a transfer reads and reports; `aborted` may be set from another thread.
struct SmtpJob {
    std::atomic<bool> aborted{false};
    QByteArray payload;
    qsizetype offset = 0;
    bool sent = false;
    QString error;
    QString lastReply; // the server's last answer line
};

class SmtpTransport {
public:
    virtual ~SmtpTransport() = default;
    // Runs the transfer on the calling thread (a worker's), until it ends or `job` is aborted.
    virtual void perform(const SmtpTransfer& transfer, SmtpJob* job) = 0;
};
Q_DECLARE_INTERFACE(SmtpTransport, "org.quorvel.SmtpTransport/1")
