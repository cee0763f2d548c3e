#pragma once
// A position source that is open and quiet until the test tells it what to say, as a real
// receiver would.

#include <QGeoPositionInfoSource>

class ScriptedSource : public QGeoPositionInfoSource {
public:
    using QGeoPositionInfoSource::QGeoPositionInfoSource;
    QGeoPositionInfo lastKnownPosition(bool = false) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override { return AllPositioningMethods; }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return NoError; }
    void startUpdates() override {}
    void stopUpdates() override {}
    void requestUpdate(int) override {}
    void say(Error e) { emit errorOccurred(e); }
};
