#include "support/TestSupport.h"
#include "platform/foundation/UserDefaults.h"
#include "templates/SettingsKeys.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <sys/stat.h>

LogCapture::LogCapture()
{
    previous_ = Log::setSink([this](const QString& m) {
        const std::lock_guard<std::mutex> lock(mutex_);
        lines_.append(m);
    });
}

LogCapture::~LogCapture()
{
    Log::setSink(std::move(previous_));
}

QStringList LogCapture::lines() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

bool LogCapture::contains(const QString& line) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return lines_.contains(line);
}

qsizetype LogCapture::indexOf(const QString& line, qsizetype from) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return lines_.indexOf(line, from);
}

void LogCapture::clear()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    lines_.clear();
}

void initTestEnvironment()
{
    // A folder of this process's own, so that tests running side by side never share a
    // store (the standard paths' test mode would give them all the same one).
    static QTemporaryDir home;
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(var, (home.path() + QLatin1Char('/') + QString::fromLatin1(var)).toLocal8Bit());
    // The log stays off standard error unless asked for, so failures are easy to read.
    Log::setEchoToStandardError(qEnvironmentVariableIsSet("QUORVEL_TEST_LOG"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    qputenv("TZ", "UTC");
}

void resetStandardStore()
{
    UserDefaults& store = UserDefaults::standardUserDefaults();
    QFile::remove(store.path());
    store.reload();
}

void storeTemplates(const std::optional<QStringList>& templates, std::optional<qint64> selected)
{
    resetStandardStore();
    UserDefaults& d = UserDefaults::standardUserDefaults();
    if (templates)
        d.setStringArray(*templates, SettingsKeys::TemplatesArray);
    if (selected)
        d.setInteger(*selected, SettingsKeys::SelectedTemplate);
    d.synchronize();
}

void storeSelectedTemplate(const QString& text)
{
    resetStandardStore();
    UserDefaults& d = UserDefaults::standardUserDefaults();
    d.setStringArray({text}, SettingsKeys::TemplatesArray);
    d.setString(MessageSource::Selected, SettingsKeys::Last);
    d.synchronize();
}

bool placeSpecialFile(const QString& path, const QString& kind, const QByteArray& content)
{
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1String("zero"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    if (kind == QLatin1String("io"))
        return QFile::link(QStringLiteral("/proc/self/mem"), path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

std::optional<QString> firstLineOf(QProcess& process, int ms)
{
    if (!process.waitForStarted(5000))
        return std::nullopt;
    QElapsedTimer t;
    t.start();
    while (!process.canReadLine() && t.elapsed() < ms)
        process.waitForReadyRead(200);
    if (!process.canReadLine())
        return std::nullopt;
    return QString::fromUtf8(process.readLine()).trimmed();
}

#ifdef __SANITIZE_ADDRESS__
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

double heapMegabytes()
{
#ifdef __SANITIZE_ADDRESS__
    return double(__sanitizer_get_current_allocated_bytes()) / (1 << 20);
#else
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
#endif
}

QString hostileMarkup(const QString& folder)
{
    const QString picture = QDir(folder).filePath(QStringLiteral("local.png"));
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.save(picture);
    return QStringLiteral("<img src=\"%1\"><h2 style=\"color:green\">Message delivered \u2713</h2><!--").arg(picture);
}

bool drawsAsPlainText(const QLabel* label)
{
    // Taken as markup, the picture alone would make the label 300 pixels high.
    return label->textFormat() == Qt::PlainText && label->sizeHint().height() < 150;
}
