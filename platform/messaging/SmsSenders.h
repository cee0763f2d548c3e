#pragma once
// The two ways an SMS leaves the machine: a modem through ModemManager on the system
// D-Bus, or a paired phone through KDE Connect's command-line client.

#include "platform/messaging/MessageCompose.h"
#include "platform/messaging/SendingProcess.h"

#include <QDBusConnection>
#include <QTimer>

struct ModemManagerOptions {
    // Empty: the system bus (DBUS_SYSTEM_BUS_ADDRESS is honoured by Qt).
    QString busAddress;
    // Empty: the first modem that has the Messaging interface.
    QString modemPath;
    int timeoutMs = 30000;
};

class ModemManagerSender : public QObject, public SmsSender {
    Q_OBJECT
public:
    explicit ModemManagerSender(ModemManagerOptions options, QObject* parent = nullptr);
    ~ModemManagerSender() override;

    bool isAvailable() override;
    void send(const QString& number, const QString& text, Done done) override;
    void abort() override;

    // The object path of the modem to use, or empty when there is none.
    QString findModem();
    // Every modem with messaging, without waiting for the bus's answer.
    void listModems(std::function<void(const QStringList& modems)> done);
    // The modems with messaging in an answer to GetManagedObjects, sorted; none, with why in
    // `problem`, for an error or an answer of another form.
    static QStringList modemsIn(const QDBusMessage& reply, QString* problem = nullptr);

private:
    void createMessage(const QString& modem, const QString& number, const QString& text);
    void sendMessage(const QString& modem, const QString& sms);
    void pollState(const QString& modem, const QString& sms);
    // Makes `call` and hands its reply to `next`, unless a newer send or the end of this one
    // came first. A failed call, or one whose answer is not of the D-Bus signature `answer`
    // (null: any, as it is not read), ends the send with `failure` (its %1: why).
    void callThen(const QDBusMessage& call, int timeoutMs, const char* answer, const QString& failure,
                  std::function<void(const QDBusMessage& reply)> next);
    void complete(bool sent, const QString& error);

    QDBusConnection bus();

    ModemManagerOptions options_;
    QString connectionName_;
    QString problem_; // why the last look for a modem found none, when the bus said
    Done done_;
    QTimer deadline_;
    QTimer poll_;
    quint64 generation_ = 0;
};

struct KdeConnectOptions {
    QString program = QStringLiteral("kdeconnect-cli");
    // Empty: the first reachable paired device.
    QString deviceId;
    int timeoutMs = 30000;
};

class KdeConnectSender : public QObject, public SmsSender {
    Q_OBJECT
public:
    explicit KdeConnectSender(KdeConnectOptions options, QObject* parent = nullptr);

    bool isAvailable() override;
    void send(const QString& number, const QString& text, Done done) override;
    void abort() override;

    // The id of the device to use, or empty when none is reachable.
    QString findDevice();

private:
    KdeConnectOptions options_;
    SendingProcess run_;
};
