#include "platform/location/GpsdSource.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Modules.h"
#include "platform/foundation/TcpConnection.h"
#include "platform/location/GpsdClient.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <optional>

namespace {

// libgps, or why it cannot be had.
const GpsdClient* gpsdClient(QString* error)
{
    static QString why;
    static const GpsdClient* client = [] {
        return static_cast<const GpsdClient*>(Modules::get<GpsdClient>(QStringLiteral("gpsd"), &why));
    }();
    *error = why;
    return client;
}

} // namespace

GpsdPositionSource::GpsdPositionSource(QString host, quint16 port, LocationManager::FailureReporter fail, QObject* parent)
    : QGeoPositionInfoSource(parent), host_(std::move(host)), port_(QByteArray::number(port)), fail_(std::move(fail)),
      data_(std::make_unique<gps_data_t>())
{
}

GpsdPositionSource::~GpsdPositionSource()
{
    disconnectFromDaemon();
}

QGeoPositionInfo GpsdPositionSource::lastKnownPosition(bool) const
{
    return last_;
}

void GpsdPositionSource::startUpdates()
{
    if (open_ || probe_)
        return;
    // libgps connects blocking; an unreachable host would freeze the screen for the
    // whole TCP time-out. A connection made without blocking first tells whether the
    // daemon is there, and only then does libgps connect.
    probe_ = TcpConnection::create(this);
    auto* probe = probe_.data();
    auto done = [probe] {
        probe->disconnect();
        probe->abort();
        probe->deleteLater();
    };
    QTimer::singleShot(10000, probe, [this, done] {
        done();
        fail_(stringWithFormat("cannot connect to gpsd at %@:%@: no answer within 10 s", host_, QString::fromLatin1(port_)));
    });
    connect(probe, &TcpConnection::connected, this, [this, done] {
        done();
        openDaemon();
    });
    connect(probe, &TcpConnection::failed, this, [this, done](const QString& why) {
        done();
        fail_(stringWithFormat("cannot connect to gpsd at %@:%@: %@", host_, QString::fromLatin1(port_), why));
    });
    probe->connectToHost(host_, port_.toUShort());
}

void GpsdPositionSource::openDaemon()
{
    *data_ = gps_data_t {};
    QString error;
    gps_ = gpsdClient(&error);
    if (!gps_) {
        fail_(stringWithFormat("cannot connect to gpsd at %@:%@: %@", host_, QString::fromLatin1(port_), error));
        return;
    }
    const QByteArray host = host_.toUtf8();
    if (gps_->open(host.constData(), port_.constData(), data_.get()) != 0) {
        fail_(stringWithFormat("cannot connect to gpsd at %@:%@: %@", host_, QString::fromLatin1(port_),
                               QString::fromLocal8Bit(gps_->errstr(errno))));
        return;
    }
    open_ = true;
    // libgps opens its socket without close-on-exec; the programs that send messages must
    // not inherit it.
    ::fcntl(static_cast<int>(data_->gps_fd), F_SETFD, FD_CLOEXEC);
    if (gps_->stream(data_.get(), WATCH_ENABLE | WATCH_JSON, nullptr) < 0) {
        disconnectFromDaemon();
        fail_(stringWithFormat("gpsd at %@:%@ refused the watch", host_, QString::fromLatin1(port_)));
        return;
    }
    notifier_ = new QSocketNotifier(static_cast<qintptr>(data_->gps_fd), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &GpsdPositionSource::readReports);
}

void GpsdPositionSource::stopUpdates()
{
    disconnectFromDaemon();
}

void GpsdPositionSource::requestUpdate(int)
{
    if (last_.isValid())
        emit positionUpdated(last_);
    else
        startUpdates();
}

void GpsdPositionSource::disconnectFromDaemon()
{
    if (probe_) {
        probe_->disconnect(this);
        probe_->abort();
        probe_->deleteLater();
        probe_.clear();
    }
    if (notifier_) {
        notifier_->setEnabled(false);
        notifier_->deleteLater(); // may be inside its own signal
        notifier_ = nullptr;
    }
    if (open_) {
        gps_->stream(data_.get(), WATCH_DISABLE, nullptr);
        gps_->close(data_.get());
        open_ = false;
    }
}

void GpsdPositionSource::readReports()
{
    // What has arrived, one report at a time, but at most a bounded number per pass of the
    // event loop: a daemon that sends as fast as it can must not keep the window (or a
    // quit) waiting. Only the newest fix of a pass is delivered; older ones are stale.
    // A report without a position (sky view, version, a fix of mode 1) only moves the
    // stream along.
    std::optional<QGeoPositionInfo> newest;
    int budget = kReportsPerPass;
    do {
        data_->set = 0;
        if (gps_->read(data_.get(), nullptr, 0) < 0) {
            disconnectFromDaemon();
            fail_(stringWithFormat("gpsd at %@:%@ closed the connection", host_, QString::fromLatin1(port_)));
            return;
        }
        if (data_->set & SATELLITE_SET) {
            const SatelliteCount count = SatelliteCount::of(data_->satellites_visible, data_->satellites_used);
            if (count != satellites_) {
                satellites_ = count;
                emit satellitesChanged(count.inView, count.used);
            }
        }
        const gps_fix_t& fix = data_->fix;
        if (!(data_->set & LATLON_SET) || fix.mode < MODE_2D || !std::isfinite(fix.latitude)
            || !std::isfinite(fix.longitude))
            continue;
        QGeoCoordinate coordinate(fix.latitude, fix.longitude);
        if (fix.mode >= MODE_3D && std::isfinite(fix.altMSL))
            coordinate.setAltitude(fix.altMSL);
        if (!coordinate.isValid())
            continue;
        QDateTime when = QDateTime::currentDateTimeUtc();
        if (fix.time.tv_sec > 0)
            when = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(fix.time.tv_sec) * 1000 + fix.time.tv_nsec / 1000000,
                                                  Qt::UTC);
        QGeoPositionInfo info(coordinate, when);
        const double horizontal = std::isfinite(fix.eph) ? fix.eph : std::hypot(fix.epx, fix.epy);
        if (std::isfinite(horizontal))
            info.setAttribute(QGeoPositionInfo::HorizontalAccuracy, horizontal);
        if (std::isfinite(fix.epv))
            info.setAttribute(QGeoPositionInfo::VerticalAccuracy, fix.epv);
        newest = info;
    } while (--budget > 0 && gps_->waiting(data_.get(), 0));
    // A flood: a pause before the rest, which libgps may partly hold itself, where the
    // socket would not announce it again.
    if (budget == 0 && open_ && notifier_) {
        notifier_->setEnabled(false);
        QTimer::singleShot(kFloodPauseMs, notifier_, [this, notifier = notifier_] {
            if (notifier != notifier_ || !open_)
                return;
            notifier->setEnabled(true);
            if (gps_->waiting(data_.get(), 0))
                readReports();
        });
    }
    if (newest) {
        last_ = *newest;
        emit positionUpdated(*newest);
    }
}
