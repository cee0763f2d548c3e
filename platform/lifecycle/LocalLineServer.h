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
};

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

signals:
    // A peer's line (without blanks around it); the peer is answered "ok" after the
    // signal's receivers have run, then closed.
    void lineReceived(const QByteArray& line);

private:
    void accept();

    QString path_;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};
