#pragma once
// The position sources behind LocationManager, and the pacing device that replays an
// NMEA file. NMEA itself is parsed by Qt Positioning.

#include "platform/location/LocationManager.h"

#include <QByteArray>
#include <QDateTime>
#include <QGeoPositionInfoSource>
#include <QIODevice>
#include <QList>
#include <QTimer>
#include <memory>
#include <optional>

namespace LocationSources {

// The opener of a `source=` value; an unknown one fails when started.
LocationManager::SourceOpener openerFor(const QString& source, double replaySpeed);
QGeoPositionInfoSource::PositioningMethods methodsForAccuracy(double accuracy);
QString describe(QGeoPositionInfoSource::Error error);
// A fix as the screens get it; nothing for a fix without a valid coordinate.
std::optional<Location> toLocation(const QGeoPositionInfo& info);

} // namespace LocationSources

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

// A character device (serial port, pty, FIFO) read without blocking; the end of the data
// or a read error is a failure of the source.
class CharacterDeviceReader : public QIODevice {
    Q_OBJECT
public:
    CharacterDeviceReader(const QString& path, LocationManager::FailureReporter fail, QObject* parent = nullptr);
    ~CharacterDeviceReader() override;
    // Opens the device read-only; on failure returns false with the cause in `error`.
    bool openDevice(QString* error);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return pending_.size() + QIODevice::bytesAvailable(); }
    bool canReadLine() const override { return pending_.contains('\n') || QIODevice::canReadLine(); }
    void close() override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    void readAvailable();

    QString path_;
    LocationManager::FailureReporter fail_;
    int fd_ = -1;
    class QSocketNotifier* notifier_ = nullptr;
    QByteArray pending_;
};
