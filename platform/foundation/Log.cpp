#include "platform/foundation/Log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

// The lines carry the user's coordinates; QT_LOGGING_RULES="quorvel.diag=false" keeps
// them off standard error.
Q_LOGGING_CATEGORY(lcDiagnostics, "quorvel.diag", QtInfoMsg)

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

bool standardErrorIsJournal()
{
    // systemd sets JOURNAL_STREAM to "device:inode" of the stream it connected; a child
    // whose standard error was redirected elsewhere inherits the variable but not the stream.
    const QByteArray stream = qgetenv("JOURNAL_STREAM");
    const qsizetype colon = stream.indexOf(':');
    if (colon <= 0)
        return false;
    bool okDevice = false, okInode = false;
    const qulonglong device = stream.left(colon).toULongLong(&okDevice);
    const qulonglong inode = stream.mid(colon + 1).toULongLong(&okInode);
    struct stat st {};
    if (!okDevice || !okInode || ::fstat(STDERR_FILENO, &st) != 0)
        return false;
    return static_cast<qulonglong>(st.st_dev) == device && static_cast<qulonglong>(st.st_ino) == inode;
}

void write(const QString& message)
{
    if (sink())
        sink()(message);
    if (!echo() || !lcDiagnostics().isInfoEnabled())
        return;
    // The journal stamps each line itself.
    const bool journal = standardErrorIsJournal();
    const QString stamp = journal ? QString()
                                  : QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz "));
    const QString line = QStringLiteral("%1%2[%3] %4\n").arg(stamp, processName(), QString::number(::getpid()), message);
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
