#include "platform/foundation/PrivateFiles.h"
#include "platform/foundation/FileDescriptor.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PrivateFiles {

namespace {

QString errnoText(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

namespace {

// Opens `path` without blocking and checks that it is a regular file within `limit`; on
// success `f` holds it open.
ReadResult openChecked(const QString& path, qint64 limit, FileDescriptor& f, qint64* size)
{
    ReadResult result;
    const QByteArray name = QFile::encodeName(path);
    f.reset(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!f.isValid()) {
        const int err = errno;
        result.status = err == ENOENT ? ReadResult::Missing : ReadResult::Failed;
        if (err != ENOENT)
            result.error = errnoText(err);
        return result;
    }
    struct stat st {};
    if (::fstat(f.get(), &st) != 0) {
        result.status = ReadResult::Failed;
        result.error = errnoText(errno);
        return result;
    }
    result.mode = st.st_mode & 07777;
    result.stamp = {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino), static_cast<qint64>(st.st_size),
                    static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                    static_cast<qint64>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
    if (!S_ISREG(st.st_mode)) {
        result.status = ReadResult::NotRegular;
        result.error = QStringLiteral("not a regular file");
        return result;
    }
    if (st.st_size > limit) {
        result.status = ReadResult::TooLarge;
        result.error = QStringLiteral("%1 bytes, more than the %2 allowed").arg(st.st_size).arg(limit);
        return result;
    }
    *size = st.st_size;
    result.status = ReadResult::Ok;
    return result;
}

} // namespace

ReadResult inspectFile(const QString& path, qint64 limit)
{
    FileDescriptor f;
    qint64 size = 0;
    return openChecked(path, limit, f, &size);
}

ReadResult readRegularFile(const QString& path, qint64 limit)
{
    FileDescriptor f;
    qint64 size = 0;
    ReadResult result = openChecked(path, limit, f, &size);
    if (result.status != ReadResult::Ok)
        return result;
    // The size can change while we read; one byte past the limit tells that it grew too far.
    QByteArray bytes(static_cast<qsizetype>(std::min<qint64>(size, limit) + 1), Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > limit)
                break;
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(limit + 1, got * 2 + 4096)));
        }
        const ssize_t n = ::read(f.get(), bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.status = ReadResult::Failed;
            result.error = errnoText(errno);
            return result;
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > limit) {
        result.status = ReadResult::TooLarge;
        result.error = QStringLiteral("grew past the %1 bytes allowed").arg(limit);
        return result;
    }
    bytes.resize(static_cast<qsizetype>(got));
    result.bytes = std::move(bytes);
    return result;
}

bool makeFolder(const QString& folder, QString* error)
{
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (QFileInfo(clean).isDir())
        return true;
    const qsizetype slash = clean.lastIndexOf(u'/');
    if (slash > 0 && !makeFolder(clean.left(slash), error))
        return false;
    if (::mkdir(QFile::encodeName(clean).constData(), 0700) != 0 && errno != EEXIST) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(clean, errnoText(errno));
        return false;
    }
    return true;
}

bool writeAtomically(const QString& linkOrPath, const QByteArray& bytes, QString* error)
{
    // A document kept elsewhere under a link (dotfiles) is written where the link points,
    // and the link stays.
    const QFileInfo link(linkOrPath);
    const QString target = link.isSymLink() ? link.canonicalFilePath() : QString();
    const QString path = target.isEmpty() ? linkOrPath : target;
    const QFileInfo info(path);
    if (!makeFolder(info.absolutePath(), error))
        return false;
    QByteArray tmp = QFile::encodeName(path) + ".XXXXXX";
    FileDescriptor f;
    f.reset(::mkostemp(tmp.data(), O_CLOEXEC));   // mkostemp makes it 0600
    if (!f.isValid()) {
        if (error)
            *error = errnoText(errno);
        return false;
    }
    const bool written = writeAll(f.get(), bytes) && ::fsync(f.get()) == 0;
    const int err = errno;
    f.reset();
    if (!written || ::rename(tmp.constData(), QFile::encodeName(path).constData()) != 0) {
        if (error)
            *error = errnoText(written ? errno : err);
        ::unlink(tmp.constData());
        return false;
    }
    return true;
}

bool writeNewFile(const QString& path, const QByteArray& bytes, QString* error)
{
    if (!makeFolder(QFileInfo(path).absolutePath(), error))
        return false;
    const QByteArray name = QFile::encodeName(path);
    FileDescriptor f;
    f.reset(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!f.isValid()) {
        if (error)
            *error = errnoText(errno);
        return false;
    }
    if (!writeAll(f.get(), bytes) || ::fsync(f.get()) != 0) {
        if (error)
            *error = errnoText(errno);
        ::unlink(name.constData());
        return false;
    }
    return true;
}

QString setAside(const QString& path)
{
    const QString aside = path + QStringLiteral(".damaged-")
                          + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0)
        return {};
    return aside;
}

} // namespace PrivateFiles
