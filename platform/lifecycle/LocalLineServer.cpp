#include "platform/lifecycle/LocalLineServer.h"
#include "platform/foundation/FileDescriptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace {

bool fillAddress(const QString& path, sockaddr_un* address)
{
    const QByteArray encoded = QFile::encodeName(path);
    *address = {};
    address->sun_family = AF_UNIX;
    if (encoded.isEmpty() || size_t(encoded.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, encoded.constData(), size_t(encoded.size()));
    return true;
}

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Waits for `events` on `fd` for at most `ms`, through interruptions.
bool waitFor(int fd, short events, int ms)
{
    pollfd p{fd, events, 0};
    int r;
    do {
        r = ::poll(&p, 1, ms);
    } while (r < 0 && errno == EINTR);
    return r > 0 && (p.revents & events);
}

// Whether the process at the other end of `fd` runs as this user.
bool peerIsUs(int fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 && credentials.uid == ::getuid();
}

// Whether `path` is a folder of this user's that nobody else may enter.
bool isPrivateFolder(const QByteArray& path, bool followLink)
{
    struct stat st{};
    const int r = followLink ? ::stat(path.constData(), &st) : ::lstat(path.constData(), &st);
    return r == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

// One peer: its line is read as it arrives, without blocking the window.
class Peer : public QObject {
public:
    Peer(int fd, LocalLineServer* server) : QObject(server), fd_(fd), notifier_(fd, QSocketNotifier::Read, this)
    {
        connect(&notifier_, &QSocketNotifier::activated, this, [this, server] { read(server); });
        // An idle peer must not hold its place (and a descriptor) for long.
        QTimer::singleShot(LocalLineServer::kPeerDeadlineMs, this, &Peer::finish);
    }
    ~Peer() override { ::close(fd_); }

private:
    void read(LocalLineServer* server)
    {
        char chunk[256];
        const ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (n <= 0) {
            finish();
            return;
        }
        buffer_.append(chunk, n);
        const qsizetype end = buffer_.indexOf('\n');
        if (end < 0) {
            if (buffer_.size() > LocalLineServer::kMaximumLine)
                finish();
            return;
        }
        if (end > LocalLineServer::kMaximumLine) {
            finish();
            return;
        }
        notifier_.setEnabled(false);
        emit server->lineReceived(buffer_.left(end).trimmed());
        // The peer waits for this; it is a few bytes on a local socket, never held up.
        const char ok[] = "ok\n";
        [[maybe_unused]] const ssize_t written = ::send(fd_, ok, sizeof ok - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        finish();
    }
    void finish()
    {
        notifier_.setEnabled(false);
        deleteLater();
    }

    int fd_;
    QSocketNotifier notifier_;
    QByteArray buffer_;
};

} // namespace

QString privateSocketFolder(QString* why)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        if (isPrivateFolder(QFile::encodeName(runtime), true))
            return runtime;
        *why = QStringLiteral("the runtime folder %1 is not this user's alone").arg(runtime);
        return {};
    }
    const QString folder = QDir::tempPath() + QStringLiteral("/quorvel-%1").arg(::getuid());
    const QByteArray encoded = QFile::encodeName(folder);
    if (::mkdir(encoded.constData(), S_IRWXU) != 0 && errno != EEXIST) {
        *why = QStringLiteral("cannot make %1 (%2)").arg(folder, lastError());
        return {};
    }
    // Made by us just now or on an earlier run; anything else there is somebody else's.
    if (!isPrivateFolder(encoded, false)) {
        *why = QStringLiteral("%1 is not this user's alone").arg(folder);
        return {};
    }
    return folder;
}

InstanceAnswer askRunningInstance(const QString& path, const QByteArray& line, int waitMs)
{
    sockaddr_un address;
    if (!fillAddress(path, &address))
        return InstanceAnswer::NobodyListens;
    struct stat st{};
    if (::lstat(address.sun_path, &st) != 0)
        return InstanceAnswer::NobodyListens;
    if (!S_ISSOCK(st.st_mode) || st.st_uid != ::getuid())
        return InstanceAnswer::Foreign;
    // Without blocking: a first instance that hangs with its queue full must not hang this
    // start too.
    FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0)
        return InstanceAnswer::NobodyListens;
    int r;
    do {
        r = ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (r < 0 && errno == EINTR);
    if (r < 0)
        return errno == EAGAIN ? InstanceAnswer::Silent : InstanceAnswer::NobodyListens;
    if (!peerIsUs(socket.get()))
        return InstanceAnswer::Foreign;
    qsizetype sent = 0;
    while (sent < line.size()) {
        if (!waitFor(socket.get(), POLLOUT, waitMs))
            return InstanceAnswer::Silent;
        const ssize_t n = ::send(socket.get(), line.constData() + sent, size_t(line.size() - sent),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (n <= 0)
            return InstanceAnswer::Silent;
        sent += n;
    }
    char answer[8];
    if (!waitFor(socket.get(), POLLIN, waitMs) || ::recv(socket.get(), answer, sizeof answer, MSG_DONTWAIT) <= 0)
        return InstanceAnswer::Silent;
    return InstanceAnswer::Answered;
}

LocalLineServer::LocalLineServer(QObject* parent) : QObject(parent) {}

LocalLineServer::~LocalLineServer()
{
    if (fd_ < 0)
        return;
    delete notifier_;
    ::close(fd_);
    QFile::remove(path_);
}

bool LocalLineServer::listen(const QString& path, QString* why)
{
    sockaddr_un address;
    if (!fillAddress(path, &address)) {
        *why = QStringLiteral("the path is too long for a socket");
        return false;
    }
    FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) {
        *why = lastError();
        return false;
    }
    // Bound in a folder of the user's own and then moved into place, so that nobody else can
    // connect in the moment before its permissions are set.
    QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath() + QStringLiteral("/.instance-XXXXXX"));
    if (!::mkdtemp(folder.data())) {
        *why = lastError();
        return false;
    }
    const QString hidden = QFile::decodeName(folder) + QStringLiteral("/socket");
    sockaddr_un hiddenAddress;
    bool bound = fillAddress(hidden, &hiddenAddress)
                 && ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&hiddenAddress), sizeof hiddenAddress) == 0
                 && ::chmod(QFile::encodeName(hidden).constData(), S_IRUSR | S_IWUSR) == 0;
    if (bound) {
        ::unlink(QFile::encodeName(path).constData());
        bound = ::rename(QFile::encodeName(hidden).constData(), QFile::encodeName(path).constData()) == 0;
    }
    if (!bound)
        *why = lastError();
    ::unlink(QFile::encodeName(hidden).constData());
    ::rmdir(folder.constData());
    if (!bound)
        return false;
    if (::listen(socket.get(), 16) != 0) {
        *why = lastError();
        QFile::remove(path);
        return false;
    }
    path_ = path;
    fd_ = socket.release();
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &LocalLineServer::accept);
    return true;
}

void LocalLineServer::accept()
{
    while (peers_ < kMaximumPeers) {
        const int peer = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (peer < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                // The waiting peer stays queued and would wake us again at once: rest until a
                // descriptor may be free.
                notifier_->setEnabled(false);
                waitingForDescriptors_ = true;
                QTimer::singleShot(kPeerDeadlineMs / 4, this, [this] {
                    waitingForDescriptors_ = false;
                    if (peers_ < kMaximumPeers)
                        notifier_->setEnabled(true);
                });
            }
            return; // EAGAIN: all taken; anything else: the next wake-up tries again
        }
        if (!peerIsUs(peer)) {
            ::close(peer);
            continue;
        }
        ++peers_;
        connect(new Peer(peer, this), &QObject::destroyed, this, &LocalLineServer::peerGone);
    }
    // Full: the others wait in the listen queue until a peer is done.
    notifier_->setEnabled(false);
}

void LocalLineServer::peerGone()
{
    --peers_;
    if (!waitingForDescriptors_)
        notifier_->setEnabled(true);
}
