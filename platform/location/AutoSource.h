#pragma once
// `source=auto`: the first source that answers, chosen without blocking: GeoClue2 when
// its service is on the system bus, else gpsd when it answers at its address, else the
// bundled walk as a demo. The choice and the reason each source was passed over are
// logged once per choice.

#include "platform/location/LocationManager.h"

#include <QGeoPositionInfoSource>
#include <QPointer>
#include <QStringList>

class TcpConnection;

class AutoPositionSource : public QGeoPositionInfoSource {
    Q_OBJECT
public:
    // `gpsd` is HOST:PORT; `demo` opens the bundled walk (kept by the caller, so that the
    // walk goes on where it was after a stop and a start).
    AutoPositionSource(QString gpsd, LocationManager::SourceOpener demo, LocationManager::FailureReporter fail,
                       QObject* parent = nullptr);
    ~AutoPositionSource() override;

    QGeoPositionInfo lastKnownPosition(bool fromSatellitePositioningMethodsOnly = false) const override;
    PositioningMethods supportedPositioningMethods() const override { return AllPositioningMethods; }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return NoError; }
    void setPreferredPositioningMethods(PositioningMethods methods) override;

    // How long gpsd may take to accept and greet before it is passed over.
    static constexpr int kGpsdAnswerMs = 3000;

public slots:
    void startUpdates() override;
    void stopUpdates() override;
    void requestUpdate(int timeout = 0) override;

signals:
    void chosen(const LocationSourceInfo& source);
    // The chosen source's, where it counts them.
    void satellitesChanged(int inView, int used);

private:
    void probeGpsd();
    void use(const LocationManager::SourceOpener& opener, const LocationSourceInfo& info, const QString& label);
    void dropProbe();

    QString gpsd_;
    LocationManager::SourceOpener demo_;
    LocationManager::FailureReporter fail_;
    QStringList passedOver_;
    QPointer<QGeoPositionInfoSource> inner_;
    QPointer<TcpConnection> probe_;
    bool running_ = false;
    quint64 run_ = 0;
};
