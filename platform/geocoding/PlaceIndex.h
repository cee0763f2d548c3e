#pragma once
// The offline place index: GeoNames populated places, their names and two k-d trees
// (places that are sections of a populated place, and all others), written at build
// time by tools/make_place_index and mapped at start.
//
// Every file is checked before use (signature, version, layout, sizes, offsets and every
// index it holds), so a missing, truncated or foreign file gives an index that is not
// valid and says why; it is never read out of bounds.

#include "platform/location/Location.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>

class QFile;

class PlaceIndex {
public:
    struct Hit {
        quint32 place = 0;  // index into the places of this index
        double metres = 0;  // great-circle distance from the query
    };

    // Maps the file. Never null; check isValid().
    static std::shared_ptr<const PlaceIndex> open(const QString& path);
    // Opens the first file of defaultLocations() that exists.
    static std::shared_ptr<const PlaceIndex> openDefault();
    // Reads an index held in memory (tests and fuzzers); the bytes are copied.
    static std::shared_ptr<const PlaceIndex> fromBytes(const QByteArray& bytes, const QString& origin = QStringLiteral("(memory)"));

    // Where the application looks for its index, in order: next to the executable, in
    // ../share/quorvel/ beside it (an installed tree), in the data folders of the
    // desktop (XDG_DATA_DIRS), and last in the build tree this binary came from.
    static QStringList defaultLocations();
    static constexpr const char* fileName = "quorvel-places.bin";

    ~PlaceIndex();
    PlaceIndex(const PlaceIndex&) = delete;
    PlaceIndex& operator=(const PlaceIndex&) = delete;

    bool isValid() const { return valid_; }
    // Why the index is not valid, naming the file: "Place index <where>: <cause>".
    QString errorString() const { return error_; }
    QString origin() const { return origin_; }

    quint32 count() const { return count_; }
    quint32 sectionCount() const { return sectionCount_; }

    // Place fields; `place` must be below count().
    QString name(quint32 place) const;
    QString featureCode(quint32 place) const;
    QString countryCode(quint32 place) const; // ISO 3166-1 alpha-2, or empty
    QString admin1Code(quint32 place) const;  // GeoNames admin1 code, or empty
    quint32 population(quint32 place) const;
    quint32 geonameId(quint32 place) const;
    LocationCoordinate2D coordinate(quint32 place) const;
    bool isSection(quint32 place) const { return place >= count_ - sectionCount_; }

    // Nearest places by great-circle distance, at most `maxMetres` away. Absent when there
    // is none, for an index that is not valid, and for a coordinate that is not a
    // position on Earth (NaN, |lat| > 90, |lon| > 180). A bound makes the search faster.
    static constexpr double anyDistance = std::numeric_limits<double>::infinity();
    std::optional<Hit> nearest(LocationCoordinate2D at, double maxMetres = anyDistance) const;
    std::optional<Hit> nearestSection(LocationCoordinate2D at, double maxMetres = anyDistance) const; // PPLX
    std::optional<Hit> nearestNonSection(LocationCoordinate2D at, double maxMetres = anyDistance) const;

    // Places within `radiusMetres`, nearest first, at most `maxCount` of them.
    QList<Hit> placesNear(LocationCoordinate2D at, double radiusMetres, int maxCount) const;

    static bool isOnEarth(LocationCoordinate2D at);

private:
    struct Trees;
    PlaceIndex();
    void load(const uchar* data, quint64 size);
    bool fail(const QString& cause);
    std::optional<Hit> nearestIn(int tree, LocationCoordinate2D at, double maxMetres) const;
    const char* string(quint32 offset) const;

    bool valid_ = false;
    QString error_;
    QString origin_;
    std::unique_ptr<QFile> file_;
    std::unique_ptr<quint64[]> ownedBytes_;
    const uchar* data_ = nullptr;
    quint64 size_ = 0;
    quint64 treesOffset_ = 0; // the saved trees, from here to the end of the file
    quint32 count_ = 0;
    quint32 sectionCount_ = 0;
    const double* points_ = nullptr;
    const void* records_ = nullptr;
    const char* strings_ = nullptr;
    quint64 stringsSize_ = 0;
    const char* featureCodes_ = nullptr;
    quint32 featureCodeCount_ = 0;
    std::unique_ptr<Trees> trees_;
};

// One index for all who look places up, opened at the first lookup instead of at start:
// mapping and checking the file is the largest piece of work a start would otherwise do,
// and most of its pages need not be resident before a position is known.
class LazyPlaceIndex {
public:
    using Opener = std::function<std::shared_ptr<const PlaceIndex>()>;
    explicit LazyPlaceIndex(Opener open);
    // An index that is open already.
    explicit LazyPlaceIndex(std::shared_ptr<const PlaceIndex> index);

    // The index, opened by the first call; null only when the opener gave none.
    std::shared_ptr<const PlaceIndex> get() const;
    bool isOpened() const { return opened_; }

private:
    mutable Opener open_;
    mutable std::shared_ptr<const PlaceIndex> index_;
    mutable std::once_flag once_;
    mutable bool opened_ = false;
};
