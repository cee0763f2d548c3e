#include "platform/lifecycle/SingleInstance.h"
#include "platform/lifecycle/LocalLineServer.h"
#include "platform/lifecycle/StartupToken.h"
#include "platform/foundation/Log.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QVariantMap>

namespace {

constexpr int kAnswerMs = 800; // a later start ends within a second either way
// A later start's request on the socket: one line, "request " and a JSON object with the
// action, the command line and the tokens. "activate" and "action NAME" are what earlier
// versions send, and are still served.
const char kActivate[] = "activate";
const char kAction[] = "action ";
const char kRequest[] = "request ";
const QString kArguments = QStringLiteral("command-line");
const QString kActionKey = QStringLiteral("action");
const QString kActivationToken = QStringLiteral("activation-token");
const QString kStartupId = QStringLiteral("desktop-startup-id");

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
        instance_->serve({action, platformData.value(kArguments).toStringList(), platformData});
    }

    SingleInstance* instance_;
};

// The launcher's tokens for the window this start would have opened. Qt's X11 plugin takes
// DESKTOP_STARTUP_ID out of the environment when it connects, keeping it for the first window;
// its native interface gives it back.
QVariantMap startupTokens()
{
    QVariantMap data;
    if (const QByteArray t = qgetenv("XDG_ACTIVATION_TOKEN"); !t.isEmpty())
        data.insert(kActivationToken, QString::fromUtf8(t));
    QByteArray id = qgetenv("DESKTOP_STARTUP_ID");
    if (id.isEmpty())
        id = x11StartupId();
    if (!id.isEmpty())
        data.insert(kStartupId, QString::fromUtf8(id));
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

SingleInstance::Role SingleInstance::claim(const QStringList& arguments, const QString& action)
{
    if (sessionBusMayBeThere() && QDBusConnection::sessionBus().isConnected())
        return claimOnSessionBus(arguments, action);
    return claimLocalSocket(arguments, action);
}

SingleInstance::Role SingleInstance::claimOnSessionBus(const QStringList& arguments, const QString& action)
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
    QVariantMap platformData = startupTokens();
    if (!arguments.isEmpty())
        platformData.insert(kArguments, arguments);
    call << platformData;
    const QDBusMessage answer = bus.call(call, QDBus::Block, kAnswerMs);
    if (answer.type() == QDBusMessage::ErrorMessage) {
        NSLog("SingleInstance: %@ runs on the session bus but did not answer: %@", id_, answer.errorMessage());
        return Role::Unreachable;
    }
    return Role::AlreadyRunning;
}

SingleInstance::Role SingleInstance::claimLocalSocket(const QStringList& arguments, const QString& action)
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
    QByteArray request = requestLine(action, arguments, startupTokens());
    if (request.isEmpty()) {
        NSLog("SingleInstance: the command line is too long to hand over; asking for the window alone");
        request = requestLine(action, {}, startupTokens());
    }
    if (request.isEmpty())
        request = QByteArray(kActivate) + '\n';
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
    connect(server_, &LocalLineServer::lineReceived, this, [this](const QByteArray& line) { serve(parseRequestLine(line)); });
    return Role::First;
}

QByteArray SingleInstance::requestLine(const QString& action, const QStringList& arguments, const QVariantMap& tokens)
{
    QJsonObject request = QJsonObject::fromVariantMap(tokens);
    if (!action.isEmpty())
        request.insert(kActionKey, action);
    if (!arguments.isEmpty())
        request.insert(kArguments, QJsonArray::fromStringList(arguments));
    // JSON escapes line ends, so the request stays one line whatever the arguments hold.
    const QByteArray line = QByteArray(kRequest) + QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n';
    return line.size() <= LocalLineServer::kMaximumLine ? line : QByteArray();
}

SingleInstance::Request SingleInstance::parseRequestLine(const QByteArray& line)
{
    Request request;
    if (line.startsWith(kAction)) {
        request.action = QString::fromUtf8(line.mid(int(sizeof kAction) - 1));
    } else if (line.startsWith(kRequest)) {
        const QJsonObject o = QJsonDocument::fromJson(line.mid(int(sizeof kRequest) - 1)).object();
        request.action = o.value(kActionKey).toString();
        for (const QJsonValue& v : o.value(kArguments).toArray())
            request.arguments << v.toString();
        for (const QString& key : {kActivationToken, kStartupId})
            if (const QString token = o.value(key).toString(); !token.isEmpty())
                request.tokens.insert(key, token);
    }
    return request;
}

void SingleInstance::raiseWindow(const QString& action)
{
    serve({action, {}, {}});
}

void SingleInstance::serve(const Request& request)
{
    if (request.action.isEmpty())
        NSLog("SingleInstance: another start asked for the window");
    else
        NSLog("SingleInstance: another start asked for the window and the action \"%@\"", request.action);
    if (QWidget* w = window_.data()) {
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->show();
        w->raise();
        activateWithTokens(w, request.tokens.value(kActivationToken).toString(), request.tokens.value(kStartupId).toString());
    }
    emit activated(request.action, request.arguments);
}

#include "SingleInstance.moc"
