#include "platform/location/AutoSource.h"
#include "platform/foundation/HostPort.h"
#include "platform/foundation/HostAddress.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/TcpConnection.h"
#include "platform/location/GeoClueSource.h"
#include "platform/location/GpsdOwner.h"
#include "platform/location/LocationSources.h"
#include "platform/location/SatelliteCount.h"

#include <QTimer>

AutoPositionSource::AutoPositionSource(QString gpsd, LocationManager::SourceOpener demo,
                                       LocationManager::FailureReporter fail, QObject* parent)
    : QGeoPositionInfoSource(parent), gpsd_(std::move(gpsd)), demo_(std::move(demo)), fail_(std::move(fail))
{
}

AutoPositionSource::~AutoPositionSource()
{
    dropProbe();
}

QGeoPositionInfo AutoPositionSource::lastKnownPosition(bool satelliteOnly) const
{
    return inner_ ? inner_->lastKnownPosition(satelliteOnly) : QGeoPositionInfo();
}

void AutoPositionSource::setPreferredPositioningMethods(PositioningMethods methods)
{
    QGeoPositionInfoSource::setPreferredPositioningMethods(methods);
    if (inner_)
        inner_->setPreferredPositioningMethods(methods);
}

void AutoPositionSource::startUpdates()
{
    if (running_)
        return;
    running_ = true;
    if (inner_) {
        inner_->startUpdates();
        return;
    }
    const quint64 run = ++run_;
    passedOver_.clear();
    GeoClue::probe(this, [this, run](bool present, const QString& reason) {
        if (!running_ || run != run_)
            return;
        if (present) {
            use([](QObject* parent, const LocationManager::FailureReporter& fail) -> QGeoPositionInfoSource* {
                return new GeoCluePositionSource(fail, parent);
            }, {LocationSourceInfo::Kind::GeoClue, {}}, QStringLiteral("GeoClue"));
            return;
        }
        passedOver_.append(QStringLiteral("GeoClue: ") + reason);
        probeGpsd();
    });
}

void AutoPositionSource::probeGpsd()
{
    // gpsd greets every client with its version at once; a port that accepts and then says
    // nothing is not a gpsd to rely on.
    QString error;
    const std::optional<HostPort> at = parseHostPort(gpsd_, LocationSources::kGpsdPort, &error);
    const QString where = QStringLiteral("gpsd at ") + gpsd_;
    const QString host = at ? at->host : QString();
    const quint16 port = at ? at->port : 0;
    auto passOver = [this, where](const QString& why) {
        dropProbe();
        passedOver_.append(where + QStringLiteral(": ") + why);
        use(demo_, {LocationSourceInfo::Kind::Demo, {}}, QStringLiteral("the demo walk"));
    };
    probe_ = TcpConnection::create(this);
    TcpConnection* probe = probe_.data();
    QTimer::singleShot(kGpsdAnswerMs, probe, [passOver] { passOver(QStringLiteral("no answer within 3 s")); });
    // The daemon greets every client at once.
    connect(probe, &TcpConnection::readyRead, this, [this, where, host, port, passOver] {
        const QString distrust = GpsdOwner::distrust(port, HostAddress::isLoopback(host));
        if (!distrust.isEmpty()) {
            passOver(distrust);
            return;
        }
        dropProbe();
        use(LocationSources::openerFor(QStringLiteral("gpsd:") + gpsd_, 1.0),
            {LocationSourceInfo::Kind::Gpsd, gpsd_}, where);
    });
    connect(probe, &TcpConnection::failed, this, [passOver](QString why) {
        if (!why.isEmpty())
            why[0] = why.at(0).toLower();
        passOver(why);
    });
    if (!at)
        passOver(error);
    else
        probe->connectToHost(at->host, at->port);
}

void AutoPositionSource::dropProbe()
{
    if (TcpConnection* probe = probe_.data()) {
        probe_.clear();
        probe->disconnect(this);
        probe->abort();
        probe->deleteLater();
    }
}

void AutoPositionSource::use(const LocationManager::SourceOpener& opener, const LocationSourceInfo& info,
                             const QString& label)
{
    if (passedOver_.isEmpty())
        NSLog("LocationManager: auto: using %@", label);
    else
        NSLog("LocationManager: auto: using %@ (passed over %@)", label, passedOver_.join(QStringLiteral("; ")));
    QGeoPositionInfoSource* inner = opener ? opener(this, fail_) : nullptr;
    if (!inner)
        return; // the opener has reported why
    inner_ = inner;
    inner->setPreferredPositioningMethods(preferredPositioningMethods());
    connect(inner, &QGeoPositionInfoSource::positionUpdated, this, &QGeoPositionInfoSource::positionUpdated);
    connect(inner, &QGeoPositionInfoSource::errorOccurred, this, &QGeoPositionInfoSource::errorOccurred);
    connectSatellites(inner, this, SIGNAL(satellitesChanged(int, int)));
    emit chosen(info);
    if (running_)
        inner->startUpdates();
}

void AutoPositionSource::stopUpdates()
{
    running_ = false;
    ++run_;
    dropProbe();
    if (inner_)
        inner_->stopUpdates();
}

void AutoPositionSource::requestUpdate(int timeout)
{
    if (inner_)
        inner_->requestUpdate(timeout);
    else
        startUpdates();
}
