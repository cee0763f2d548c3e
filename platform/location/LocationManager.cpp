#include "platform/location/LocationManager.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/FirstFrame.h"
#include "platform/location/LocationSources.h"
#include "platform/location/AutoSource.h"
#include "platform/foundation/Log.h"

#include <QDir>
#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QTimer>

#include <cmath>

QString LocationError::description() const
{
    return stringWithFormat("location source %@ failed: %@", source, cause);
}

LocationSourceInfo LocationSourceInfo::of(const QString& source)
{
    using K = LocationSourceInfo::Kind;
    using S = LocationSources::SourceSetting::Kind;
    const LocationSources::SourceSetting setting = LocationSources::parseSource(source);
    switch (setting.kind) {
    case S::Demo:
        return {K::Demo, {}};
    case S::GeoClue:
        return {K::GeoClue, {}};
    case S::Gpsd:
        return {K::Gpsd, setting.rest.isEmpty() ? QStringLiteral("localhost:2947") : setting.rest};
    case S::NmeaDevice:
    case S::NmeaTcp:
        return {K::Receiver, setting.rest};
    case S::Replay:
        return setting.rest == LocationManager::bundledTrackPath() ? LocationSourceInfo{K::Demo, {}}
                                                                   : LocationSourceInfo{K::Replay, setting.rest};
    case S::Auto:
    case S::Unknown:
        break;
    }
    return {K::Unknown, source};
}

namespace {
QList<LocationManager*>& managers()
{
    static QList<LocationManager*> all;
    return all;
}
} // namespace

LocationManager::LocationManager(QString sourceName, SourceOpener opener, QObject* parent)
    : QObject(parent), sourceName_(std::move(sourceName)), opener_(std::move(opener)),
      active_(LocationSourceInfo::of(sourceName_)), answerTimer_(new QTimer(this))
{
    answerTimer_->setSingleShot(true);
    connect(answerTimer_, &QTimer::timeout, this, [this] {
        if (status_ == LocationStatus::Waiting)
            setStatus(LocationStatus::NotAnswering);
    });
    managers().append(this);
}

LocationManager::~LocationManager()
{
    managers().removeOne(this);
    // Nothing is told from a destructor: the receivers may be going away with it.
    satellites_.reset();
    closeSource();
}

LocationManager* LocationManager::running(const QString& sourceName)
{
    for (LocationManager* m : std::as_const(managers()))
        if (m->isUpdating() && m->sourceName() == sourceName)
            return m;
    return nullptr;
}

QString LocationManager::deviceSettingsPath()
{
    return DeviceSettings::path();
}

QString LocationManager::bundledTrackPath()
{
    return QStringLiteral(":/tracks/stare-mesto-walk.nmea");
}

std::unique_ptr<LocationManager> LocationManager::fromDeviceSettings(QObject* parent)
{
    const QString group = QStringLiteral("location");
    // Read whole: a path may have commas.
    const QString source = DeviceSettings::value(group, QStringLiteral("source")).trimmed();
    const QString speedText = DeviceSettings::value(group, QStringLiteral("replay-speed"), QStringLiteral("1"));
    bool ok = false;
    double speed = speedText.toDouble(&ok);
    if (!ok || !(speed > 0) || !std::isfinite(speed)) {
        NSLog("LocationManager: replay-speed %@ in %@ is not a positive number, using 1", speedText,
              deviceSettingsPath());
        speed = 1.0;
    }
    return forSource(source, speed, parent);
}

std::unique_ptr<LocationManager> LocationManager::forSource(const QString& source, double replaySpeed, QObject* parent)
{
    const QString name = source.isEmpty() ? QStringLiteral("auto") : source;
    return std::make_unique<LocationManager>(name, LocationSources::openerFor(name, replaySpeed), parent);
}

void LocationManager::setDesiredAccuracy(double accuracy)
{
    desiredAccuracy_ = accuracy;
    if (source_)
        source_->setPreferredPositioningMethods(LocationSources::methodsForAccuracy(accuracy));
}

void LocationManager::startUpdatingLocation()
{
    if (updating_)
        return;
    updating_ = true;
    failed_ = false;
    const quint64 generation = ++generation_;
    setStatus(LocationStatus::Waiting);
    // The source is opened later: after the first frame while the application waits for it,
    // else at the next pass of the event loop. Fixes come later anyway, and preparing a
    // replay or connecting to a daemon must not hold up the screen that starts it. A stop
    // before then cancels the opening.
    FirstFrame::whenPainted(this, [this, generation] {
        if (updating_ && generation_ == generation)
            openSource(generation);
    });
}

void LocationManager::openSource(quint64 generation)
{
    QPointer<LocationManager> self(this);
    auto reportFailure = [self, generation](const QString& cause, bool denied) {
        // Reported later, never inside the call that found it, so the delegate is not
        // re-entered from its own start or stop.
        QTimer::singleShot(0, self, [self, generation, cause, denied] {
            if (self && self->generation_ == generation)
                self->fail(cause, denied);
        });
    };
    FailureReporter report = [reportFailure](const QString& cause) { reportFailure(cause, false); };
    QGeoPositionInfoSource* source = opener_ ? opener_(this, report) : nullptr;
    if (!source) {
        if (!opener_)
            report(QStringLiteral("no source"));
        return;
    }
    source_ = source;
    source->setPreferredPositioningMethods(LocationSources::methodsForAccuracy(desiredAccuracy_));
    connect(source, &QGeoPositionInfoSource::positionUpdated, this, &LocationManager::handlePosition);
    connectSatellites(source, this, SLOT(setSatellites(int, int)));
    connect(source, &QGeoPositionInfoSource::errorOccurred, this, [reportFailure](QGeoPositionInfoSource::Error error) {
        // A missing fix for a while is not a failure of the source; the others are.
        if (error != QGeoPositionInfoSource::UpdateTimeoutError && error != QGeoPositionInfoSource::NoError)
            reportFailure(LocationSources::describe(error), error == QGeoPositionInfoSource::AccessError);
    });
    if (auto* chooser = qobject_cast<AutoPositionSource*>(source)) {
        // No source is known until the chooser has found one that answers.
        setActiveSource({});
        setStatus(LocationStatus::Choosing);
        connect(chooser, &AutoPositionSource::chosen, this, [this](const LocationSourceInfo& info) {
            setActiveSource(info);
            if (status_ == LocationStatus::Choosing) {
                setStatus(LocationStatus::Waiting);
                answerTimer_->start(notAnsweringMs_);
            }
        });
    } else if (status_ == LocationStatus::Waiting) {
        answerTimer_->start(notAnsweringMs_);
    }
    source->startUpdates();
}

void LocationManager::stopUpdatingLocation()
{
    updating_ = false;
    ++generation_;
    answerTimer_->stop();
    closeSource();
    setStatus(LocationStatus::Stopped);
}

void LocationManager::setStatus(LocationStatus status)
{
    if (status_ == status)
        return;
    status_ = status;
    emit statusChanged(status);
}

void LocationManager::setActiveSource(const LocationSourceInfo& source)
{
    if (active_.kind == source.kind && active_.detail == source.detail)
        return;
    active_ = source;
    emit activeSourceChanged(source);
}

void LocationManager::setSatellites(int inView, int used)
{
    const SatelliteCount count = SatelliteCount::of(inView, used);
    if (satellites_ == count)
        return;
    satellites_ = count;
    emit satellitesChanged();
}

void LocationManager::closeSource()
{
    if (satellites_) {
        satellites_.reset();
        emit satellitesChanged();
    }
    if (QGeoPositionInfoSource* s = source_.data()) {
        source_.clear();
        s->disconnect(this);
        s->stopUpdates();
        s->deleteLater();
    }
}

void LocationManager::fail(const QString& cause, bool accessDenied)
{
    if (failed_ || !updating_)
        return;
    failed_ = true;
    answerTimer_->stop();
    closeSource();
    setStatus(accessDenied ? LocationStatus::Denied : LocationStatus::Failed);
    const LocationError error{sourceName_, cause, accessDenied};
    NSLog("LocationManager: %@", error.description());
    emit failed(error);
    if (delegate_)
        delegate_->locationManagerDidFailWithError(this, error);
}

void LocationManager::handlePosition(const QGeoPositionInfo& info)
{
    if (!updating_ || failed_)
        return;
    const std::optional<Location> location = LocationSources::toLocation(info);
    if (!location)
        return;
    // The source answers even when the fix is filtered out (the user standing still).
    answerTimer_->stop();
    setStatus(LocationStatus::Receiving);
    if (lastDelivered_ && distanceFilter_ > 0 && location->distanceFromLocation(*lastDelivered_) < distanceFilter_)
        return;
    const std::optional<Location> previous = lastDelivered_;
    lastDelivered_ = location;
    emit locationUpdated(*location);
    if (delegate_)
        delegate_->locationManagerDidUpdateToLocation(this, *location, previous);
}
