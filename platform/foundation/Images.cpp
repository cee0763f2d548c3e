// The PNG reader below is a plugin linked into the program, registered before main().
#define QT_STATICPLUGIN

#include "platform/foundation/Images.h"

#include <QBuffer>
#include <QFile>
#include <QImageIOHandler>
#include <QImageIOPlugin>
#include <QImageReader>
#include <QtPlugin>
#include <algorithm>
#include <cmath>

QString imageResourcePath(const QString& name)
{
    QString path = QStringLiteral(":/images/") + name;
    if (!name.endsWith(QLatin1String(".png")))
        path += QStringLiteral(".png");
    return QFile::exists(path) ? path : QString();
}

QPixmap imageNamed(const QString& name, qreal ratio)
{
    QString path = imageResourcePath(name);
    if (path.isEmpty())
        return {};
    int drawnFor = 1;
    for (int n = std::min(3, int(std::ceil(ratio - 0.01))); n > 1; --n) {
        const QString sharper = path.chopped(4) + QStringLiteral("@%1x.png").arg(n);
        if (QFile::exists(sharper)) {
            path = sharper;
            drawnFor = n;
            break;
        }
    }
    // Our images are PNG: Qt's own reader, without asking every image-format plugin first.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(drawnFor);
    return pixmap;
}

namespace {

// Reads the file's bytes with Qt's built-in PNG reader. That reader is reached through a
// buffer, for which the plugin below declines, so it never asks itself again.
class PngFileHandler : public QImageIOHandler {
public:
    bool canRead() const override
    {
        if (!device() || !device()->peek(8).startsWith("\x89PNG\r\n\x1a\n"))
            return false;
        setFormat("png");
        return true;
    }
    bool read(QImage* image) override
    {
        QByteArray bytes = device()->readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "png");
        reader.setAutoDetectImageFormat(false);
        *image = reader.read();
        return !image->isNull();
    }
};

} // namespace

class PngFilesPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "PngFiles.json")
public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override
    {
        // Files only: everything else (a buffer, a socket) goes to Qt's usual route.
        if (format != "png" || !qobject_cast<QFile*>(device))
            return {};
        return CanRead;
    }
    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override
    {
        auto* handler = new PngFileHandler;
        handler->setDevice(device);
        handler->setFormat(format);
        return handler;
    }
};

Q_IMPORT_PLUGIN(PngFilesPlugin)

#include "Images.moc"
