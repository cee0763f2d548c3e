#pragma once
// Helpers for the sending tests: the loopback SMTP server, a private D-Bus bus with the
// ModemManager stand-in, and fake senders that answer as the test says.

#include "platform/foundation/DeviceSettings.h"
#include "platform/messaging/MailCompose.h"
#include "platform/messaging/MessageCompose.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

namespace Harness {

inline QString python()
{
    // Debian's own interpreter, where python3-aiosmtpd and python3-dbus are installed.
    return QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                 : QStandardPaths::findExecutable(QStringLiteral("python3"));
}

inline QString script(const char* name)
{
    return QStringLiteral(QUORVEL_SOURCE_DIR "/tests/support/") + QString::fromLatin1(name);
}

inline quint16 freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

// A helper program that prints a line (READY, or the bus address) once it can be used and
// stops when its standard input closes.
class Helper {
public:
    ~Helper() { stop(); }
    bool start(const QString& program, const QStringList& args, QString* firstLine = nullptr)
    {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(program, args);
        const std::optional<QString> line = firstLineOf(process_);
        if (!line)
            return false;
        if (firstLine)
            *firstLine = *line;
        return true;
    }
    void stop()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        // The helpers stop when their input closes; dbus-daemon does not, so it is asked to.
        process_.closeWriteChannel();
        if (!process_.waitForFinished(1000)) {
            process_.terminate();
            if (!process_.waitForFinished(3000)) {
                process_.kill();
                process_.waitForFinished(2000);
            }
        }
    }
    qint64 pid() const { return process_.processId(); }
    // Writes a line to the helper and waits for its answer line.
    bool tell(const QByteArray& line, const QByteArray& answer)
    {
        process_.write(line + '\n');
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 15000) {
            while (process_.canReadLine())
                if (process_.readLine().trimmed() == answer)
                    return true;
            process_.waitForReadyRead(200);
        }
        return false;
    }

private:
    QProcess process_;
};

// aiosmtpd on 127.0.0.1; messages land as JSON files in a folder of its own.
class SmtpServer {
public:
    // `options`: "--auth USER PASSWORD", "--starttls CERT KEY".
    bool start(const QStringList& options = {})
    {
        port = freePort();
        return helper.start(python(), QStringList{script("smtp_server.py"), QString::number(port), dir.path()} + options);
    }
    QList<QJsonObject> messages() const
    {
        QList<QJsonObject> out;
        for (const QFileInfo& f : QDir(dir.path()).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            QFile file(f.absoluteFilePath());
            file.open(QIODevice::ReadOnly);
            out.append(QJsonDocument::fromJson(file.readAll()).object());
        }
        return out;
    }
    quint16 port = 0;
    QTemporaryDir dir;
    Helper helper;
};

// dbus-daemon on a socket of its own, with the ModemManager stand-in in `mode`.
class ModemBus {
public:
    bool start(const QString& mode)
    {
        if (!daemon.start(QStringLiteral("dbus-daemon"),
                          {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")},
                          &address))
            return false;
        recordPath = dir.filePath(QStringLiteral("calls.jsonl"));
        return modem.start(python(), {script("fake_modemmanager.py"), address, mode, recordPath});
    }
    QList<QJsonObject> calls() const
    {
        QList<QJsonObject> out;
        QFile file(recordPath);
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray& line : file.readAll().split('\n'))
                if (!line.isEmpty())
                    out.append(QJsonDocument::fromJson(line).object());
        return out;
    }
    QString address;
    QString recordPath;
    QTemporaryDir dir;
    Helper daemon;
    Helper modem;
};

// Replaces the device settings file with these "group/key" values.
inline void writeDeviceSettings(const QList<std::pair<QString, QVariant>>& values)
{
    QFile::remove(DeviceSettings::path());
    for (const auto& [key, value] : values)
        DeviceSettings::setValue(key.section(u'/', 0, 0), key.section(u'/', 1), value);
}

class FakeSmsSender : public SmsSender {
public:
    struct State {
        bool available = true;
        bool succeed = true;
        QList<std::pair<QString, QString>> sent; // number, text
    };
    explicit FakeSmsSender(std::shared_ptr<State> state) : state_(std::move(state)) {}
    bool isAvailable() override { return state_->available; }
    void send(const QString& number, const QString& text, Done done) override
    {
        state_->sent.append({number, text});
        const bool ok = state_->succeed;
        QTimer::singleShot(0, [done, ok] { done(ok, ok ? QString() : QStringLiteral("no network")); });
    }

private:
    std::shared_ptr<State> state_;
};

class FakeMailSender : public MailSender {
public:
    struct State {
        bool available = true;
        bool succeed = true;
        QList<MailMessage> sent;
    };
    explicit FakeMailSender(std::shared_ptr<State> state) : state_(std::move(state)) {}
    bool isAvailable() override { return state_->available; }
    QString fromAddress() const override { return QStringLiteral("me@example.org"); }
    void send(const MailMessage& message, Done done) override
    {
        state_->sent.append(message);
        const bool ok = state_->succeed;
        QTimer::singleShot(0, [done, ok] { done(ok, ok ? QString() : QStringLiteral("server said no")); });
    }

private:
    std::shared_ptr<State> state_;
};

} // namespace Harness
