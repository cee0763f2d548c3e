#pragma once
// The location service: positions from a configured source, with desired accuracy, a
// delegate, a distance filter and start/stop.
//
// The source is named by the device settings (quorvel/device.ini, [location] source=):
//   replay:PATH       an NMEA file replayed at its recorded pace, looping
//                     (replay-speed=N in the same group multiplies the pace)
//   nmea:/dev/ttyX    an NMEA receiver on a serial device (or any readable character device)
//   nmea:HOST:PORT    NMEA over TCP
//   gpsd:HOST:PORT    a gpsd daemon (JSON watch)
//   geoclue           GeoClue2 through Qt's positioning plugin
//   demo              the bundled walk, marked as a demo
//   auto (or absent)  GeoClue2 when it is on the system bus, else gpsd when it answers
//                     (auto-gpsd=HOST:PORT, localhost:2947 by default), else the demo
// A source that cannot be opened, or that dies, is reported once to the delegate and in
// the log; there is no fallback to another source once one is in use.

#include "platform/location/Location.h"
#include "platform/location/SatelliteCount.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class LocationManager;
class QTimer;
class QGeoPositionInfo;
class QGeoPositionInfoSource;

// The best accuracy the source offers.
inline constexpr double kLocationAccuracyBest = -1.0;
// No distance filter: every fix is delivered.
inline constexpr double kDistanceFilterNone = -1.0;

struct LocationError {
    QString source; // the source as configured, e.g. "gpsd:127.0.0.1:2947"
    QString cause;  // what went wrong, e.g. "connection refused"
    bool accessDenied = false; // the system's location service refused this application
    // "location source gpsd:127.0.0.1:2947 failed: connection refused"
    QString description() const;
};

// What a manager's source is doing, for a status line while there is no fix.
enum class LocationStatus {
    Stopped,
    Choosing,     // `auto` is still finding out which source answers
    Waiting,      // the source is open, no fix yet
    NotAnswering, // the source is open but has given no fix for a while
    Denied,       // the system's location service refused access
    Failed,       // the source could not be opened or died
    Receiving,    // fixes arrive
};

// The source in use, as a screen names it.
struct LocationSourceInfo {
    enum class Kind { Unknown, GeoClue, Gpsd, Receiver, Replay, Demo };
    Kind kind = Kind::Unknown;
    QString detail; // host:port, device or file; empty for GeoClue and the demo
    bool isDemo() const { return kind == Kind::Demo; }
    // Of a `source=` value that names one source ("gpsd:host:port", "demo", ...).
    static LocationSourceInfo of(const QString& source);
};

class LocationManagerDelegate {
public:
    virtual ~LocationManagerDelegate() = default;
    virtual void locationManagerDidUpdateToLocation(LocationManager* manager, const Location& location,
                                                    const std::optional<Location>& fromLocation) = 0;
    virtual void locationManagerDidFailWithError(LocationManager* manager, const LocationError& error) = 0;
};

class LocationManager : public QObject {
    Q_OBJECT
public:
    // Opens the positioning source; on failure returns nullptr after calling fail(cause),
    // and while running calls fail(cause) when the source dies.
    using FailureReporter = std::function<void(const QString& cause)>;
    using SourceOpener = std::function<QGeoPositionInfoSource*(QObject* parent, const FailureReporter& fail)>;

    // A manager over the source that the opener makes; `sourceName` names it in errors.
    LocationManager(QString sourceName, SourceOpener opener, QObject* parent = nullptr);
    ~LocationManager() override;

    // The source named by the device settings file (`auto` when none is named).
    static std::unique_ptr<LocationManager> fromDeviceSettings(QObject* parent = nullptr);
    // The source of a `source=` value as the device settings give it.
    static std::unique_ptr<LocationManager> forSource(const QString& source, double replaySpeed = 1.0,
                                                      QObject* parent = nullptr);
    // A manager of this process that reads `sourceName` now, or nullptr: a device read by one
    // is read through it, never opened twice.
    static LocationManager* running(const QString& sourceName);
    // The device settings file: <config>/quorvel/device.ini.
    static QString deviceSettingsPath();
    // The bundled track, as a resource path.
    static QString bundledTrackPath();

    QString sourceName() const { return sourceName_; }
    // The source in use: for `auto`, the one chosen (Unknown while choosing).
    LocationSourceInfo activeSource() const { return active_; }
    bool isDemo() const { return active_.isDemo(); }
    LocationStatus status() const { return status_; }
    // How long an open source may stay without a fix before it counts as not answering
    // (20 s unless set: less than a D-Bus call may take to time out).
    void setNotAnsweringTimeout(int ms) { notAnsweringMs_ = ms; }

    double desiredAccuracy() const { return desiredAccuracy_; }
    void setDesiredAccuracy(double accuracy);
    LocationManagerDelegate* delegate() const { return delegate_; }
    void setDelegate(LocationManagerDelegate* delegate) { delegate_ = delegate; }
    // Metres; a fix is delivered when it is the first one or at least this far from the
    // last one delivered.
    double distanceFilter() const { return distanceFilter_; }
    void setDistanceFilter(double metres) { distanceFilter_ = metres; }

    // Starting while running does nothing; after a failure, a stop and a new start try the
    // source again.
    void startUpdatingLocation();
    void stopUpdatingLocation();
    bool isUpdating() const { return updating_; }
    // The satellites the source sees and uses, where it says (not GeoClue); cleared when
    // the source closes.
    std::optional<SatelliteCount> satellites() const { return satellites_; }
    // The last location delivered, if any.
    std::optional<Location> location() const { return lastDelivered_; }

    // Feeds one fix as the source would (the same checks and filter apply).
    void handlePosition(const QGeoPositionInfo& info);

signals:
    // Every delivered location, for other screens that follow the same fixes.
    void locationUpdated(const Location& location);
    void failed(const LocationError& error);
    void statusChanged(LocationStatus status);
    // The source in use changed (`auto` made its choice).
    void activeSourceChanged(const LocationSourceInfo& source);
    void satellitesChanged();

private slots:
    void setSatellites(int inView, int used);

private:
    void fail(const QString& cause, bool accessDenied = false);
    void setStatus(LocationStatus status);
    void setActiveSource(const LocationSourceInfo& source);
    void closeSource();
    void openSource(quint64 generation);

    QString sourceName_;
    SourceOpener opener_;
    QPointer<QGeoPositionInfoSource> source_;
    LocationManagerDelegate* delegate_ = nullptr;
    double desiredAccuracy_ = kLocationAccuracyBest;
    double distanceFilter_ = kDistanceFilterNone;
    bool updating_ = false;
    bool failed_ = false;
    quint64 generation_ = 0; // tells failures of an older start from the current one
    std::optional<Location> lastDelivered_;
    LocationSourceInfo active_;
    LocationStatus status_ = LocationStatus::Stopped;
    int notAnsweringMs_ = 20000;
    QTimer* answerTimer_ = nullptr;
    std::optional<SatelliteCount> satellites_;
};
