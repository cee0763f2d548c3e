#pragma once
// How many satellites a receiver sees and uses while it waits for a fix, from NMEA's GSV
// and GSA sentences (gpsd reports its own counts).

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

struct SatelliteCount {
    int inView = 0;
    int used = 0;
    bool operator==(const SatelliteCount&) const = default;
    // Counts out of range (a broken or hostile feed) are clamped to 0..255.
    static SatelliteCount of(long long inView, long long used);
};

class NmeaSatelliteCounter {
public:
    // Takes one sentence; true when the counts changed.
    bool feed(const char* data, qsizetype size);
    SatelliteCount count() const { return count_; }

private:
    // Per constellation (the talker, and the system id a GNGSA carries).
    QHash<QByteArray, int> inView_;
    QHash<QByteArray, int> used_;
    SatelliteCount count_;
};

// A position source with satellite counts declares the signal
// `satellitesChanged(int inView, int used)`; this connects it to `receiver`'s
// signal or slot of that signature when it has one.
bool connectSatellites(QObject* source, QObject* receiver, const char* member);
