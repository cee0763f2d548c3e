#pragma once
// The position sources behind LocationManager, and the pacing device that replays an
// NMEA file. NMEA itself is parsed by Qt Positioning.

#include "platform/foundation/FileDescriptor.h"
#include "platform/location/LocationManager.h"
#include "platform/location/SatelliteCount.h"

#include <QByteArray>
#include <QDateTime>
#include <QGeoPositionInfoSource>
#include <QIODevice>
#include <QNmeaPositionInfoSource>
#include <QList>
#include <QTimer>
#include <memory>
#include <optional>

namespace LocationSources {

inline constexpr quint16 kGpsdPort = 2947;

// A `source=` value read once for everyone who needs it: the opener, the screens' labels and
// the settings form. Kinds are written in lower case; anything else is Unknown.
struct SourceSetting {
    enum class Kind { Auto, Demo, GeoClue, Gpsd, NmeaDevice, NmeaTcp, Replay, Unknown };
    Kind kind = Kind::Auto;
    // After the first colon: HOST:PORT (gpsd, NMEA over TCP), the device or the recording.
    QString rest;
};
SourceSetting parseSource(const QString& source);

// The opener of a `source=` value; an unknown one fails when started.
LocationManager::SourceOpener openerFor(const QString& source, double replaySpeed);
QGeoPositionInfoSource::PositioningMethods methodsForAccuracy(double accuracy);
QString describe(QGeoPositionInfoSource::Error error);
// A fix as the screens get it; nothing for a fix without a valid coordinate.
std::optional<Location> toLocation(const QGeoPositionInfo& info);

} // namespace LocationSources

// Qt's NMEA parser, which also counts the satellites of GSV and GSA sentences.
class NmeaPositionSource : public QNmeaPositionInfoSource {
    Q_OBJECT
public:
    explicit NmeaPositionSource(QObject* parent = nullptr);

signals:
    void satellitesChanged(int inView, int used);

protected:
    bool parsePosInfoFromNmeaData(const char* data, int size, QGeoPositionInfo* posInfo, bool* hasFix) override;

private:
    NmeaSatelliteCounter satellites_;
};

// Hands out the lines of an NMEA recording at the pace its time stamps give, divided by
// `speed`, and starts again at the end. Lines of one fix (the same time stamp) come
// together; a recording without time stamps goes at one line a second.
class NmeaReplayDevice : public QIODevice {
    Q_OBJECT
public:
    // Where a replay has got to, so that a replay stopped and started again (the screen
    // hidden and shown) goes on from there instead of from the beginning.
    struct Progress {
        int next = 0;
        qint64 pass = 0;
    };
    NmeaReplayDevice(const QByteArray& recording, double speed, QObject* parent = nullptr,
                     std::shared_ptr<Progress> progress = {});
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return pending_.size() + QIODevice::bytesAvailable(); }
    bool canReadLine() const override { return pending_.contains('\n') || QIODevice::canReadLine(); }
    bool open(OpenMode mode) override;
    void close() override;
    // Number of fixes (groups of lines) per pass through the recording.
    int groupCount() const { return static_cast<int>(groups_.size()); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Group {
        QList<QByteArray> lines;
        double offset; // seconds from the start of the recording
        int delayMs;   // before the next group
    };
    void releaseNext();

    QList<Group> groups_;
    QByteArray pending_;
    QTimer timer_;
    std::shared_ptr<Progress> progress_;
    double passSeconds_ = 0;
    QDateTime start_;
};

// The bytes of a live NMEA feed, framed into lines for Qt's parser. A feed can be hostile
// or broken (a line that never ends, /dev/zero, a flood), so a line longer than any
// sentence is dropped whole, and of what arrives between two reads by the parser only the
// newest lines are kept: memory stays bounded and stale fixes are not queued.
class NmeaFeedDevice : public QIODevice {
    Q_OBJECT
public:
    static constexpr qsizetype kMaxLine = 1024;    // a sentence has at most 82 characters
    static constexpr qsizetype kMaxKept = 4096;    // newest complete lines waiting for the parser
    // Bytes taken from the source per wake-up, and the pause once a wake-up has taken that
    // much: together many times what the fastest serial receiver sends, but a flood leaves
    // the parser (which delivers a fix only in a lull) and the window time to breathe.
    static constexpr qsizetype kReadBudget = 16384;
    static constexpr int kFloodPauseMs = 50;

    using QIODevice::QIODevice;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return lines_.size() + QIODevice::bytesAvailable(); }
    bool canReadLine() const override { return lines_.contains('\n') || QIODevice::canReadLine(); }

protected:
    // Frames `n` more bytes of the feed.
    void take(const char* data, qsizetype n);
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 readLineData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }
    void clearBuffers();

private:
    QByteArray lines_;   // complete lines, each ending in LF
    QByteArray partial_; // the line being received
    bool skipping_ = false; // inside a line that grew too long, until its end
};

// A character device (serial port, pty, FIFO) read without blocking; the end of the data
// or a read error is a failure of the source.
class CharacterDeviceReader : public NmeaFeedDevice {
    Q_OBJECT
public:
    CharacterDeviceReader(const QString& path, LocationManager::FailureReporter fail, QObject* parent = nullptr);
    ~CharacterDeviceReader() override;
    // Opens the device read-only; on failure returns false with the cause in `error`.
    bool openDevice(QString* error);
    void close() override;

private:
    void readAvailable();

    QString path_;
    LocationManager::FailureReporter fail_;
    FileDescriptor fd_;
    class QSocketNotifier* notifier_ = nullptr;
};

// NMEA sentences from a TCP server; its going away or failing is a failure of the source.
class TcpNmeaReader : public NmeaFeedDevice {
    Q_OBJECT
public:
    TcpNmeaReader(const QString& host, quint16 port, const LocationManager::FailureReporter& fail,
                  QObject* parent = nullptr);
    void close() override;

private:
    void readAvailable();

    class TcpConnection* socket_ = nullptr;
    bool paused_ = false;
};
