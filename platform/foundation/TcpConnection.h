#pragma once
// A TCP connection made without blocking, through the network module: Qt's network library
// and the resolver, proxy and Kerberos libraries it brings are loaded at the first
// connection rather than at every start.

#include <QIODevice>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtPlugin>
#include <functional>

// What the module reports of a connection; delivered in the connection's thread.
struct TcpEvents {
    std::function<void()> connected;
    std::function<void(const QString& why)> failed; // refused, unreachable, reset, time-out
    std::function<void()> closed;                   // the peer ended the connection
};

class TcpConnection : public QObject {
    Q_OBJECT
public:
    explicit TcpConnection(QObject* parent = nullptr);
    ~TcpConnection() override; // aborts

    // Starts connecting; connected() or failed() follows, never inside this call. With
    // `readBufferSize`, no more than that waits unread (the peer is held back instead).
    void connectToHost(const QString& host, quint16 port, qint64 readBufferSize = 0);
    // The stream (its readyRead and read); nullptr before connectToHost or without the module.
    QIODevice* device() const { return device_.data(); }
    // Ends the connection at once; no signal follows.
    void abort();

signals:
    void connected();
    void failed(const QString& why);
    void closed();

private:
    QPointer<QIODevice> device_;
};

// What the network module offers for TCP.
class TcpModule {
public:
    virtual ~TcpModule() = default;
    // A socket of Qt's network library, a child of `context`, connecting; `events` are
    // delivered with `context` as their receiver.
    virtual QIODevice* connect(const QString& host, quint16 port, qint64 readBufferSize, QObject* context,
                               TcpEvents events) = 0;
    // Ends a socket connect() made at once, without any event.
    virtual void abort(QIODevice* socket) = 0;
};
Q_DECLARE_INTERFACE(TcpModule, "org.quorvel.TcpModule/1")
