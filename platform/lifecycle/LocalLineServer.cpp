#include "platform/lifecycle/LocalLineServer.h"
#include "platform/foundation/FileDescriptor.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Modules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

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
    delete serving_;
    if (copy_ >= 0)
        ::close(copy_);
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
    // The copy Qt's server will listen on, made now so that serving it later costs no
    // descriptor more than listening does.
    copy_ = ::fcntl(socket.get(), F_DUPFD_CLOEXEC, 0);
    if (copy_ < 0) {
        *why = lastError();
        QFile::remove(path);
        return false;
    }
    path_ = path;
    fd_ = socket.release();
    // Most runs never hear from a later start: the network library is loaded when one knocks.
    knock_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(knock_, &QSocketNotifier::activated, this, &LocalLineServer::serve);
    return true;
}

void LocalLineServer::serve()
{
    knock_->setEnabled(false);
    std::exchange(knock_, nullptr)->deleteLater();
    QString why;
    LocalLineModule* module = Modules::get<LocalLineModule>(QStringLiteral("network"), &why);
    if (!module) {
        // Later starts wait in the queue, hear nothing and say so.
        NSLog("LocalLineServer: cannot serve %@ (%@)", path_, why);
        return;
    }
    serving_ = module->serveLines(fd_, std::exchange(copy_, -1), [this](const QByteArray& line) { emit lineReceived(line); }, this);
}
