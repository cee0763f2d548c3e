#include "platform/ui/SingleInstance.h"
#include "platform/foundation/Log.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QVariantMap>

namespace {

constexpr int kAnswerMs = 800; // a later start ends within a second either way
const char kActivate[] = "activate\n";

// The freedesktop application interface, as launchers and the second start call it.
class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(SingleInstance* instance) : QDBusAbstractAdaptor(instance), instance_(instance) {}

public slots:
    void Activate(const QVariantMap& platformData)
    {
        // Lets the window manager give the focus to a window raised on someone else's behalf.
        for (const char* key : {"activation-token", "desktop-startup-id"}) {
            const QString token = platformData.value(QLatin1String(key)).toString();
            if (!token.isEmpty())
                qputenv(key[0] == 'a' ? "XDG_ACTIVATION_TOKEN" : "DESKTOP_STARTUP_ID", token.toUtf8());
        }
        instance_->raiseWindow();
    }
    void ActivateAction(const QString&, const QVariantList&, const QVariantMap& platformData) { Activate(platformData); }
    void Open(const QStringList&, const QVariantMap& platformData) { Activate(platformData); }

private:
    SingleInstance* instance_;
};

QVariantMap startupTokens()
{
    QVariantMap data;
    if (const QByteArray t = qgetenv("XDG_ACTIVATION_TOKEN"); !t.isEmpty())
        data.insert(QStringLiteral("activation-token"), QString::fromUtf8(t));
    if (const QByteArray t = qgetenv("DESKTOP_STARTUP_ID"); !t.isEmpty())
        data.insert(QStringLiteral("desktop-startup-id"), QString::fromUtf8(t));
    return data;
}

} // namespace

SingleInstance::SingleInstance(QString id, QObject* parent) : QObject(parent), id_(std::move(id)) {}

SingleInstance::~SingleInstance()
{
    if (onBus_)
        QDBusConnection::sessionBus().unregisterService(id_);
}

QString SingleInstance::objectPath(const QString& id)
{
    QString path = QLatin1Char('/') + id;
    path.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

SingleInstance::Role SingleInstance::claim()
{
    if (QDBusConnection::sessionBus().isConnected())
        return claimOnSessionBus();
    return claimLocalSocket();
}

SingleInstance::Role SingleInstance::claimOnSessionBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    channel_ = QStringLiteral("session bus");
    new ApplicationAdaptor(this);
    bus.registerObject(objectPath(id_), this);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
        id_, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        onBus_ = true;
        return Role::First;
    }
    bus.unregisterObject(objectPath(id_));
    if (!reply.isValid()) {
        // The bus refused for another reason than an owner: better one more window than none.
        NSLog("SingleInstance: cannot own %@ on the session bus (%@); starting anyway", id_, reply.error().message());
        return Role::First;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(id_, objectPath(id_), QStringLiteral("org.freedesktop.Application"),
                                                       QStringLiteral("Activate"));
    call << startupTokens();
    const QDBusMessage answer = bus.call(call, QDBus::Block, kAnswerMs);
    if (answer.type() == QDBusMessage::ErrorMessage) {
        NSLog("SingleInstance: %@ runs on the session bus but did not answer: %@", id_, answer.errorMessage());
        return Role::Unreachable;
    }
    return Role::AlreadyRunning;
}

SingleInstance::Role SingleInstance::claimLocalSocket()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QString path = QDir(folder).filePath(id_ + QStringLiteral(".instance"));
    channel_ = path;
    // Two starts at once: one looks and listens while the other waits.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(2000)) {
        NSLog("SingleInstance: cannot lock %@; starting anyway", lock.fileName());
        return Role::First;
    }
    QLocalSocket socket;
    socket.connectToServer(path);
    if (socket.waitForConnected(kAnswerMs)) {
        socket.write(kActivate);
        // The answer is the first instance's "ok" once it has raised its window.
        if (socket.waitForBytesWritten(kAnswerMs) && socket.waitForReadyRead(kAnswerMs))
            return Role::AlreadyRunning;
        NSLog("SingleInstance: %@ runs at %@ but did not answer", id_, path);
        return Role::Unreachable;
    }
    // Nobody listens: a socket left by a crashed run is in the way.
    QLocalServer::removeServer(path);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path)) {
        NSLog("SingleInstance: cannot listen at %@ (%@); a later start will open a second window", path,
              server_->errorString());
        return Role::First;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
                if (!peer->readAll().contains('\n'))
                    return;
                raiseWindow();
                peer->write("ok\n");
                peer->disconnectFromServer();
            });
        }
    });
    return Role::First;
}

void SingleInstance::raiseWindow()
{
    NSLog("SingleInstance: another start asked for the window");
    if (QWidget* w = window_.data()) {
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->show();
        w->raise();
        w->activateWindow();
    }
    emit activated();
}

#include "SingleInstance.moc"
