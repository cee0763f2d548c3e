#pragma once
// The single instance's channel where no session bus runs: a Unix socket, readable and
// writable by the user alone, on which a later start sends one line and waits for "ok".
// A later start asks, and the first binds its socket, with plain system calls: Qt's local
// sockets would bring the network library into every start for a check that takes one system
// call when nobody listens. When a later start first knocks, Qt's local server (in the
// network module) takes the socket over and serves it from then on.

#include "platform/foundation/LocalLineService.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

enum class InstanceAnswer {
    Answered,      // somebody listens and answered the line
    Silent,        // somebody listens but sent nothing back in time
    NobodyListens, // no socket, or one left by a run that has ended
    Foreign,       // the path or whoever listens there is another user's: neither asked nor replaced
};

// A folder for the socket that only this user can enter: the session's runtime folder, or
// where there is none a 0700 folder of ours in the temporary folder; empty with the reason in
// `why` when neither is safe (someone else owns the name, or it is open to others).
QString privateSocketFolder(QString* why);

// Sends `line` to the socket at `path` and waits at most `waitMs` for each of the writing and
// the answer.
InstanceAnswer askRunningInstance(const QString& path, const QByteArray& line, int waitMs);

class LocalLineServer : public QObject {
    Q_OBJECT
public:
    explicit LocalLineServer(QObject* parent = nullptr);
    ~LocalLineServer() override; // removes the socket

    // Listens at `path`, replacing a socket left there; false with the reason in `why`.
    bool listen(const QString& path, QString* why);

    static constexpr int kMaximumLine = LocalLines::kMaximumLine;
    static constexpr int kPeerDeadlineMs = LocalLines::kPeerDeadlineMs;
    static constexpr int kMaximumPeers = LocalLines::kMaximumPeers;

signals:
    // A peer's line (without blanks around it); the peer is answered "ok" after the
    // signal's receivers have run, then closed.
    void lineReceived(const QByteArray& line);

private:
    void serve();

    QString path_;
    int fd_ = -1;
    int copy_ = -1; // Qt's, until it is handed over
    QSocketNotifier* knock_ = nullptr;
    QObject* serving_ = nullptr;
};
