#include "platform/lifecycle/SingleInstance.h"
#include "platform/lifecycle/LocalLineServer.h"
#include "platform/foundation/Log.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QVariantMap>

namespace {

constexpr int kAnswerMs = 800; // a later start ends within a second either way
// A later start's request on the socket: one line, "activate" or "action NAME".
const char kActivate[] = "activate";
const char kAction[] = "action ";

// The freedesktop application interface, as launchers and the second start call it.
class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(SingleInstance* instance) : QDBusAbstractAdaptor(instance), instance_(instance) {}

public slots:
    void Activate(const QVariantMap& platformData) { activate(platformData, {}); }
    void ActivateAction(const QString& action, const QVariantList&, const QVariantMap& platformData)
    {
        activate(platformData, action);
    }
    void Open(const QStringList&, const QVariantMap& platformData) { activate(platformData, {}); }

private:
    void activate(const QVariantMap& platformData, const QString& action)
    {
        // Lets the window manager give the focus to a window raised on someone else's behalf.
        for (const char* key : {"activation-token", "desktop-startup-id"}) {
            const QString token = platformData.value(QLatin1String(key)).toString();
            if (!token.isEmpty())
                qputenv(key[0] == 'a' ? "XDG_ACTIVATION_TOKEN" : "DESKTOP_STARTUP_ID", token.toUtf8());
        }
        instance_->raiseWindow(action);
    }

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

// Whether a session bus can be there: its address given, or the per-user bus socket. Without
// either, asking Qt for the session bus would start its bus thread and libdbus's search for
// one before the first frame, only to fail.
bool sessionBusMayBeThere()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
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

SingleInstance::Role SingleInstance::claim(const QString& action)
{
    if (sessionBusMayBeThere() && QDBusConnection::sessionBus().isConnected())
        return claimOnSessionBus(action);
    return claimLocalSocket(action);
}

SingleInstance::Role SingleInstance::claimOnSessionBus(const QString& action)
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
                                                       action.isEmpty() ? QStringLiteral("Activate")
                                                                        : QStringLiteral("ActivateAction"));
    if (!action.isEmpty())
        call << action << QVariant::fromValue(QVariantList());
    call << startupTokens();
    const QDBusMessage answer = bus.call(call, QDBus::Block, kAnswerMs);
    if (answer.type() == QDBusMessage::ErrorMessage) {
        NSLog("SingleInstance: %@ runs on the session bus but did not answer: %@", id_, answer.errorMessage());
        return Role::Unreachable;
    }
    return Role::AlreadyRunning;
}

SingleInstance::Role SingleInstance::claimLocalSocket(const QString& action)
{
    QString why;
    const QString folder = privateSocketFolder(&why);
    if (folder.isEmpty()) {
        NSLog("SingleInstance: no private folder for the socket (%@); starting without a single instance", why);
        return Role::First;
    }
    const QString path = QDir(folder).filePath(id_ + QStringLiteral(".instance"));
    channel_ = path;
    // Two starts at once: one looks and listens while the other waits.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(2000)) {
        NSLog("SingleInstance: cannot lock %@; starting anyway", lock.fileName());
        return Role::First;
    }
    // An action name is one line of its own; anything that would break the line is dropped.
    QString name = action;
    name.remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    const QByteArray request = name.isEmpty() ? QByteArray(kActivate) + '\n' : QByteArray(kAction) + name.toUtf8() + '\n';
    switch (askRunningInstance(path, request, kAnswerMs)) {
    case InstanceAnswer::Answered:
        return Role::AlreadyRunning;
    case InstanceAnswer::Silent:
        NSLog("SingleInstance: %@ runs at %@ but did not answer", id_, path);
        return Role::Unreachable;
    case InstanceAnswer::Foreign:
        NSLog("SingleInstance: %@ is not this user's; starting without a single instance", path);
        return Role::First;
    case InstanceAnswer::NobodyListens:
        break;
    }
    // Nobody listens: a socket left by a crashed run is in the way.
    server_ = new LocalLineServer(this);
    if (!server_->listen(path, &why)) {
        NSLog("SingleInstance: cannot listen at %@ (%@); a later start will open a second window", path, why);
        return Role::First;
    }
    connect(server_, &LocalLineServer::lineReceived, this, [this](const QByteArray& line) {
        raiseWindow(line.startsWith(kAction) ? QString::fromUtf8(line.mid(int(sizeof kAction) - 1)) : QString());
    });
    return Role::First;
}

void SingleInstance::raiseWindow(const QString& action)
{
    if (action.isEmpty())
        NSLog("SingleInstance: another start asked for the window");
    else
        NSLog("SingleInstance: another start asked for the window and the action \"%@\"", action);
    if (QWidget* w = window_.data()) {
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->show();
        w->raise();
        w->activateWindow();
    }
    emit activated(action);
}

#include "SingleInstance.moc"
