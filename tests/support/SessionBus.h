#pragma once
// A private D-Bus session bus for one test process, and the real desktop services the
// tests start on it: gnome-keyring-daemon's Secret Service, and Evolution Data Server's
// source registry and address book factory. Each runs with XDG folders of its own under a
// temporary folder, and stops with its object.

#include "support/TestSupport.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace Harness {

class SessionBus {
public:
    ~SessionBus()
    {
        for (QProcess* p : services_)
            stop(*p);
        qDeleteAll(services_);
        stop(daemon_);
    }

    // Starts dbus-daemon and points this process (Qt and GLib alike) at it; call before
    // anything in the process touches the session bus.
    bool start()
    {
        // No service directories: only what the test starts answers, nothing is activated.
        const QString config = home.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                   " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                   "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                   "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                   "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        file.close();
        daemon_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                                                      QStringLiteral("--print-address")});
        address = firstLineOf(daemon_).value_or(QString());
        if (address.isEmpty())
            return false;
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        for (const char* var : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
            const QString dir = home.filePath(QString::fromLatin1(var));
            QDir().mkpath(dir);
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            environment.insert(QString::fromLatin1(var), dir);
        }
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        return true;
    }

    // gnome-keyring-daemon with a login keyring of its own, created and unlocked with
    // `password`.
    bool startKeyring(const QByteArray& password = "test-keyring")
    {
        QProcess* p = launch(QStringLiteral("gnome-keyring-daemon"),
                             {QStringLiteral("--foreground"), QStringLiteral("--components=secrets"),
                              QStringLiteral("--unlock")});
        if (!p)
            return false;
        p->write(password);
        p->closeWriteChannel();
        return waitForName(QStringLiteral("org.freedesktop.secrets"));
    }

    // The EDS registry and address book factory; the registry makes the built-in
    // "system-address-book" on its first start.
    bool startAddressBooks()
    {
        const QString libexec = QStringLiteral("/usr/libexec/");
        return launch(libexec + QStringLiteral("evolution-source-registry"), {})
               && waitForName(QStringLiteral("org.gnome.evolution.dataserver.Sources5"))
               && launch(libexec + QStringLiteral("evolution-addressbook-factory"), {})
               && waitForName(QStringLiteral("org.gnome.evolution.dataserver.AddressBook10"));
    }

    bool waitForName(const QString& name, int ms = 20000)
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("harness-watch"));
        QElapsedTimer t;
        t.start();
        bool found = false;
        while (!(found = bus.interface()->isServiceRegistered(name)) && t.elapsed() < ms)
            QTest::qWait(100);
        QDBusConnection::disconnectFromBus(QStringLiteral("harness-watch"));
        return found;
    }

    QString address;
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

private:
    QProcess* launch(const QString& program, const QStringList& args)
    {
        auto* p = new QProcess;
        p->setProcessEnvironment(environment);
        if (qEnvironmentVariableIsSet("QUORVEL_TEST_LOG")) {
            p->setProcessChannelMode(QProcess::ForwardedChannels);
        } else {
            p->setStandardOutputFile(QProcess::nullDevice());
            p->setStandardErrorFile(QProcess::nullDevice());
        }
        p->start(program, args);
        services_.append(p);
        return p->waitForStarted(5000) ? p : nullptr;
    }
    static void stop(QProcess& p)
    {
        if (p.state() == QProcess::NotRunning)
            return;
        p.terminate();
        if (!p.waitForFinished(3000)) {
            p.kill();
            p.waitForFinished(2000);
        }
    }

    QProcess daemon_;
    QList<QProcess*> services_;
};

} // namespace Harness
