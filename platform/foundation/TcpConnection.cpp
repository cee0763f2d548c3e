#include "platform/foundation/TcpConnection.h"
#include "platform/foundation/Modules.h"

#include <QMetaObject>

namespace {

struct NetworkModule {
    TcpConnectFunction connect = nullptr;
    TcpAbortFunction abort = nullptr;
    QString error;
};

const NetworkModule& networkModule()
{
    static const NetworkModule module = [] {
        NetworkModule m;
        const QString name = QStringLiteral("network");
        m.connect = reinterpret_cast<TcpConnectFunction>(Modules::function(name, kTcpConnectSymbol, &m.error));
        m.abort = reinterpret_cast<TcpAbortFunction>(Modules::function(name, kTcpAbortSymbol, &m.error));
        if (!m.abort)
            m.connect = nullptr;
        return m;
    }();
    return module;
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
    const NetworkModule& module = networkModule();
    if (!module.connect) {
        QMetaObject::invokeMethod(this, [this, why = module.error] { emit failed(why); }, Qt::QueuedConnection);
        return;
    }
    // The module connects these with this object as their context, so that abort() can
    // silence them all by disconnecting the socket from it.
    TcpEvents events;
    events.connected = [this] { emit connected(); };
    events.failed = [this](const QString& why) { emit failed(why); };
    events.closed = [this] { emit closed(); };
    device_ = module.connect(host, port, readBufferSize, this, std::move(events));
}

void TcpConnection::abort()
{
    QIODevice* socket = device_.data();
    if (!socket)
        return;
    device_.clear();
    socket->disconnect(this);
    networkModule().abort(socket);
    socket->deleteLater();
}
