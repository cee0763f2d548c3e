#pragma once
// Fakes of the report screen's services: a geocoder that answers when the test says, and
// a position source that counts its starts and stops under a real LocationManager.

#include "platform/geocoding/Geocoder.h"
#include "platform/location/LocationManager.h"
#include "report/ReportServices.h"

#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QList>
#include <QPointer>

class FakeGeocoder : public Geocoder {
public:
    struct Request {
        Location location;
        Completion completion;
    };
    QList<Request> requests;
    void reverseGeocodeLocation(const Location& location, Completion completion) override
    {
        requests.append({location, std::move(completion)});
    }
    // Answers the oldest request still open.
    void answer(const QList<Placemark>& placemarks, const std::optional<GeocodeError>& error = std::nullopt)
    {
        Request r = requests.takeFirst();
        r.completion(placemarks, error);
    }
};

class FakePositionSource : public QGeoPositionInfoSource {
    Q_OBJECT
public:
    explicit FakePositionSource(int* starts, int* stops, QObject* parent)
        : QGeoPositionInfoSource(parent), starts_(starts), stops_(stops)
    {
    }
    QGeoPositionInfo lastKnownPosition(bool = false) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override { return AllPositioningMethods; }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return NoError; }
    void startUpdates() override { ++*starts_; }
    void stopUpdates() override { ++*stops_; }
    void requestUpdate(int) override {}
    // Reports an error as a real source would.
    void say(Error error) { emit errorOccurred(error); }
    // Reports the sky as a receiver would.
    void sky(int inView, int used) { emit satellitesChanged(inView, used); }

signals:
    void satellitesChanged(int inView, int used);

private:
    int* starts_;
    int* stops_;
};

// What the services made and how the source was driven.
struct FakeServices {
    int managersMade = 0;
    int geocodersMade = 0;
    int sourceStarts = 0;
    int sourceStops = 0;
    FakeGeocoder* lastGeocoder = nullptr;
    QPointer<FakePositionSource> lastSource;
    // The `source=` the manager is named after (which tells, say, a demo).
    QString sourceName = QStringLiteral("fake");

    ReportServices services()
    {
        ReportServices s;
        s.makeLocationManager = [this] {
            ++managersMade;
            return std::make_unique<LocationManager>(
                sourceName, [this](QObject* parent, const LocationManager::FailureReporter&) {
                    lastSource = new FakePositionSource(&sourceStarts, &sourceStops, parent);
                    return static_cast<QGeoPositionInfoSource*>(lastSource.data());
                });
        };
        s.makeGeocoder = [this]() -> std::unique_ptr<Geocoder> {
            ++geocodersMade;
            auto g = std::make_unique<FakeGeocoder>();
            lastGeocoder = g.get();
            return g;
        };
        return s;
    }
};

inline QGeoPositionInfo positionAt(double latitude, double longitude, double altitude)
{
    return QGeoPositionInfo(QGeoCoordinate(latitude, longitude, altitude), QDateTime::currentDateTimeUtc());
}
