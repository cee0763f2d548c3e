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
constexpr char objectsSignature[] = "a{oa{sa{sv}}}";
// More than any machine has modems; reading a longer list would only hold up the window.
constexpr int maxObjects = 64;

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

QStringList ModemManagerSender::modemsIn(const QDBusMessage& reply, QString* problem)
{
    QStringList modems;
    auto fail = [&](const QString& why) {
        if (problem)
            *problem = why;
        return QStringList();
    };
    if (reply.type() != QDBusMessage::ReplyMessage)
        return fail(tr("ModemManager did not list the modems: %1").arg(reply.errorMessage()));
    // Read as anything else, the answer would be taken apart at the wrong places.
    if (reply.signature() != QLatin1String(objectsSignature))
        return fail(tr("ModemManager listed the modems in an unexpected form (%1).").arg(reply.signature()));
    // a{oa{sa{sv}}}: object path -> interface -> properties; the properties are skipped.
    const QDBusArgument objects = reply.arguments().at(0).value<QDBusArgument>();
    objects.beginMap();
    for (int looked = 0; !objects.atEnd(); ++looked) {
        if (looked == maxObjects) {
            NSLog("SMS: ModemManager lists more than %d objects; the rest are not looked at", maxObjects);
            break;
        }
        objects.beginMapEntry();
        QDBusObjectPath path;
        objects >> path;
        objects.beginMap();
        while (!objects.atEnd()) {
            objects.beginMapEntry();
            QString interface;
            objects >> interface;
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
    problem_.clear();
    QDBusConnection connection = bus();
    if (!connection.isConnected())
        return {};
    QDBusMessage call = QDBusMessage::createMethodCall(mmService, mmRoot, QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                                       QStringLiteral("GetManagedObjects"));
    const QStringList modems = modemsIn(connection.call(call, QDBus::Block, queryTimeoutMs), &problem_);
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
        const QString why = problem_.isEmpty() ? tr("No modem that can send messages was found.") : problem_;
        QTimer::singleShot(0, this, [this, why] { complete(false, why); });
        return;
    }
    deadline_.start(options_.timeoutMs);
    createMessage(modem, number, text);
}

void ModemManagerSender::callThen(const QDBusMessage& call, int timeoutMs, const char* answer, const QString& failure,
                                  std::function<void(const QDBusMessage& reply)> next)
{
    auto* watcher = new QDBusPendingCallWatcher(bus().asyncCall(call, timeoutMs), this);
    const quint64 generation = generation_;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, generation, answer, failure, next = std::move(next)] {
                watcher->deleteLater();
                // A newer send, or the end of this one, came first.
                if (generation != generation_)
                    return;
                const QDBusMessage reply = watcher->reply();
                if (reply.type() != QDBusMessage::ReplyMessage) {
                    complete(false, failure.arg(reply.errorMessage()));
                    return;
                }
                if (answer && reply.signature() != QLatin1String(answer)) {
                    complete(false, failure.arg(tr("an answer of the unexpected form \"%1\"").arg(reply.signature())));
                    return;
                }
                next(reply);
            });
}

void ModemManagerSender::createMessage(const QString& modem, const QString& number, const QString& text)
{
    QDBusMessage call = QDBusMessage::createMethodCall(mmService, modem, mmMessaging, QStringLiteral("Create"));
    call << QVariantMap{{QStringLiteral("number"), number}, {QStringLiteral("text"), text}};
    callThen(call, options_.timeoutMs, "o", tr("The modem refused the message: %1"), [this, modem](const QDBusMessage& reply) {
        sendMessage(modem, reply.arguments().at(0).value<QDBusObjectPath>().path());
    });
}

void ModemManagerSender::sendMessage(const QString& modem, const QString& sms)
{
    QDBusMessage call = QDBusMessage::createMethodCall(mmService, sms, mmSms, QStringLiteral("Send"));
    callThen(call, options_.timeoutMs, nullptr, tr("The modem could not send the message: %1"),
             [this, modem, sms](const QDBusMessage&) { pollState(modem, sms); });
}

void ModemManagerSender::pollState(const QString& modem, const QString& sms)
{
    QDBusMessage call = QDBusMessage::createMethodCall(mmService, sms, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Get"));
    call << mmSms << QStringLiteral("State");
    const quint64 generation = generation_;
    const QString failure = tr("The modem lost the message: %1");
    callThen(call, queryTimeoutMs, "v", failure,
             [this, modem, sms, generation, failure](const QDBusMessage& reply) {
                 const QVariant value = reply.arguments().at(0).value<QDBusVariant>().variant();
                 if (value.metaType().id() != QMetaType::UInt) {
                     complete(false, failure.arg(tr("its state came as \"%1\"").arg(QString::fromLatin1(value.typeName()))));
                     return;
                 }
                 const uint state = value.toUInt();
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
