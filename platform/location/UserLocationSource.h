#pragma once
// Where the map view learns the user's position: anything that can be started and stopped
// and delivers fixes. The source applies its own distance filter; the map takes every fix
// it is given.

#include "platform/location/Location.h"

#include <QObject>

class UserLocationSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~UserLocationSource() override = default;

    virtual void startUpdatingLocation() = 0;
    virtual void stopUpdatingLocation() = 0;
    // Whether the fixes are a demo rather than the user's position.
    virtual bool isDemo() const { return false; }

signals:
    void locationUpdated(const Location& location);
};
