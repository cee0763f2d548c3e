#include "platform/foundation/Log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace {

Log::Sink& sink()
{
    static Log::Sink s;
    return s;
}

bool& echo()
{
    static bool e = true;
    return e;
}

QString processName()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationName();
    return QStringLiteral("quorvel");
}

} // namespace

namespace Log {

void write(const QString& message)
{
    if (sink())
        sink()(message);
    if (!echo())
        return;
    const QString line = QStringLiteral("%1 %2[%3] %4\n")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")),
                                  processName(), QString::number(::getpid()), message);
    const QByteArray bytes = line.toUtf8();
    // One write per line keeps lines whole when several processes share the terminal.
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

Sink setSink(Sink s)
{
    Sink old = std::move(sink());
    sink() = std::move(s);
    return old;
}

void setEchoToStandardError(bool e)
{
    echo() = e;
}

} // namespace Log
