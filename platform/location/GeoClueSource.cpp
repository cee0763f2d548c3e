#include "platform/location/GeoClueSource.h"
#include "platform/foundation/Format.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QTimer>

namespace {

// Long enough for a loaded bus, short enough that a window never waits on it for long.
constexpr int kBusCallMs = 5000;

QDBusMessage busCall(const char* method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                          QStringLiteral("org.freedesktop.DBus"), QLatin1String(method));
}

// Calls `message` without blocking; `then` runs with the reply unless `context` has gone.
void callLater(QObject* context, const QDBusMessage& message, std::function<void(const QDBusMessage& reply)> then)
{
    QDBusPendingCall call = QDBusConnection::systemBus().asyncCall(message, kBusCallMs);
    auto* watcher = new QDBusPendingCallWatcher(call, context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, then = std::move(then)] {
        watcher->deleteLater();
        then(watcher->reply());
    });
}

} // namespace

namespace GeoClue {

void probe(QObject* context, std::function<void(bool present, const QString& reason)> answer)
{
    if (!QDBusConnection::systemBus().isConnected()) {
        QTimer::singleShot(0, context, [answer] { answer(false, QStringLiteral("no system bus")); });
        return;
    }
    const QString service = QLatin1String(kService);
    QDBusMessage hasOwner = busCall("NameHasOwner");
    hasOwner << service;
    callLater(context, hasOwner, [context, answer, service](const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ErrorMessage) {
            answer(false, stringWithFormat("the system bus did not answer (%@)", reply.errorMessage()));
            return;
        }
        if (reply.arguments().value(0).toBool()) {
            answer(true, {});
            return;
        }
        // Not running yet is fine when the bus starts it on the first call.
        callLater(context, busCall("ListActivatableNames"), [answer, service](const QDBusMessage& names) {
            if (names.type() != QDBusMessage::ErrorMessage && names.arguments().value(0).toStringList().contains(service))
                answer(true, {});
            else
                answer(false, QStringLiteral("not on the system bus"));
        });
    });
}

} // namespace GeoClue

GeoCluePositionSource::GeoCluePositionSource(LocationManager::FailureReporter fail, QObject* parent)
    : QGeoPositionInfoSource(parent), fail_(std::move(fail))
{
}

GeoCluePositionSource::~GeoCluePositionSource() = default;

QString GeoCluePositionSource::desktopId()
{
    return QGuiApplication::desktopFileName();
}

QGeoPositionInfo GeoCluePositionSource::lastKnownPosition(bool) const
{
    return last_;
}

void GeoCluePositionSource::setPreferredPositioningMethods(PositioningMethods methods)
{
    QGeoPositionInfoSource::setPreferredPositioningMethods(methods);
    if (plugin_)
        plugin_->setPreferredPositioningMethods(methods);
}

void GeoCluePositionSource::startUpdates()
{
    if (running_)
        return;
    running_ = true;
    error_ = NoError;
    const quint64 run = ++run_;
    GeoClue::probe(this, [this, run](bool present, const QString& reason) {
        if (!running_ || run != run_)
            return;
        if (present)
            openPlugin();
        else
            fail_(QStringLiteral("GeoClue: ") + reason);
    });
}

void GeoCluePositionSource::openPlugin()
{
    QVariantMap parameters;
    if (const QString id = desktopId(); !id.isEmpty())
        parameters.insert(QStringLiteral("desktopId"), id);
    plugin_ = QGeoPositionInfoSource::createSource(QStringLiteral("geoclue2"), parameters, this);
    if (!plugin_) {
        fail_(QStringLiteral("the geoclue2 positioning plugin is not available"));
        return;
    }
    // The plugin hands out the position it saved at the end of an earlier run as if it were
    // new; that may be anywhere, so it is not a fix.
    stale_ = plugin_->lastKnownPosition();
    plugin_->setPreferredPositioningMethods(preferredPositioningMethods());
    connect(plugin_.data(), &QGeoPositionInfoSource::positionUpdated, this, [this](const QGeoPositionInfo& info) {
        if (stale_.isValid() && info == stale_) {
            stale_ = {};
            return;
        }
        last_ = info;
        emit positionUpdated(info);
    });
    connect(plugin_.data(), &QGeoPositionInfoSource::errorOccurred, this, &GeoCluePositionSource::pluginError);
    watcher_ = new QDBusServiceWatcher(QLatin1String(GeoClue::kService), QDBusConnection::systemBus(),
                                       QDBusServiceWatcher::WatchForUnregistration, this);
    connect(watcher_, &QDBusServiceWatcher::serviceUnregistered, this,
            [this] { fail_(QStringLiteral("GeoClue left the system bus")); });
    plugin_->startUpdates();
}

void GeoCluePositionSource::pluginError(QGeoPositionInfoSource::Error error)
{
    if (error == UpdateTimeoutError || error == NoError)
        return;
    if (error != AccessError) {
        error_ = error;
        emit errorOccurred(error);
        return;
    }
    // The plugin says "access" both for a refusal and for a call that was never answered.
    // A service that still answers a ping has refused.
    const quint64 run = run_;
    QDBusMessage ping = QDBusMessage::createMethodCall(QLatin1String(GeoClue::kService),
                                                       QStringLiteral("/org/freedesktop/GeoClue2/Manager"),
                                                       QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
    callLater(this, ping, [this, run](const QDBusMessage& reply) {
        if (!running_ || run != run_)
            return;
        if (reply.type() == QDBusMessage::ErrorMessage) {
            fail_(stringWithFormat("GeoClue is not answering (%@)", reply.errorMessage()));
            return;
        }
        error_ = AccessError;
        emit errorOccurred(AccessError);
    });
}

void GeoCluePositionSource::stopUpdates()
{
    if (!running_)
        return;
    running_ = false;
    ++run_;
    delete watcher_;
    watcher_ = nullptr;
    if (QGeoPositionInfoSource* plugin = plugin_.data()) {
        plugin_.clear();
        plugin->disconnect(this);
        // Stopping tells the service this client no longer wants the position, which turns
        // the desktop's location indicator off.
        plugin->stopUpdates();
        plugin->deleteLater();
    }
}

void GeoCluePositionSource::requestUpdate(int)
{
    if (last_.isValid())
        emit positionUpdated(last_);
    else
        startUpdates();
}
