// The network module's part of the single instance's socket: Qt's local server on the socket
// the program listens on.
#include "platform/foundation/LocalLineService.h"

#include <QEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Whether the process at the other end of `fd` runs as this user.
bool peerIsUs(qintptr fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(int(fd), SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 && credentials.uid == ::getuid();
}

class LineServer final : public QObject {
public:
    LineServer(int listeningFd, int copy, std::function<void(const QByteArray&)> onLine, QObject* parent)
        : QObject(parent), fd_(listeningFd), onLine_(std::move(onLine))
    {
        connect(&server_, &QLocalServer::newConnection, this, &LineServer::takePeers);
        // Qt's server stops listening, without a word, when an accept fails (out of
        // descriptors): it lets go of its socket notifier then, and gets a fresh copy of the
        // socket after a rest. Peers wait in the socket's queue meanwhile, as the socket
        // itself stays ours and listening.
        server_.installEventFilter(this);
        listen(copy);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ChildRemoved && !server_.errorString().isEmpty() && !resting_) {
            resting_ = true;
            QTimer::singleShot(LocalLines::kRestMs, this, [this] {
                resting_ = false;
                server_.close();
                listen(::fcntl(fd_, F_DUPFD_CLOEXEC, 0));
            });
        }
        return false;
    }

private:
    // Qt listens on a copy of the socket; closing it leaves the socket file alone, as Qt knows
    // the socket by the name it was bound under before it was moved into place.
    void listen(int copy)
    {
        if (copy >= 0 && server_.listen(copy))
            return;
        if (copy >= 0)
            ::close(copy);
        QTimer::singleShot(LocalLines::kRestMs, this, [this] { listen(::fcntl(fd_, F_DUPFD_CLOEXEC, 0)); });
    }

    void takePeers()
    {
        while (QLocalSocket* peer = server_.nextPendingConnection()) {
            peer->setParent(this);
            if (peers_ >= LocalLines::kMaximumPeers || !peerIsUs(peer->socketDescriptor())) {
                peer->abort();
                peer->deleteLater();
                continue;
            }
            ++peers_;
            serve(peer);
        }
    }

    void serve(QLocalSocket* peer)
    {
        peer->setReadBufferSize(LocalLines::kMaximumLine + 2);
        connect(peer, &QObject::destroyed, this, [this] { --peers_; });
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        // An idle peer must not hold its place (and a descriptor) for long.
        QTimer::singleShot(LocalLines::kPeerDeadlineMs, peer, [peer] { cutOff(peer); });
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            const QByteArray pending = peer->peek(LocalLines::kMaximumLine + 2);
            const qsizetype end = pending.indexOf('\n');
            if (end > LocalLines::kMaximumLine || (end < 0 && pending.size() > LocalLines::kMaximumLine)) {
                cutOff(peer);
                return;
            }
            if (end < 0)
                return;
            disconnect(peer, &QLocalSocket::readyRead, this, nullptr);
            onLine_(pending.left(end).trimmed());
            // The peer waits for this; a few bytes on a local socket, never held up.
            peer->write("ok\n");
            peer->disconnectFromServer();
        });
    }

    static void cutOff(QLocalSocket* peer)
    {
        peer->abort();
        peer->deleteLater();
    }

    int fd_;
    std::function<void(const QByteArray&)> onLine_;
    QLocalServer server_;
    int peers_ = 0;
    bool resting_ = false;
};

} // namespace

QObject* serveLocalLines(int listeningFd, int copy, std::function<void(const QByteArray&)> onLine, QObject* parent)
{
    return new LineServer(listeningFd, copy, std::move(onLine), parent);
}
