#include "platform/messaging/SmsSenders.h"
#include "platform/foundation/Log.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QUuid>

namespace {

const QString mmService = QStringLiteral("org.freedesktop.ModemManager1");
const QString mmRoot = QStringLiteral("/org/freedesktop/ModemManager1");
const QString mmMessaging = QStringLiteral("org.freedesktop.ModemManager1.Modem.Messaging");
const QString mmSms = QStringLiteral("org.freedesktop.ModemManager1.Sms");
constexpr uint smsStateSent = 5;
// Enough for a bus answer; the send itself has its own deadline.
constexpr int queryTimeoutMs = 3000;

} // namespace

// ModemManager -----------------------------------------------------------------------

ModemManagerSender::ModemManagerSender(ModemManagerOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options))
{
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this,
            [this] { complete(false, tr("The modem did not confirm the message in time.")); });
    poll_.setSingleShot(true);
}

ModemManagerSender::~ModemManagerSender()
{
    if (!connectionName_.isEmpty())
        QDBusConnection::disconnectFromBus(connectionName_);
}

QDBusConnection ModemManagerSender::bus()
{
    if (options_.busAddress.isEmpty())
        return QDBusConnection::systemBus();
    if (connectionName_.isEmpty())
        connectionName_ = QStringLiteral("quorvel-mm-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    return QDBusConnection::connectToBus(options_.busAddress, connectionName_);
}

QStringList ModemManagerSender::modemsIn(const QDBusMessage& reply)
{
    QStringList modems;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return modems;
    // a{oa{sa{sv}}}: object path -> interface -> properties.
    const QDBusArgument objects = reply.arguments().at(0).value<QDBusArgument>();
    objects.beginMap();
    while (!objects.atEnd()) {
        objects.beginMapEntry();
        QDBusObjectPath path;
        objects >> path;
        objects.beginMap();
        while (!objects.atEnd()) {
            objects.beginMapEntry();
            QString interface;
            QVariantMap properties;
            objects >> interface >> properties;
            objects.endMapEntry();
            if (interface == mmMessaging)
                modems.append(path.path());
        }
        objects.endMap();
        objects.endMapEntry();
    }
    objects.endMap();
    modems.sort();
    return modems;
}

QString ModemManagerSender::findModem()
{
    QDBusConnection connection = bus();
    if (!connection.isConnected())
        return {};
    QDBusMessage call = QDBusMessage::createMethodCall(mmService, mmRoot, QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                                       QStringLiteral("GetManagedObjects"));
    const QStringList modems = modemsIn(connection.call(call, QDBus::Block, queryTimeoutMs));
    if (!options_.modemPath.isEmpty())
        return modems.contains(options_.modemPath) ? options_.modemPath : QString();
    return modems.value(0);
}

void ModemManagerSender::listModems(std::function<void(const QStringList& modems)> done)
{
    QDBusConnection connection = bus();
    if (!connection.isConnected()) {
        QTimer::singleShot(0, this, [done] { done({}); });
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(mmService, mmRoot, QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                                       QStringLiteral("GetManagedObjects"));
    auto* watcher = new QDBusPendingCallWatcher(connection.asyncCall(call, queryTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [done](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        done(modemsIn(w->reply()));
    });
}

bool ModemManagerSender::isAvailable()
{
    return !findModem().isEmpty();
}

void ModemManagerSender::send(const QString& number, const QString& text, Done done)
{
    done_ = std::move(done);
    ++generation_;
    const QString modem = findModem();
    if (modem.isEmpty()) {
        // Still later, as promised to the caller.
        QTimer::singleShot(0, this, [this] { complete(false, tr("No modem that can send messages was found.")); });
        return;
    }
    deadline_.start(options_.timeoutMs);
    createMessage(modem, number, text);
}

void ModemManagerSender::callThen(const QDBusMessage& call, int timeoutMs, bool needsAnswer, const QString& failure,
                                  std::function<void(const QDBusMessage& reply)> next)
{
    auto* watcher = new QDBusPendingCallWatcher(bus().asyncCall(call, timeoutMs), this);
    const quint64 generation = generation_;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, generation, needsAnswer, failure, next = std::move(next)] {
                watcher->deleteLater();
                // A newer send, or the end of this one, came first.
                if (generation != generation_)
                    return;
                const QDBusMessage reply = watcher->reply();
                if (reply.type() != QDBusMessage::ReplyMessage || (needsAnswer && reply.arguments().isEmpty())) {
                    complete(false, failure.arg(reply.errorMessage()));
                    return;
                }
                next(reply);
            });
}

void ModemManagerSender::createMessage(const QString& modem, const QString& number, const QString& text)
{
    QDBusMessage call = QDBusMessage::createMethodCall(mmService, modem, mmMessaging, QStringLiteral("Create"));
    call << QVariantMap{{QStringLiteral("number"), number}, {QStringLiteral("text"), text}};
    callThen(call, options_.timeoutMs, true, tr("The modem refused the message: %1"), [this, modem](const QDBusMessage& reply) {
        sendMessage(modem, reply.arguments().at(0).value<QDBusObjectPath>().path());
    });
}

void ModemManagerSender::sendMessage(const QString& modem, const QString& sms)
{
    QDBusMessage call = QDBusMessage::createMethodCall(mmService, sms, mmSms, QStringLiteral("Send"));
    callThen(call, options_.timeoutMs, false, tr("The modem could not send the message: %1"),
             [this, modem, sms](const QDBusMessage&) { pollState(modem, sms); });
}

void ModemManagerSender::pollState(const QString& modem, const QString& sms)
{
    QDBusMessage call = QDBusMessage::createMethodCall(mmService, sms, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Get"));
    call << mmSms << QStringLiteral("State");
    const quint64 generation = generation_;
    callThen(call, queryTimeoutMs, true, tr("The modem lost the message: %1"),
             [this, modem, sms, generation](const QDBusMessage& reply) {
                 const uint state = reply.arguments().at(0).value<QDBusVariant>().variant().toUInt();
                 if (state == smsStateSent) {
                     // Sent messages would otherwise pile up in the modem's storage.
                     QDBusMessage remove =
                         QDBusMessage::createMethodCall(mmService, modem, mmMessaging, QStringLiteral("Delete"));
                     remove << QVariant::fromValue(QDBusObjectPath(sms));
                     bus().asyncCall(remove, queryTimeoutMs);
                     complete(true, {});
                     return;
                 }
                 QTimer::singleShot(200, this, [this, modem, sms, generation] {
                     if (generation == generation_)
                         pollState(modem, sms);
                 });
             });
}

void ModemManagerSender::abort()
{
    if (done_)
        complete(false, tr("Cancelled."));
}

void ModemManagerSender::complete(bool sent, const QString& error)
{
    ++generation_;
    deadline_.stop();
    Done done = std::move(done_);
    done_ = nullptr;
    if (done)
        done(sent, error);
}

// KDE Connect ------------------------------------------------------------------------

KdeConnectSender::KdeConnectSender(KdeConnectOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)), run_(tr("The phone did not answer in time."))
{
}

QString KdeConnectSender::findDevice()
{
    QProcess list;
    list.start(options_.program, {QStringLiteral("--list-available"), QStringLiteral("--id-only")});
    if (!list.waitForStarted(3000) || !list.waitForFinished(5000)) {
        list.kill();
        list.waitForFinished(1000);
        return {};
    }
    if (list.exitStatus() != QProcess::NormalExit || list.exitCode() != 0)
        return {};
    QStringList ids;
    for (const QString& line : QString::fromUtf8(list.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QString id = line.trimmed();
        if (!id.isEmpty())
            ids.append(id);
    }
    if (!options_.deviceId.isEmpty())
        return ids.contains(options_.deviceId) ? options_.deviceId : QString();
    return ids.value(0);
}

bool KdeConnectSender::isAvailable()
{
    return !findDevice().isEmpty();
}

void KdeConnectSender::send(const QString& number, const QString& text, Done done)
{
    run_.expect(std::move(done));
    const QString device = findDevice();
    if (device.isEmpty()) {
        QTimer::singleShot(0, this, [this] { run_.complete(false, tr("No paired phone is reachable.")); });
        return;
    }
    // A list of arguments, never a shell: the text may hold anything.
    run_.start(options_.program,
               {QStringLiteral("--send-sms"), text, QStringLiteral("--destination"), number, QStringLiteral("--device"),
                device},
               options_.timeoutMs, [](int, const QByteArray& standardError) {
                   const QString why = QString::fromUtf8(standardError).trimmed();
                   return why.isEmpty() ? tr("The phone could not send the message.") : why;
               });
}

void KdeConnectSender::abort()
{
    run_.abort(tr("Cancelled."));
}
