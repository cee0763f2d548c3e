#pragma once
// A TCP connection made without blocking, by the network module: Qt's network library and
// the resolver, proxy and Kerberos libraries it brings are loaded at the first connection
// rather than at every start. Only this object crosses the module's boundary.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtPlugin>

class TcpConnection : public QObject {
    Q_OBJECT
public:
    // The network module's connection, or, without the module, one whose every attempt
    // fails saying why the module could not be loaded.
    static TcpConnection* create(QObject* parent);

    // Starts connecting (ending any earlier connection); connected() or failed() follows,
    // never inside this call. With `readBufferSize`, no more than that waits unread (the peer
    // is held back instead).
    virtual void connectToHost(const QString& host, quint16 port, qint64 readBufferSize = 0) = 0;
    // At most `maximum` of the bytes that have arrived; empty when none wait.
    virtual QByteArray read(qint64 maximum) = 0;
    // Ends the connection at once; no signal follows.
    virtual void abort() = 0;

signals:
    void connected();
    void readyRead();                 // bytes wait for read()
    void failed(const QString& why);  // refused, unreachable, reset, time-out
    void closed();                    // the peer ended the connection

protected:
    using QObject::QObject;
};

// What the network module offers for TCP.
class TcpModule {
public:
    virtual ~TcpModule() = default;
    virtual TcpConnection* createConnection(QObject* parent) = 0;
};
Q_DECLARE_INTERFACE(TcpModule, "org.quorvel.TcpModule/1")
