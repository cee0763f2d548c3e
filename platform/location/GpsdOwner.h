#pragma once
// Whether a gpsd found by the automatic choice can be trusted: any local user may listen
// on gpsd's unprivileged port and hand out positions of their choosing, so only a listening
// socket owned by root or the gpsd system user is taken without the user asking for it.

#include <QList>
#include <QString>

namespace GpsdOwner {

// The owners (user ids) of the TCP sockets listening on `port` on this machine, as the
// kernel lists them in <procNet>/tcp and tcp6.
QList<uint> listenerOwners(quint16 port, const QString& procNet = QStringLiteral("/proc/net"));

// Empty when the listener on `port` may be used; else why not, for the log. `loopback`
// tells whether the address is this machine's: a listener elsewhere cannot be looked at.
QString distrust(quint16 port, bool loopback, const QString& procNet = QStringLiteral("/proc/net"));

} // namespace GpsdOwner
