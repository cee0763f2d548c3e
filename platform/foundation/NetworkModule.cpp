// The network module: TCP connections through Qt's network library, for programs that must
// not load that library before they need it.
#include "platform/foundation/ModuleEntry.h"
#include "platform/foundation/TcpConnection.h"

#include <QTcpSocket>

QUORVEL_MODULE_EXPORT QIODevice* quorvel_tcp_connect(const QString& host, quint16 port, qint64 readBufferSize,
                                                     QObject* context, TcpEvents events)
{
    auto* socket = new QTcpSocket(context);
    if (readBufferSize > 0)
        socket->setReadBufferSize(readBufferSize);
    QObject::connect(socket, &QAbstractSocket::connected, context, events.connected);
    QObject::connect(socket, &QAbstractSocket::errorOccurred, context,
                     [socket, failed = events.failed](QAbstractSocket::SocketError) { failed(socket->errorString()); });
    QObject::connect(socket, &QAbstractSocket::disconnected, context, events.closed);
    socket->connectToHost(host, port, QIODevice::ReadOnly);
    return socket;
}

QUORVEL_MODULE_EXPORT void quorvel_tcp_abort(QIODevice* socket)
{
    if (auto* tcp = qobject_cast<QAbstractSocket*>(socket))
        tcp->abort();
}
