// The network module: TCP connections, host addresses and the local server of the single
// instance through Qt's network library, for
// programs that must not load that library before they need it.
#include "platform/foundation/HostAddress.h"
#include "platform/foundation/LocalLineService.h"
#include "platform/foundation/ModuleEntry.h"
#include "platform/foundation/TcpConnection.h"

#include <QHostAddress>
#include <QList>
#include <QSignalBlocker>
#include <QTcpSocket>

#include <algorithm>
#include <arpa/inet.h>

namespace {

// The text without blanks around it, in Latin-1; empty when it holds anything else, a blank
// inside, or brackets (which belong to a URL's or a mail address's syntax, not the address).
QByteArray plain(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QByteArray latin = trimmed.toLatin1();
    if (latin.size() != trimmed.size())
        return {};
    for (const char c : latin)
        if (c == ' ' || c == '\t' || c == '[' || c == ']')
            return {};
    return latin;
}

// Qt reads short and hexadecimal IPv4 forms too; a literal written out is four decimal parts.
bool isWrittenOut(const QByteArray& text)
{
    const QList<QByteArray> parts = text.split('.');
    if (parts.size() != 4)
        return false;
    for (const QByteArray& part : parts)
        if (part.isEmpty() || part.size() > 3 || !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
    return true;
}

} // namespace

// The connection callers hold: a QTcpSocket whose signals it passes on.
class QtTcpConnection final : public TcpConnection {
public:
    explicit QtTcpConnection(QObject* parent) : TcpConnection(parent)
    {
        QObject::connect(&socket_, &QAbstractSocket::connected, this, &TcpConnection::connected);
        QObject::connect(&socket_, &QIODevice::readyRead, this, &TcpConnection::readyRead);
        QObject::connect(&socket_, &QAbstractSocket::errorOccurred, this,
                         [this](QAbstractSocket::SocketError) { emit failed(socket_.errorString()); });
        QObject::connect(&socket_, &QAbstractSocket::disconnected, this, &TcpConnection::closed);
    }
    ~QtTcpConnection() override { abort(); }

    void connectToHost(const QString& host, quint16 port, qint64 readBufferSize) override
    {
        abort();
        socket_.setReadBufferSize(readBufferSize > 0 ? readBufferSize : 0);
        // Started from the event loop: Qt may report some failures inside connectToHost,
        // and callers are promised none before this call returns.
        const quint64 attempt = attempt_;
        QMetaObject::invokeMethod(this, [this, attempt, host, port] {
            if (attempt == attempt_)
                socket_.connectToHost(host, port, QIODevice::ReadOnly);
        }, Qt::QueuedConnection);
    }

    QByteArray read(qint64 maximum) override { return socket_.read(maximum); }

    void abort() override
    {
        ++attempt_;
        const QSignalBlocker quiet(socket_);
        socket_.abort();
    }

private:
    QTcpSocket socket_;
    quint64 attempt_ = 0;
};

QObject* serveLocalLines(int listeningFd, int copy, std::function<void(const QByteArray&)> onLine, QObject* parent); // LocalLineServing.cpp

class NetworkPlugin : public QObject, public QuorvelModule, public TcpModule, public HostAddressModule, public LocalLineModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.quorvel.TcpModule/1")
    Q_INTERFACES(QuorvelModule TcpModule HostAddressModule LocalLineModule)
public:
    void setLogWriter(QuorvelModuleLogWriter writer) override { setModuleLogWriter(writer); }

    HostAddress::Family family(const QString& text) const override
    {
        const QByteArray latin = plain(text);
        QHostAddress address;
        if (latin.isEmpty() || !address.setAddress(QString::fromLatin1(latin)))
            return HostAddress::Family::None;
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return isWrittenOut(latin) ? HostAddress::Family::IPv4 : HostAddress::Family::None;
        // A scope ("fe80::1%eth0") names this machine's interface, not an address to write.
        if (address.protocol() == QAbstractSocket::IPv6Protocol && address.scopeId().isEmpty())
            return HostAddress::Family::IPv6;
        return HostAddress::Family::None;
    }

    bool isLoopback(const QString& host) const override
    {
        const QByteArray latin = plain(host);
        if (latin.isEmpty())
            return false;
        if (latin.compare("localhost", Qt::CaseInsensitive) == 0)
            return true;
        // IPv4 as the resolver reads it, short forms ("127.1") included, as that is where a
        // connection to such a host goes; Qt reads some of them otherwise.
        in_addr v4{};
        if (inet_aton(latin.constData(), &v4) != 0)
            return QHostAddress(ntohl(v4.s_addr)).isLoopback();
        QHostAddress address;
        if (!address.setAddress(QString::fromLatin1(latin)) || address.protocol() != QAbstractSocket::IPv6Protocol)
            return false;
        bool mapped = false;
        const quint32 v4mapped = address.toIPv4Address(&mapped);
        return mapped ? QHostAddress(v4mapped).isLoopback() : address.isLoopback();
    }

    TcpConnection* createConnection(QObject* parent) override { return new QtTcpConnection(parent); }

    QObject* serveLines(int listeningFd, int copy, std::function<void(const QByteArray&)> onLine, QObject* parent) override
    {
        return serveLocalLines(listeningFd, copy, std::move(onLine), parent);
    }
};

#include "NetworkModule.moc"
