#include "platform/location/SatelliteCount.h"

#include <QList>

#include <algorithm>
#include <cctype>

SatelliteCount SatelliteCount::of(long long inView, long long used)
{
    auto clamp = [](long long n) { return static_cast<int>(std::clamp<long long>(n, 0, 255)); };
    return {clamp(inView), clamp(used)};
}

bool NmeaSatelliteCounter::feed(const char* data, qsizetype size)
{
    QByteArray sentence(data, size);
    const qsizetype star = sentence.indexOf('*');
    if (star >= 0)
        sentence.truncate(star);
    sentence = sentence.trimmed();
    if (sentence.size() < 6 || sentence.at(0) != '$')
        return false;
    const QList<QByteArray> fields = sentence.split(',');
    const QByteArray talker = fields.at(0).mid(1, 2);
    const QByteArray type = fields.at(0).mid(3);
    // Keys stay few whatever a feed sends: two capital letters, and one digit of system id.
    if (!std::all_of(talker.begin(), talker.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        return false;
    if (type == "GSV" && fields.size() > 3) {
        bool ok = false;
        const long long total = fields.at(3).toLongLong(&ok);
        if (!ok)
            return false;
        inView_[talker] = SatelliteCount::of(total, 0).inView;
    } else if (type == "GSA" && fields.size() > 14) {
        // Fields 3 to 14 hold the ids of the satellites used; field 18, where present,
        // names the system, so that each of a GNGSA's sentences counts on its own.
        const QByteArray id = fields.size() > 18 ? fields.at(18).trimmed() : QByteArray();
        const QByteArray system = id.size() == 1 && std::isxdigit(static_cast<unsigned char>(id.at(0))) ? talker + id : talker;
        const long long used = std::count_if(fields.begin() + 3, fields.begin() + 15,
                                             [](const QByteArray& f) { return !f.trimmed().isEmpty(); });
        used_[system] = static_cast<int>(used);
    } else {
        return false;
    }
    long long inView = 0;
    long long used = 0;
    for (int n : std::as_const(inView_))
        inView += n;
    for (int n : std::as_const(used_))
        used += n;
    const SatelliteCount count = SatelliteCount::of(inView, used);
    if (count == count_)
        return false;
    count_ = count;
    return true;
}

bool connectSatellites(QObject* source, QObject* receiver, const char* member)
{
    if (!source || source->metaObject()->indexOfSignal("satellitesChanged(int,int)") < 0)
        return false;
    return QObject::connect(source, SIGNAL(satellitesChanged(int, int)), receiver, member);
}
