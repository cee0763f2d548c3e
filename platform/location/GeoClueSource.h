#pragma once
// Positions from the system's location service, GeoClue2, through Qt's geoclue2 plugin.
// Around the plugin: the service is looked for on the system bus first (so that its
// absence is named as such), a refusal is told apart from a service that has stopped
// answering, and the service leaving the bus is a failure. The plugin's own copy of the
// last position of an earlier run is never passed on as a fix.

#include "platform/location/LocationManager.h"

#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QPointer>
#include <functional>

class QDBusServiceWatcher;

namespace GeoClue {

inline constexpr const char* kService = "org.freedesktop.GeoClue2";

// Whether the service is on the system bus (running, or startable by the bus); answers
// later, with the reason when it is not ("not on the system bus", "no system bus").
void probe(QObject* context, std::function<void(bool present, const QString& reason)> answer);

} // namespace GeoClue

class GeoCluePositionSource : public QGeoPositionInfoSource {
    Q_OBJECT
public:
    GeoCluePositionSource(LocationManager::FailureReporter fail, QObject* parent = nullptr);
    ~GeoCluePositionSource() override;

    QGeoPositionInfo lastKnownPosition(bool fromSatellitePositioningMethodsOnly = false) const override;
    PositioningMethods supportedPositioningMethods() const override { return AllPositioningMethods; }
    int minimumUpdateInterval() const override { return 1000; }
    Error error() const override { return error_; }
    void setPreferredPositioningMethods(PositioningMethods methods) override;

    // The desktop id GeoClue is told, so that the desktop's location agent can name the
    // application when it asks the user: the application's desktop file name.
    static QString desktopId();

public slots:
    void startUpdates() override;
    void stopUpdates() override;
    void requestUpdate(int timeout = 0) override;

private:
    void openPlugin();
    void pluginError(QGeoPositionInfoSource::Error error);

    LocationManager::FailureReporter fail_;
    QPointer<QGeoPositionInfoSource> plugin_;
    QDBusServiceWatcher* watcher_ = nullptr;
    QGeoPositionInfo stale_;
    QGeoPositionInfo last_;
    Error error_ = NoError;
    bool running_ = false;
    quint64 run_ = 0; // answers for an earlier start are dropped
};
