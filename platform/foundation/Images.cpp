#include "platform/foundation/Images.h"

#include <QFile>

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
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}
