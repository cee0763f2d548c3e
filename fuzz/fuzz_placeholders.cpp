// Fills arbitrary text (UTF-16 as it comes, lone surrogates included) with coordinates, a
// locality and a link. A fill changes nothing outside the placeholders, a second fill with the same
// values changes nothing, and the work is linear: the text repeated many times is filled
// within the run's time-out.

#include "report/Placeholders.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// What the screen fills in never holds a delimiter, a line break or a broken character.
QString value(QStringView raw)
{
    QString v;
    for (QChar c : raw)
        if (c != u'[' && c != u']' && c != u'{' && c != u'}' && c != u'<' && c != u'>' && c.unicode() >= 0x20 && c.unicode() != 0x85
            && c.unicode() != 0x2028 && c.unicode() != 0x2029 && !c.isSurrogate())
            v += c;
    return v;
}

QString fill(const QString& text, const QString& lat, const QString& lon, const QString& locality)
{
    return Placeholders::fillLink(Placeholders::fillLocality(Placeholders::fillCoordinates(text, lat, lon), locality),
                                  QStringLiteral("geo:50.087462,14.421254;u=8"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 6)
        return 0;
    // The first three bytes give the lengths of the three values, taken from the end.
    const size_t n = (size - 3) / 2;
    const QString all(reinterpret_cast<const QChar*>(data + 3), static_cast<qsizetype>(n));
    qsizetype rest = all.size();
    auto take = [&](uint8_t len) {
        const qsizetype k = std::min<qsizetype>(len % 16, rest);
        rest -= k;
        return value(QStringView(all).mid(rest, k));
    };
    const QString lat = QStringLiteral("N ") + take(data[0]);
    const QString lon = QStringLiteral("E ") + take(data[1]);
    const QString locality = take(data[2]);
    const QString text = all.left(rest);

    const QString once = fill(text, lat, lon, locality);
    if (fill(once, lat, lon, locality) != once)
        __builtin_trap();
    if (Placeholders::empty(once) != Placeholders::empty(text))
        __builtin_trap();
    const QString bare = Placeholders::removeMarkers(once);
    for (QChar c : bare)
        if (c == u'[' || c == u']' || c == u'{' || c == u'}')
            __builtin_trap();
    // Linear time: every 1024th input (the first too, so that a saved input replays it) is
    // repeated to a million characters, which must fill well within the run's time-out of
    // 10 s; a fill that is quadratic in the number of placeholders takes minutes.
    static unsigned runs = 0;
    if (!text.isEmpty() && runs++ % 1024 == 0)
        (void)fill(text.repeated(std::max<qsizetype>(1, (1 << 20) / text.size())), lat, lon, locality);
    return 0;
}
