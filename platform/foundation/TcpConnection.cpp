#include "platform/foundation/TcpConnection.h"
#include "platform/foundation/Modules.h"

#include <QMetaObject>

namespace {

// Stands in for the module's connection when the module cannot be loaded.
class UnavailableConnection final : public TcpConnection {
public:
    UnavailableConnection(QString why, QObject* parent) : TcpConnection(parent), why_(std::move(why)) {}

    void connectToHost(const QString&, quint16, qint64) override
    {
        const quint64 attempt = ++attempt_;
        QMetaObject::invokeMethod(this, [this, attempt] {
            if (attempt == attempt_)
                emit failed(why_);
        }, Qt::QueuedConnection);
    }
    QByteArray read(qint64) override { return {}; }
    void abort() override { ++attempt_; }

private:
    QString why_;
    quint64 attempt_ = 0;
};

} // namespace

TcpConnection* TcpConnection::create(QObject* parent)
{
    QString why;
    if (TcpModule* module = Modules::get<TcpModule>(QStringLiteral("network"), &why))
        return module->createConnection(parent);
    return new UnavailableConnection(why, parent);
}
