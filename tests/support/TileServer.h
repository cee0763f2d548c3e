#pragma once
// A tile server on loopback for the map tests: answers /{z}/{x}/{y}.png with a tile of one
// colour per tile (tileColour), the cache headers the test asks for, or an error.

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

inline QColor tileColour(int z, int x, int y)
{
    return QColor::fromRgb((37 * x + 11 * z + 40) % 200 + 30, (53 * y + 7 * z + 90) % 200 + 30, (z * 29 + 60) % 200 + 30);
}

inline QByteArray tilePng(int z, int x, int y, int size = 256)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(tileColour(z, x, y));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class TileServer : public QObject {
public:
    int status = 200;            // the answer to every tile request
    QByteArray body;             // when set, the body of every tile instead of its picture
    QByteArray cacheHeaders = "Cache-Control: max-age=3600\r\n";
    QStringList requests;        // paths, in order
    QList<QByteArray> userAgents;

    TileServer()
    {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                buffers_.insert(socket, {});
                connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                    buffers_.remove(socket);
                    socket->deleteLater();
                });
            }
        });
        server_.listen(QHostAddress::LocalHost, 0);
    }
    ~TileServer() override
    {
        // The sockets outlive this object's members (they belong to the server): they must
        // not call back into it.
        for (QTcpSocket* socket : buffers_.keys()) {
            socket->disconnect(this);
            socket->abort();
        }
        buffers_.clear();
    }
    bool isListening() const { return server_.isListening(); }
    QString urlTemplate() const
    {
        return QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(server_.serverPort());
    }
    // Stops listening and drops the open connections, as a server that went away.
    void close()
    {
        server_.close();
        for (QTcpSocket* socket : buffers_.keys()) {
            socket->disconnect(this);
            socket->abort();
            socket->deleteLater();
        }
        buffers_.clear();
    }

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& buffer = buffers_[socket];
        buffer += socket->readAll();
        for (;;) {
            const qsizetype end = buffer.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray head = buffer.left(end);
            buffer.remove(0, end + 4);
            const QList<QByteArray> lines = head.split('\n');
            const QByteArray path = lines.value(0).split(' ').value(1);
            for (const QByteArray& line : lines)
                if (line.toLower().startsWith("user-agent:"))
                    userAgents.append(line.mid(11).trimmed());
            requests.append(QString::fromLatin1(path));
            static const QRegularExpression tile(QStringLiteral("^/(\\d+)/(\\d+)/(\\d+)\\.png$"));
            const auto m = tile.match(QString::fromLatin1(path));
            QByteArray body;
            int code = status;
            if (code == 200 && m.hasMatch() && !this->body.isEmpty())
                body = this->body;
            else if (code == 200 && m.hasMatch())
                body = tilePng(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
            else if (code == 200)
                code = 404;
            QByteArray reply = "HTTP/1.1 " + QByteArray::number(code) + (code == 200 ? " OK" : " Error") + "\r\n";
            reply += "Content-Type: " + QByteArray(code == 200 ? "image/png" : "text/plain") + "\r\n";
            if (code == 200)
                reply += cacheHeaders;
            reply += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: keep-alive\r\n\r\n";
            socket->write(reply + body);
        }
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};

// A MBTiles file with one solid tile per (z, x, y) asked for, rows stored TMS-style.
bool writeMBTiles(const QString& path, const QList<std::tuple<int, int, int>>& tiles, const QString& attribution = {},
                  const QString& maxZoom = {});
