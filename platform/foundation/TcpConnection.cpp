#include "platform/foundation/TcpConnection.h"
#include "platform/foundation/Modules.h"

#include <QMetaObject>

namespace {

// The network module, or nullptr with `error` saying why.
TcpModule* networkModule(QString* error)
{
    return Modules::get<TcpModule>(QStringLiteral("network"), error);
}

} // namespace

TcpConnection::TcpConnection(QObject* parent) : QObject(parent) {}

TcpConnection::~TcpConnection()
{
    abort();
}

void TcpConnection::connectToHost(const QString& host, quint16 port, qint64 readBufferSize)
{
    abort();
    QString why;
    TcpModule* module = networkModule(&why);
    if (!module) {
        QMetaObject::invokeMethod(this, [this, why] { emit failed(why); }, Qt::QueuedConnection);
        return;
    }
    // The module connects these with this object as their context, so that abort() can
    // silence them all by disconnecting the socket from it.
    TcpEvents events;
    events.connected = [this] { emit connected(); };
    events.failed = [this](const QString& why) { emit failed(why); };
    events.closed = [this] { emit closed(); };
    device_ = module->connect(host, port, readBufferSize, this, std::move(events));
}

void TcpConnection::abort()
{
    QIODevice* socket = device_.data();
    if (!socket)
        return;
    device_.clear();
    socket->disconnect(this);
    QString why;
    if (TcpModule* module = networkModule(&why))
        module->abort(socket);
    socket->deleteLater();
}
