#include "platform/location/GpsdOwner.h"

#include <QFile>

#include <optional>

#include <pwd.h>

namespace GpsdOwner {

namespace {

constexpr char kListen[] = "0A";

// The gpsd system user's id, if the system has one.
std::optional<uint> gpsdUser()
{
    const passwd* pw = getpwnam("gpsd");
    return pw ? std::optional<uint>(pw->pw_uid) : std::nullopt;
}

} // namespace

QList<uint> listenerOwners(quint16 port, const QString& procNet)
{
    QList<uint> owners;
    for (const char* table : {"/tcp", "/tcp6"}) {
        QFile file(procNet + QLatin1String(table));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        file.readLine(); // the column heads
        // "sl local_address rem_address st tx:rx tr:when retrnsmt uid ...", the local
        // address as HEX:PORT with the port in hexadecimal.
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().simplified().split(' ');
            if (fields.size() < 8 || fields.at(3) != kListen)
                continue;
            const QByteArray& local = fields.at(1);
            const qsizetype colon = local.lastIndexOf(':');
            bool portOk = false;
            bool uidOk = false;
            const uint localPort = colon < 0 ? 0 : local.mid(colon + 1).toUInt(&portOk, 16);
            const uint uid = fields.at(7).toUInt(&uidOk);
            if (portOk && uidOk && localPort == port)
                owners.append(uid);
        }
    }
    return owners;
}

QString distrust(quint16 port, bool loopback, const QString& procNet)
{
    if (!loopback)
        return {};
    const QList<uint> owners = listenerOwners(port, procNet);
    if (owners.isEmpty())
        return QStringLiteral("no listening socket of its own found in %1/tcp or tcp6").arg(procNet);
    const std::optional<uint> gpsd = gpsdUser();
    for (uint owner : owners) {
        if (owner != 0 && owner != gpsd)
            return QStringLiteral("its socket belongs to user %1, not root or gpsd (choose source=gpsd to use it)")
                .arg(owner);
    }
    return {};
}

} // namespace GpsdOwner
