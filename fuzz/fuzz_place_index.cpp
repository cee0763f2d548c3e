// Feeds arbitrary bytes to the place index reader; whatever it accepts is then queried,
// so a file that passes the checks but would send a lookup out of bounds is found too.
//
//   fuzz_place_index -max_len=65536 corpus/   (seed: build-fuzz/fuzz/place_index_seed/)

#include "platform/geocoding/PlaceIndex.h"

#include <QByteArray>
#include <QSet>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto index = PlaceIndex::fromBytes(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), QStringLiteral("fuzz"));
    if (!index->isValid()) {
        if (index->errorString().isEmpty())
            __builtin_trap(); // a refusal must say why
        return 0;
    }
    const LocationCoordinate2D points[] = {{0, 0}, {-40, -30}, {50.0875, 14.4213}, {89.999, 180}, {-90, -180}, {0, 179.99}};
    for (const auto& at : points) {
        for (const auto& hit : {index->nearest(at), index->nearestSection(at), index->nearestNonSection(at)}) {
            if (!hit)
                continue;
            if (hit->place >= index->count())
                __builtin_trap();
            (void)index->name(hit->place);
            (void)index->featureCode(hit->place);
            (void)index->countryCode(hit->place);
            (void)index->admin1Code(hit->place);
            (void)index->coordinate(hit->place);
        }
        // A place found twice means leaves that overlap, which the reader must refuse.
        QSet<quint32> seen;
        for (const auto& hit : index->placesNear(at, 5e6, 50)) {
            if (hit.place >= index->count() || seen.contains(hit.place))
                __builtin_trap();
            seen.insert(hit.place);
        }
    }
    for (quint32 i = 0; i < index->count() && i < 4096; ++i)
        (void)index->name(i);
    return 0;
}
