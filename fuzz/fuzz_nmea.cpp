// Feeds arbitrary bytes as an NMEA receiver would (through a pipe read as a character
// device), through the location manager: every position it delivers lies on the Earth and
// holds no NaN, and the end of the data is reported once as the source's failure.

#include "fuzz/FuzzSupport.h"
#include "platform/location/LocationManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool finiteOrUnknown(double v)
{
    return std::isfinite(v);
}

class Checker : public LocationManagerDelegate {
public:
    int failures = 0;
    void locationManagerDidUpdateToLocation(LocationManager*, const Location& l, const std::optional<Location>& from) override
    {
        check(l);
        if (from)
            check(*from);
    }
    void locationManagerDidFailWithError(LocationManager*, const LocationError&) override { ++failures; }

private:
    static void check(const Location& l)
    {
        const double lat = l.coordinate.latitude;
        const double lon = l.coordinate.longitude;
        if (!std::isfinite(lat) || !std::isfinite(lon) || lat < -90 || lat > 90 || lon < -180 || lon > 180)
            __builtin_trap();
        if (!finiteOrUnknown(l.altitude) || !finiteOrUnknown(l.horizontalAccuracy) || !finiteOrUnknown(l.verticalAccuracy))
            __builtin_trap();
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Positions only; no display, no D-Bus.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::quietApplication();
    // A pipe holds 64 KiB without a reader; run with -max_len below that.
    if (size > 60000)
        return 0;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        __builtin_trap();
    if (size > 0 && ::write(fds[1], data, size) != static_cast<ssize_t>(size))
        __builtin_trap();
    ::close(fds[1]);
    {
        auto manager = LocationManager::forSource(QStringLiteral("nmea:/proc/self/fd/%1").arg(fds[0]));
        Checker checker;
        manager->setDelegate(&checker);
        manager->startUpdatingLocation();
        QElapsedTimer clock;
        clock.start();
        // Until the source reports the end of its data; a second is far more than it needs.
        while (checker.failures == 0 && clock.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (checker.failures != 1)
            __builtin_trap();
        manager->stopUpdatingLocation();
    }
    ::close(fds[0]);
    return 0;
}
