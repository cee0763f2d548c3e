#include "coords/GPSUtils.h"
#include "coords/Truncation.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

// The strings are written straight into one stack buffer and copied into their QString once:
// going through the general formatter cost several allocations and a format-string parse per
// coordinate. The output is exactly what "%d° %01.3f'", "%d° %2d' %01.3f\"" and "%@ %01.4f"
// give through stringWithFormat: decimals correctly rounded by std::to_chars, which knows no
// locale, so the decimal separator is always a full stop.

namespace {

using Truncation::magnitude;
using Truncation::truncate32;

class Writer {
public:
    void put(char16_t c) { buf_[n_++] = c; }

    void ascii(const char* s, std::size_t len)
    {
        for (std::size_t i = 0; i < len; ++i)
            buf_[n_++] = static_cast<unsigned char>(s[i]);
    }

    // "%d", or "%2d" with width 2: spaces before the sign, as printf pads.
    void integer(std::int32_t v, int width = 0)
    {
        char digits[16];
        const std::int64_t wide = v;
        const auto res = std::to_chars(digits, digits + sizeof digits, wide < 0 ? -wide : wide);
        const int len = static_cast<int>(res.ptr - digits) + (v < 0 ? 1 : 0);
        for (int i = len; i < width; ++i)
            put(u' ');
        if (v < 0)
            put(u'-');
        ascii(digits, static_cast<std::size_t>(res.ptr - digits));
    }

    // "%01.Nf": the sign of a negative value (also of -0.0), at least one digit before the
    // point, exactly N decimals; "nan" without a sign, "inf" with one.
    void fixed(double v, int precision)
    {
        if (std::isnan(v)) {
            ascii("nan", 3);
            return;
        }
        if (std::signbit(v))
            put(u'-');
        if (std::isinf(v)) {
            ascii("inf", 3);
            return;
        }
        char digits[400];
        const auto res = std::to_chars(digits, digits + sizeof digits, std::fabs(v), std::chars_format::fixed, precision);
        ascii(digits, static_cast<std::size_t>(res.ptr - digits));
    }

    QString take() const { return QString(reinterpret_cast<const QChar*>(buf_), n_); }

private:
    // Room for the longest value a double can print with four decimals, and the rest.
    char16_t buf_[1024];
    qsizetype n_ = 0;
};

void degMin(Writer& w, double coord)
{
    const double t = truncate32(coord);
    const double minutes = std::fabs(coord - t) * 60.0;
    w.integer(magnitude(truncate32(t)));
    w.put(u'\u00B0');
    w.put(u' ');
    w.fixed(minutes, 3);
    w.put(u'\'');
}

void degMinSec(Writer& w, double coord)
{
    const double t = truncate32(coord);
    const double f = std::fabs(coord - t);
    const std::int32_t minutes = truncate32(f * 60.0);
    // Seconds come from f × 3600 directly, so that they are not the rounded rest of the minutes.
    // The product is formed in 64 bits, so absurd inputs cannot overflow it.
    const double seconds = f * 3600 - static_cast<double>(60LL * minutes);
    w.integer(magnitude(truncate32(t)));
    w.put(u'\u00B0');
    w.put(u' ');
    w.integer(minutes, 2);
    w.put(u'\'');
    w.put(u' ');
    w.fixed(seconds, 3);
    w.put(u'"');
}

enum class Kind { DegMin, DegMinSec, Raw };

QString coordinateString(char16_t letter, double coord, Kind kind)
{
    Writer w;
    w.put(letter);
    w.put(u' ');
    switch (kind) {
    case Kind::DegMin: degMin(w, coord); break;
    case Kind::DegMinSec: degMinSec(w, coord); break;
    case Kind::Raw: w.fixed(coord, 4); break;
    }
    return w.take();
}

QStringList pair(double latitude, double longitude, Kind kind)
{
    QStringList r;
    r.reserve(2);
    r.append(coordinateString(latitude > 0 ? u'N' : u'S', latitude, kind));
    r.append(coordinateString(longitude > 0 ? u'E' : u'W', longitude, kind));
    return r;
}

} // namespace

QString GPSUtils::formatToDegMinWithCoord(double coord)
{
    Writer w;
    degMin(w, coord);
    return w.take();
}

QString GPSUtils::formatToDegMinSecWithCoord(double coord)
{
    Writer w;
    degMinSec(w, coord);
    return w.take();
}

QStringList GPSUtils::formatToGeocachingWithLatitude(double latitude, double longitude)
{
    return pair(latitude, longitude, Kind::DegMin);
}

QStringList GPSUtils::formatToWGS84WithLatitude(double latitude, double longitude)
{
    return pair(latitude, longitude, Kind::DegMinSec);
}

QStringList GPSUtils::formatToRawWithLatitude(double latitude, double longitude)
{
    return pair(latitude, longitude, Kind::Raw);
}

QStringList GPSUtils::format(int code, double latitude, double longitude)
{
    switch (code) {
    case 0: return formatToGeocachingWithLatitude(latitude, longitude);
    case 1: return formatToWGS84WithLatitude(latitude, longitude);
    default: return formatToRawWithLatitude(latitude, longitude);
    }
}
