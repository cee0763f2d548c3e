#pragma once
// Positions from a gpsd daemon through libgps: a JSON watch, one fix per TPV report with
// the altitude above mean sea level.

#include "platform/location/LocationManager.h"
#include "platform/location/SatelliteCount.h"

#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QPointer>
#include <memory>

class QSocketNotifier;
class TcpConnection;
struct gps_data_t;
struct GpsdClient;

class GpsdPositionSource : public QGeoPositionInfoSource {
    Q_OBJECT
public:
    GpsdPositionSource(QString host, quint16 port, LocationManager::FailureReporter fail, QObject* parent = nullptr);
    ~GpsdPositionSource() override;

    QGeoPositionInfo lastKnownPosition(bool fromSatellitePositioningMethodsOnly = false) const override;
    PositioningMethods supportedPositioningMethods() const override { return SatellitePositioningMethods; }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return NoError; }

public slots:
    void startUpdates() override;
    void stopUpdates() override;
    void requestUpdate(int timeout = 0) override;

signals:
    // From the daemon's sky reports.
    void satellitesChanged(int inView, int used);

private:
    // Reports read per wake-up, and the pause when a wake-up found that many waiting: a
    // receiver sends a few a second, a flood cannot keep the window from its events.
    static constexpr int kReportsPerPass = 64;
    static constexpr int kFloodPauseMs = 50;

    void openDaemon();
    void readReports();
    void disconnectFromDaemon();

    QString host_;
    QByteArray port_;
    LocationManager::FailureReporter fail_;
    std::unique_ptr<gps_data_t> data_;
    const GpsdClient* gps_ = nullptr; // libgps, once the daemon has answered
    bool open_ = false;
    QSocketNotifier* notifier_ = nullptr;
    QPointer<TcpConnection> probe_;
    QGeoPositionInfo last_;
    SatelliteCount satellites_;
};
