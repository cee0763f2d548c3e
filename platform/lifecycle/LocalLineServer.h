#pragma once
// The single instance's channel where no session bus runs: a Unix socket, readable and
// writable by the user alone, on which a later start sends one line and waits for "ok".
// Plain sockets rather than Qt's local sockets, which would bring the network library into
// every start for a check that takes one system call when nobody listens.

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

    // The longest line a peer may send; a peer that sends more without ending it is cut off.
    static constexpr int kMaximumLine = 1024;
    // A peer that has not sent its line by then is cut off.
    static constexpr int kPeerDeadlineMs = 2000;
    // Peers served at once; further ones wait in the listen queue.
    static constexpr int kMaximumPeers = 4;

signals:
    // A peer's line (without blanks around it); the peer is answered "ok" after the
    // signal's receivers have run, then closed.
    void lineReceived(const QByteArray& line);

private:
    void accept();
    void peerGone();

    QString path_;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    int peers_ = 0;
    bool waitingForDescriptors_ = false;
};
