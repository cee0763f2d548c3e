#include "platform/location/LocationSources.h"
#include "platform/location/GpsdSource.h"
#include "platform/location/AutoSource.h"
#include "platform/location/GeoClueSource.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/HostPort.h"
#include "platform/foundation/PrivateFiles.h"
#include "platform/foundation/TcpConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGeoPositionInfo>
#include <QNmeaPositionInfoSource>
#include <QSocketNotifier>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using FailureReporter = LocationManager::FailureReporter;

constexpr qint64 kMaxRecordingBytes = 64 << 20; // hours of fixes

// Seconds of the day of an NMEA sentence's time field (hhmmss[.ss]), if it has one. Only
// the framing is read here; the fix itself is Qt's to parse.
std::optional<double> sentenceTime(const QByteArray& line)
{
    if (line.size() < 7 || line.at(0) != '$')
        return std::nullopt;
    const QList<QByteArray> fields = line.split(',');
    const QByteArray type = fields.value(0).mid(3, 3);
    int index = -1;
    if (type == "GGA" || type == "RMC" || type == "ZDA" || type == "GNS" || type == "GST")
        index = 1;
    else if (type == "GLL")
        index = 5;
    if (index < 0 || index >= fields.size())
        return std::nullopt;
    const QByteArray t = fields.at(index);
    if (t.size() < 6)
        return std::nullopt;
    bool okH = false, okM = false, okS = false;
    const int h = t.left(2).toInt(&okH);
    const int m = t.mid(2, 2).toInt(&okM);
    const double s = t.mid(4).toDouble(&okS);
    if (!okH || !okM || !okS || h > 23 || m > 59 || !(s >= 0 && s < 61))
        return std::nullopt;
    return h * 3600.0 + m * 60.0 + s;
}

// The sentence with its time (and date, where it has one) set to `when`, and a new
// checksum. Sentences without a valid checksum or without a time stay as they are.
QByteArray restamped(const QByteArray& line, const QDateTime& when)
{
    const qsizetype star = line.lastIndexOf('*');
    if (line.size() < 7 || line.at(0) != '$' || star < 0 || star + 3 > line.size())
        return line;
    const QByteArray body = line.mid(1, star - 1);
    char sum = 0;
    for (char c : body)
        sum ^= c;
    bool ok = false;
    if (line.mid(star + 1, 2).toInt(&ok, 16) != static_cast<uchar>(sum) || !ok)
        return line;
    QList<QByteArray> fields = body.split(',');
    const QByteArray type = fields.value(0).mid(2, 3);
    const QByteArray time = when.toString(QStringLiteral("HHmmss.zzz")).left(9).toLatin1();
    auto set = [&fields](int i, const QByteArray& v) {
        if (i < fields.size() && !fields.at(i).isEmpty())
            fields[i] = v;
    };
    if (type == "GGA" || type == "RMC" || type == "GNS" || type == "GST" || type == "ZDA")
        set(1, time);
    else if (type == "GLL")
        set(5, time);
    else
        return line;
    if (type == "RMC")
        set(9, when.toString(QStringLiteral("ddMMyy")).toLatin1());
    if (type == "ZDA") {
        set(2, when.toString(QStringLiteral("dd")).toLatin1());
        set(3, when.toString(QStringLiteral("MM")).toLatin1());
        set(4, when.toString(QStringLiteral("yyyy")).toLatin1());
    }
    const QByteArray out = fields.join(',');
    sum = 0;
    for (char c : out)
        sum ^= c;
    return "$" + out + "*" + QByteArray::number(static_cast<uchar>(sum), 16).rightJustified(2, '0').toUpper();
}

QNmeaPositionInfoSource* nmeaSource(QObject* parent)
{
    auto* source = new NmeaPositionSource(parent);
    // Turns HDOP into metres for the horizontal accuracy.
    source->setUserEquivalentRangeError(5.0);
    return source;
}

QGeoPositionInfoSource* openReplay(const QString& path, double speed, const std::shared_ptr<NmeaReplayDevice::Progress>& progress,
                                   QObject* parent, const FailureReporter& fail)
{
    QByteArray recording;
    if (path.startsWith(QLatin1Char(':'))) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            fail(stringWithFormat("cannot open %@: %@", path, file.errorString()));
            return nullptr;
        }
        recording = file.readAll();
    } else {
        // A recording is read whole, so it must be a file of a sane size: /dev/zero or a FIFO
        // named here would never end, and a FIFO opened the blocking way never even opens.
        const PrivateFiles::ReadResult read = PrivateFiles::readRegularFile(path, kMaxRecordingBytes);
        switch (read.status) {
        case PrivateFiles::ReadResult::Ok:
            break;
        case PrivateFiles::ReadResult::NotRegular:
            fail(stringWithFormat("%@ is not a regular file", path));
            return nullptr;
        case PrivateFiles::ReadResult::TooLarge:
            fail(stringWithFormat("%@ is larger than %d MB", path, int(kMaxRecordingBytes >> 20)));
            return nullptr;
        case PrivateFiles::ReadResult::Missing:
            fail(stringWithFormat("cannot open %@: %@", path, QString::fromLocal8Bit(std::strerror(ENOENT))));
            return nullptr;
        case PrivateFiles::ReadResult::Failed:
            fail(stringWithFormat("cannot open %@: %@", path, read.error));
            return nullptr;
        }
        recording = read.bytes;
    }
    if (!recording.contains('$')) {
        fail(stringWithFormat("%@ holds no NMEA sentences", path));
        return nullptr;
    }
    QNmeaPositionInfoSource* source = nmeaSource(parent);
    auto* device = new NmeaReplayDevice(recording, speed, source, progress);
    device->open(QIODevice::ReadOnly);
    source->setDevice(device);
    return source;
}

QGeoPositionInfoSource* openCharacterDevice(const QString& path, QObject* parent, const FailureReporter& fail)
{
    QNmeaPositionInfoSource* source = nmeaSource(parent);
    auto* device = new CharacterDeviceReader(path, fail, source);
    QString error;
    if (!device->openDevice(&error)) {
        delete source;
        fail(error);
        return nullptr;
    }
    source->setDevice(device);
    return source;
}

QGeoPositionInfoSource* openTcp(const QString& host, quint16 port, QObject* parent, const FailureReporter& fail)
{
    QNmeaPositionInfoSource* source = nmeaSource(parent);
    auto* device = new TcpNmeaReader(host, port, fail, source);
    source->setDevice(device);
    return source;
}

LocationManager::SourceOpener failing(const QString& cause)
{
    return [cause](QObject*, const FailureReporter& fail) -> QGeoPositionInfoSource* {
        fail(cause);
        return nullptr;
    };
}

} // namespace

namespace LocationSources {

SourceSetting parseSource(const QString& source)
{
    using K = SourceSetting::Kind;
    const qsizetype colon = source.indexOf(QLatin1Char(':'));
    const QString kind = colon < 0 ? source : source.left(colon);
    const QString rest = colon < 0 ? QString() : source.mid(colon + 1);
    const bool alone = rest.isEmpty();
    if (source.isEmpty() || (kind == QLatin1String("auto") && alone))
        return {K::Auto, {}};
    if (kind == QLatin1String("demo") && alone)
        return {K::Demo, {}};
    if (kind == QLatin1String("geoclue") && alone)
        return {K::GeoClue, {}};
    if (kind == QLatin1String("gpsd"))
        return {K::Gpsd, rest};
    if (kind == QLatin1String("nmea"))
        return {rest.startsWith(QLatin1Char('/')) ? K::NmeaDevice : K::NmeaTcp, rest};
    if (kind == QLatin1String("replay"))
        return {K::Replay, rest};
    return {K::Unknown, source};
}

LocationManager::SourceOpener openerFor(const QString& source, double replaySpeed)
{
    using K = SourceSetting::Kind;
    const SourceSetting setting = parseSource(source);
    const QString& rest = setting.rest;
    switch (setting.kind) {
    case K::Demo:
        return openerFor(QStringLiteral("replay:") + LocationManager::bundledTrackPath(), replaySpeed);
    case K::Replay: {
        if (rest.isEmpty())
            return failing(QStringLiteral("replay needs a file: replay:PATH"));
        // A relative path is taken from the folder of the device settings.
        QString path = rest;
        if (!path.startsWith(QLatin1Char(':')) && QFileInfo(path).isRelative())
            path = QFileInfo(LocationManager::deviceSettingsPath()).dir().filePath(path);
        auto progress = std::make_shared<NmeaReplayDevice::Progress>();
        return [path, replaySpeed, progress](QObject* parent, const FailureReporter& fail) {
            return openReplay(path, replaySpeed, progress, parent, fail);
        };
    }
    case K::NmeaDevice:
        return [rest](QObject* parent, const FailureReporter& fail) { return openCharacterDevice(rest, parent, fail); };
    case K::NmeaTcp: {
        QString error;
        const std::optional<HostPort> at = parseHostPort(rest, 0, &error);
        if (!at)
            return failing(QStringLiteral("not a device path (/dev/...); ") + error);
        return [at = *at](QObject* parent, const FailureReporter& fail) { return openTcp(at.host, at.port, parent, fail); };
    }
    case K::Gpsd: {
        QString error;
        const std::optional<HostPort> at =
            rest.isEmpty() ? HostPort{QStringLiteral("localhost"), kGpsdPort} : parseHostPort(rest, kGpsdPort, &error);
        if (!at)
            return failing(error);
        return [at = *at](QObject* parent, const FailureReporter& fail) -> QGeoPositionInfoSource* {
            return new GpsdPositionSource(at.host, at.port, fail, parent);
        };
    }
    case K::GeoClue:
        return [](QObject* parent, const FailureReporter& fail) -> QGeoPositionInfoSource* {
            return new GeoCluePositionSource(fail, parent);
        };
    case K::Auto: {
        // One demo opener for every start, so that the walk goes on where it was.
        LocationManager::SourceOpener demo = openerFor(QStringLiteral("demo"), replaySpeed);
        return [demo](QObject* parent, const FailureReporter& fail) -> QGeoPositionInfoSource* {
            const QString gpsd = DeviceSettings::value(QStringLiteral("location"), QStringLiteral("auto-gpsd"),
                                                       QStringLiteral("localhost:2947")).trimmed();
            return new AutoPositionSource(gpsd, demo, fail, parent);
        };
    }
    case K::Unknown:
        break;
    }
    return failing(stringWithFormat("unknown source \"%@\" (known: auto, demo, replay:PATH, nmea:DEVICE, "
                                    "nmea:HOST:PORT, gpsd:HOST:PORT, geoclue)", source));
}

QGeoPositionInfoSource::PositioningMethods methodsForAccuracy(double accuracy)
{
    // The best accuracy (or anything finer than a town) takes every method the source has.
    return accuracy <= 1000 ? QGeoPositionInfoSource::AllPositioningMethods
                            : QGeoPositionInfoSource::NonSatellitePositioningMethods;
}

QString describe(QGeoPositionInfoSource::Error error)
{
    switch (error) {
    case QGeoPositionInfoSource::AccessError:
        return QStringLiteral("access to the position was refused");
    case QGeoPositionInfoSource::ClosedError:
        return QStringLiteral("the position service went away");
    case QGeoPositionInfoSource::UpdateTimeoutError:
        return QStringLiteral("no position in time");
    case QGeoPositionInfoSource::UnknownSourceError:
        return QStringLiteral("the position source failed");
    case QGeoPositionInfoSource::NoError:
        break;
    }
    return QStringLiteral("no error");
}

std::optional<Location> toLocation(const QGeoPositionInfo& info)
{
    const QGeoCoordinate c = info.coordinate();
    // isValid() also refuses NaN and latitudes beyond the poles.
    if (!info.isValid() || !c.isValid() || !std::isfinite(c.latitude()) || !std::isfinite(c.longitude()))
        return std::nullopt;
    Location location;
    location.coordinate = {c.latitude(), c.longitude()};
    if (c.type() == QGeoCoordinate::Coordinate3D && std::isfinite(c.altitude())) {
        location.altitude = c.altitude();
        location.verticalAccuracy = info.hasAttribute(QGeoPositionInfo::VerticalAccuracy)
                                        ? info.attribute(QGeoPositionInfo::VerticalAccuracy)
                                        : 0.0;
    }
    if (info.hasAttribute(QGeoPositionInfo::HorizontalAccuracy)) {
        const double h = info.attribute(QGeoPositionInfo::HorizontalAccuracy);
        location.horizontalAccuracy = std::isfinite(h) ? h : -1;
    } else {
        location.horizontalAccuracy = -1; // unknown: a source that gives none is not exact
    }
    if (!std::isfinite(location.verticalAccuracy))
        location.verticalAccuracy = -1;
    location.timestamp = info.timestamp().isValid() ? info.timestamp() : QDateTime::currentDateTimeUtc();
    return location;
}

} // namespace LocationSources

// --- NmeaPositionSource ---

NmeaPositionSource::NmeaPositionSource(QObject* parent)
    : QNmeaPositionInfoSource(QNmeaPositionInfoSource::RealTimeMode, parent)
{
}

bool NmeaPositionSource::parsePosInfoFromNmeaData(const char* data, int size, QGeoPositionInfo* posInfo, bool* hasFix)
{
    if (satellites_.feed(data, size))
        emit satellitesChanged(satellites_.count().inView, satellites_.count().used);
    return QNmeaPositionInfoSource::parsePosInfoFromNmeaData(data, size, posInfo, hasFix);
}

// --- NmeaReplayDevice ---

NmeaReplayDevice::NmeaReplayDevice(const QByteArray& recording, double speed, QObject* parent,
                                   std::shared_ptr<Progress> progress)
    : QIODevice(parent), progress_(progress ? std::move(progress) : std::make_shared<Progress>())
{
    if (!(speed > 0) || !std::isfinite(speed))
        speed = 1.0;
    struct Raw {
        QByteArray lines;
        std::optional<double> time;
    };
    QList<Raw> raw;
    for (QByteArray line : recording.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const std::optional<double> t = sentenceTime(line);
        if (raw.isEmpty() || (t && raw.last().time && *raw.last().time != *t))
            raw.append({{}, t});
        else if (t && !raw.last().time)
            raw.last().time = t;
        raw.last().lines += line + "\r\n";
    }
    bool anyTime = false;
    for (const Raw& r : raw)
        anyTime = anyTime || r.time.has_value();
    if (!anyTime) {
        // No time stamps: one line a second.
        QList<Raw> lines;
        for (const Raw& r : raw)
            for (const QByteArray& l : r.lines.split('\n'))
                if (!l.isEmpty())
                    lines.append({l + "\n", std::nullopt});
        raw = lines;
    }
    double offset = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        double seconds = 1.0;
        const Raw& here = raw.at(i);
        const Raw& next = raw.at((i + 1) % raw.size());
        if (i + 1 < raw.size() && here.time && next.time) {
            seconds = *next.time - *here.time;
            if (seconds < 0)
                seconds += 86400; // past midnight
            // A gap in the recording is not waited out in full.
            seconds = std::min(seconds, 10.0);
        }
        groups_.append({here.lines.split('\n'), offset, static_cast<int>(std::lround(seconds * 1000.0 / speed))});
        offset += seconds;
    }
    passSeconds_ = offset;
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &NmeaReplayDevice::releaseNext);
}

bool NmeaReplayDevice::open(OpenMode mode)
{
    if (!QIODevice::open(mode | QIODevice::Unbuffered))
        return false;
    if (progress_->next >= groups_.size())
        *progress_ = {};
    // Time stamps go on from now, from wherever the replay had got to.
    const double done = groups_.isEmpty() ? 0 : progress_->pass * passSeconds_ + groups_.at(progress_->next).offset;
    start_ = QDateTime::currentDateTimeUtc().addMSecs(-std::llround(done * 1000.0));
    if (!groups_.isEmpty())
        timer_.start(0);
    return true;
}

void NmeaReplayDevice::close()
{
    timer_.stop();
    pending_.clear();
    QIODevice::close();
}

void NmeaReplayDevice::releaseNext()
{
    if (groups_.isEmpty() || !isOpen())
        return;
    Progress& at = *progress_;
    const Group& g = groups_.at(at.next);
    // Qt hands out a fix only once a sentence with a later time arrives, so time must go
    // on running when the recording starts again: each fix is stamped with the time it
    // had in the recording, counted from the start of the replay.
    const QDateTime when = start_.addMSecs(std::llround((at.pass * passSeconds_ + g.offset) * 1000.0));
    for (const QByteArray& line : g.lines)
        if (!line.isEmpty())
            pending_ += restamped(line.chopped(line.endsWith('\r') ? 1 : 0), when) + "\r\n";
    if (++at.next == groups_.size()) {
        at.next = 0;
        ++at.pass;
    }
    timer_.start(g.delayMs);
    emit readyRead();
}

qint64 NmeaReplayDevice::readData(char* data, qint64 maxSize)
{
    const qint64 n = std::min<qint64>(maxSize, pending_.size());
    std::memcpy(data, pending_.constData(), static_cast<size_t>(n));
    pending_.remove(0, n);
    return n;
}

// --- NmeaFeedDevice ---

void NmeaFeedDevice::take(const char* data, qsizetype n)
{
    const char* end = data + n;
    while (data < end) {
        const char* newline = static_cast<const char*>(std::memchr(data, '\n', size_t(end - data)));
        const char* stop = newline ? newline : end;
        if (!skipping_) {
            if (partial_.size() + (stop - data) > kMaxLine) {
                partial_.clear();
                skipping_ = true;
            } else {
                partial_.append(data, stop - data);
            }
        }
        if (!newline)
            break;
        if (!skipping_) {
            lines_ += partial_;
            lines_ += '\n';
        }
        partial_.clear();
        skipping_ = false;
        data = newline + 1;
    }
    if (lines_.size() > kMaxKept) {
        // The parser has fallen behind: the oldest lines go, whole.
        const qsizetype from = lines_.indexOf('\n', lines_.size() - kMaxKept - 1) + 1;
        lines_.remove(0, from);
    }
}

void NmeaFeedDevice::clearBuffers()
{
    lines_.clear();
    partial_.clear();
    skipping_ = false;
}

qint64 NmeaFeedDevice::readData(char* data, qint64 maxSize)
{
    const qint64 n = std::min<qint64>(maxSize, lines_.size());
    std::memcpy(data, lines_.constData(), static_cast<size_t>(n));
    lines_.remove(0, n);
    return n;
}

qint64 NmeaFeedDevice::readLineData(char* data, qint64 maxSize)
{
    const qsizetype newline = lines_.indexOf('\n');
    return readData(data, newline < 0 ? maxSize : std::min<qint64>(maxSize, newline + 1));
}

// --- CharacterDeviceReader ---

CharacterDeviceReader::CharacterDeviceReader(const QString& path, LocationManager::FailureReporter fail, QObject* parent)
    : NmeaFeedDevice(parent), path_(path), fail_(std::move(fail))
{
}

CharacterDeviceReader::~CharacterDeviceReader()
{
    close();
}

bool CharacterDeviceReader::openDevice(QString* error)
{
    const QByteArray native = QFile::encodeName(path_);
    fd_.reset(::open(native.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd_.isValid()) {
        *error = stringWithFormat("cannot open %@: %@", path_, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (::isatty(fd_.get())) {
        // Raw bytes at the speed the port is set to; no echo, no line editing.
        termios tio {};
        if (::tcgetattr(fd_.get(), &tio) == 0) {
            const speed_t in = cfgetispeed(&tio);
            const speed_t out = cfgetospeed(&tio);
            cfmakeraw(&tio);
            tio.c_cflag |= CLOCAL | CREAD;
            cfsetispeed(&tio, in);
            cfsetospeed(&tio, out);
            ::tcsetattr(fd_.get(), TCSANOW, &tio);
        }
    }
    QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    notifier_ = new QSocketNotifier(fd_.get(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CharacterDeviceReader::readAvailable);
    return true;
}

void CharacterDeviceReader::close()
{
    if (notifier_) {
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
    fd_.reset();
    clearBuffers();
    if (isOpen())
        QIODevice::close();
}

void CharacterDeviceReader::readAvailable()
{
    char buf[4096];
    bool got = false;
    // A device that always has data (/dev/zero, a fast pty) would otherwise keep this loop
    // going for ever: what is left waits for the next pass of the event loop.
    qsizetype budget = kReadBudget;
    while (budget > 0) {
        const ssize_t n = ::read(fd_.get(), buf, sizeof buf);
        if (n > 0) {
            take(buf, n);
            budget -= n;
            got = true;
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (n < 0 && errno == EINTR)
            continue;
        const QString cause = n == 0 ? stringWithFormat("%@ closed", path_)
                                     : stringWithFormat("reading %@: %@", path_, QString::fromLocal8Bit(std::strerror(errno)));
        notifier_->setEnabled(false);
        fail_(cause);
        return;
    }
    if (got && canReadLine())
        emit readyRead();
    if (budget <= 0 && notifier_) {
        notifier_->setEnabled(false);
        QTimer::singleShot(kFloodPauseMs, notifier_, [n = notifier_] { n->setEnabled(true); });
    }
}

// --- TcpNmeaReader ---

TcpNmeaReader::TcpNmeaReader(const QString& host, quint16 port, const LocationManager::FailureReporter& fail,
                             QObject* parent)
    : NmeaFeedDevice(parent), socket_(TcpConnection::create(this))
{
    const QString where = stringWithFormat("%@:%u", host, static_cast<unsigned>(port));
    connect(socket_, &TcpConnection::failed, this,
            [fail, where](const QString& why) { fail(stringWithFormat("%@: %@", where, why)); });
    connect(socket_, &TcpConnection::closed, this,
            [fail, where] { fail(stringWithFormat("%@ closed the connection", where)); });
    connect(socket_, &TcpConnection::readyRead, this, &TcpNmeaReader::readAvailable);
    QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    // Qt stops reading from the connection while this much waits, so a server that sends
    // without end cannot grow the socket's own buffer.
    socket_->connectToHost(host, port, kReadBudget);
}

void TcpNmeaReader::close()
{
    socket_->disconnect(this);
    socket_->abort();
    clearBuffers();
    if (isOpen())
        QIODevice::close();
}

void TcpNmeaReader::readAvailable()
{
    if (paused_)
        return;
    bool got = false;
    qsizetype budget = kReadBudget;
    while (budget > 0) {
        const QByteArray chunk = socket_->read(4096);
        if (chunk.isEmpty())
            break;
        take(chunk.constData(), chunk.size());
        budget -= chunk.size();
        got = true;
    }
    if (got && canReadLine())
        emit readyRead();
    if (budget <= 0) {
        paused_ = true;
        QTimer::singleShot(kFloodPauseMs, this, [this] {
            paused_ = false;
            readAvailable();
        });
    }
}
