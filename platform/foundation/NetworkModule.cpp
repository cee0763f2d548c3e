// The network module: TCP connections through Qt's network library, for programs that must
// not load that library before they need it.
#include "platform/foundation/ModuleEntry.h"
#include "platform/foundation/TcpConnection.h"

#include <QTcpSocket>

class NetworkPlugin : public QObject, public QuorvelModule, public TcpModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.quorvel.TcpModule/1")
    Q_INTERFACES(QuorvelModule TcpModule)
public:
    void setLogWriter(QuorvelModuleLogWriter writer) override { setModuleLogWriter(writer); }

    QIODevice* connect(const QString& host, quint16 port, qint64 readBufferSize, QObject* context,
                       TcpEvents events) override
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

    void abort(QIODevice* socket) override
    {
        if (auto* tcp = qobject_cast<QAbstractSocket*>(socket))
            tcp->abort();
    }
};

#include "NetworkModule.moc"
