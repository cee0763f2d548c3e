#include "platform/foundation/Images.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

QString imageResourcePath(const QString& name)
{
    QString path = QStringLiteral(":/images/") + name;
    if (!name.endsWith(QLatin1String(".png")))
        path += QStringLiteral(".png");
    return QFile::exists(path) ? path : QString();
}

QPixmap imageNamed(const QString& name)
{
    const QString path = imageResourcePath(name);
    if (path.isEmpty())
        return {};
    // Our images are PNG: Qt's own reader, without asking every image-format plugin first.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

namespace {

// The name under which QPixmap keeps a file it has read in the pixmap cache, and finds it
// again before reading the file anew.
QString pixmapCacheKey(const QFileInfo& info)
{
    auto hex = [](auto value) {
        QString digits;
        const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
        for (std::size_t i = 0; i < sizeof value; ++i) {
            digits += QLatin1Char("0123456789abcdef"[bytes[i] & 0xf]);
            digits += QLatin1Char("0123456789abcdef"[bytes[i] >> 4]);
        }
        return digits;
    };
    return QLatin1String("qt_pixmap") + info.absoluteFilePath() + hex(uint(info.lastModified().toSecsSinceEpoch()))
           + hex(quint64(info.size())) + hex(uint(0 /* a pixmap, not a bitmap */));
}

} // namespace

QString preloadPng(const QString& path)
{
    if (path.isEmpty() || !QFile::exists(path))
        return path;
    const QString key = pixmapCacheKey(QFileInfo(path));
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return path;
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull())
        QPixmapCache::insert(key, QPixmap::fromImage(image));
    return path;
}
