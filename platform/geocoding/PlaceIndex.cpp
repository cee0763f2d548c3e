#include "platform/geocoding/PlaceIndex.h"

#include "platform/geocoding/PlaceIndexFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <istream>
#include <streambuf>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

using namespace placeindex;

namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;
constexpr int kMaxTreeDepth = 64; // far above a real tree's; keeps the loader's recursion bounded

// An input stream over bytes already in memory, so nanoflann's loader reads the mapped
// tree without a copy of the file.
class MemoryBuffer : public std::streambuf {
public:
    MemoryBuffer(const char* data, std::size_t size)
    {
        char* p = const_cast<char*>(data); // only ever read
        setg(p, p, p + size);
    }
};

void toUnitVector(LocationCoordinate2D at, double out[3])
{
    const double lat = at.latitude * kRad;
    const double lon = at.longitude * kRad;
    out[0] = std::cos(lat) * std::cos(lon);
    out[1] = std::cos(lat) * std::sin(lon);
    out[2] = std::sin(lat);
}

double chordSquaredToMetres(double chordSquared)
{
    const double halfChord = std::sqrt(std::max(0.0, chordSquared)) / 2;
    return 2 * std::asin(std::min(1.0, halfChord)) * kEarthRadiusMetres;
}

double metresToChordSquared(double metres)
{
    const double angle = metres / kEarthRadiusMetres;
    if (angle >= 3.14159265358979323846)
        return 4.0000001; // the whole sphere
    const double chord = 2 * std::sin(angle / 2);
    return chord * chord;
}

bool sectionInside(const Section& s, quint64 fileSize)
{
    return s.offset % 8 == 0 && s.offset >= sizeof(Header) && s.offset <= fileSize && s.size <= fileSize - s.offset;
}

// Checks nanoflann's saved form of one tree over `pointCount` points before nanoflann
// reads it: nanoflann trusts its input entirely, so everything it will index or
// dereference is checked here. Returns the cause, or an empty string.
QString checkSavedTree(const char* p, quint64 size, quint32 pointCount)
{
    if (pointCount == 0)
        return size == 0 ? QString() : QStringLiteral("an empty group has a tree");
    quint64 pos = 0;
    auto take = [&](void* out, std::size_t n) {
        if (size - pos < n)
            return false;
        std::memcpy(out, p + pos, n);
        pos += n;
        return true;
    };
    const QString cutShort = QStringLiteral("the tree is cut short");
    std::size_t treeSize = 0;
    std::int32_t dim = 0;
    Tree::BoundingBox bbox;
    std::size_t leafMaxSize = 0;
    std::size_t indexCount = 0;
    if (!take(&treeSize, sizeof treeSize) || !take(&dim, sizeof dim) || !take(&bbox, sizeof bbox)
        || !take(&leafMaxSize, sizeof leafMaxSize) || !take(&indexCount, sizeof indexCount))
        return cutShort;
    if (treeSize != pointCount || indexCount != pointCount)
        return QStringLiteral("the tree covers %1 points instead of %2").arg(treeSize).arg(pointCount);
    if (dim != 3)
        return QStringLiteral("the tree has %1 dimensions instead of 3").arg(dim);
    for (const auto& interval : bbox)
        if (!std::isfinite(interval.low) || !std::isfinite(interval.high))
            return QStringLiteral("the tree's bounds are not numbers");
    if ((size - pos) / sizeof(std::uint32_t) < indexCount)
        return cutShort;
    for (std::size_t i = 0; i < indexCount; ++i) {
        std::uint32_t point = 0;
        std::memcpy(&point, p + pos + i * sizeof point, sizeof point);
        if (point >= pointCount)
            return QStringLiteral("tree entry %1 names point %2 of %3").arg(i).arg(point).arg(pointCount);
    }
    pos += indexCount * sizeof(std::uint32_t);

    // Nodes in pre-order: each inner node is followed by its first subtree, then its second.
    // The leaves, in that order, must split the entries into consecutive, disjoint, non-empty
    // runs that cover all of them: leaves that overlap would make every lookup visit every
    // place many times over, and this also bounds the number of nodes.
    std::vector<int> pendingDepths{0};
    quint64 nodeNumber = 0;
    std::size_t nextEntry = 0;
    while (!pendingDepths.empty()) {
        const int depth = pendingDepths.back();
        pendingDepths.pop_back();
        if (depth > kMaxTreeDepth)
            return QStringLiteral("the tree is deeper than %1 levels").arg(kMaxTreeDepth);
        TreeNode node;
        if (!take(static_cast<void*>(&node), sizeof node))
            return cutShort;
        const bool leaf = node.child1 == nullptr && node.child2 == nullptr;
        if (leaf) {
            if (node.node_type.lr.left > node.node_type.lr.right || node.node_type.lr.right > indexCount)
                return QStringLiteral("tree node %1 names entries outside the tree").arg(nodeNumber);
            if (node.node_type.lr.left != nextEntry || node.node_type.lr.right == nextEntry)
                return QStringLiteral("tree node %1 names entries %2 to %3 where the leaves should go on at entry %4")
                    .arg(nodeNumber)
                    .arg(node.node_type.lr.left)
                    .arg(node.node_type.lr.right)
                    .arg(nextEntry);
            nextEntry = node.node_type.lr.right;
        } else if (node.child1 != nullptr && node.child2 != nullptr) {
            if (node.node_type.sub.divfeat < 0 || node.node_type.sub.divfeat >= 3)
                return QStringLiteral("tree node %1 splits on dimension %2").arg(nodeNumber).arg(node.node_type.sub.divfeat);
            pendingDepths.push_back(depth + 1);
            pendingDepths.push_back(depth + 1);
        } else {
            return QStringLiteral("tree node %1 has a single child").arg(nodeNumber);
        }
        ++nodeNumber;
    }
    if (nextEntry != indexCount)
        return QStringLiteral("the tree's leaves cover %1 of its %2 entries").arg(nextEntry).arg(indexCount);
    if (pos != size)
        return QStringLiteral("%1 stray bytes follow the tree").arg(size - pos);
    return {};
}

} // namespace

struct PlaceIndex::Trees {
    // 0: every place that is not a section, 1: the sections.
    PointRange ranges[2];
    quint32 firstPlace[2] = {0, 0};
    std::unique_ptr<Tree> trees[2];
};

PlaceIndex::PlaceIndex() = default;
PlaceIndex::~PlaceIndex() = default;

std::shared_ptr<const PlaceIndex> PlaceIndex::open(const QString& path)
{
    std::shared_ptr<PlaceIndex> index(new PlaceIndex);
    index->origin_ = QDir::toNativeSeparators(path);
    auto file = std::make_unique<QFile>(path);
    if (!file->exists()) {
        index->fail(QStringLiteral("no such file"));
        return index;
    }
    if (!file->open(QIODevice::ReadOnly)) {
        index->fail(QStringLiteral("cannot be read (%1)").arg(file->errorString()));
        return index;
    }
    const qint64 size = file->size();
    if (size < qint64(sizeof(Header))) {
        index->fail(QStringLiteral("not a place index (%1 bytes, shorter than a header)").arg(size));
        return index;
    }
    uchar* mapped = file->map(0, size);
    if (mapped == nullptr) {
        index->fail(QStringLiteral("cannot be mapped (%1)").arg(file->errorString()));
        return index;
    }
    index->file_ = std::move(file);
    index->load(mapped, quint64(size));
    if (!index->valid_) {
        index->file_.reset(); // unmaps
    } else {
        // The saved trees now live in nanoflann's own memory: their pages of the mapping
        // are not needed again, so they need not stay resident.
        const auto page = quint64(sysconf(_SC_PAGESIZE));
        const quint64 from = (index->treesOffset_ + page - 1) / page * page;
        if (from < quint64(size))
            madvise(mapped + from, std::size_t(quint64(size) - from), MADV_DONTNEED);
    }
    return index;
}

std::shared_ptr<const PlaceIndex> PlaceIndex::openDefault()
{
    const QStringList locations = defaultLocations();
    for (const QString& path : locations)
        if (QFileInfo::exists(path))
            return open(path);
    std::shared_ptr<PlaceIndex> index(new PlaceIndex);
    index->origin_ = QLatin1String(fileName);
    index->fail(QStringLiteral("not found (looked in %1)").arg(locations.join(QStringLiteral(", "))));
    return index;
}

std::shared_ptr<const PlaceIndex> PlaceIndex::fromBytes(const QByteArray& bytes, const QString& origin)
{
    std::shared_ptr<PlaceIndex> index(new PlaceIndex);
    index->origin_ = origin;
    // Own, 8-aligned storage: the sections are read in place as doubles and integers.
    const auto size = quint64(bytes.size());
    index->ownedBytes_ = std::make_unique<quint64[]>(size / 8 + 1);
    std::memcpy(index->ownedBytes_.get(), bytes.constData(), size);
    if (size < sizeof(Header)) {
        index->fail(QStringLiteral("not a place index (%1 bytes, shorter than a header)").arg(size));
        return index;
    }
    index->load(reinterpret_cast<const uchar*>(index->ownedBytes_.get()), size);
    return index;
}

QStringList PlaceIndex::defaultLocations()
{
    const QString name = QLatin1String(fileName);
    QStringList paths;
    if (QCoreApplication::instance() != nullptr) {
        const QDir appDir(QCoreApplication::applicationDirPath());
        paths << appDir.filePath(name) << QDir::cleanPath(appDir.filePath(QStringLiteral("../share/quorvel/") + name));
    }
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        paths << QDir(dir).filePath(QStringLiteral("quorvel/") + name);
#ifdef QUORVEL_BUILD_PLACE_INDEX
    paths << QStringLiteral(QUORVEL_BUILD_PLACE_INDEX);
#endif
    paths.removeDuplicates();
    return paths;
}

bool PlaceIndex::fail(const QString& cause)
{
    valid_ = false;
    error_ = QStringLiteral("Place index %1: %2").arg(origin_, cause);
    trees_.reset();
    count_ = sectionCount_ = 0;
    return false;
}

void PlaceIndex::load(const uchar* data, quint64 size)
{
    Header h;
    std::memcpy(&h, data, sizeof h);
    if (std::memcmp(h.magic, kMagic, sizeof kMagic) != 0) {
        fail(QStringLiteral("not a place index (unknown signature)"));
        return;
    }
    if (h.version != kVersion) {
        fail(QStringLiteral("format version %1, this build reads version %2").arg(h.version).arg(kVersion));
        return;
    }
    if (h.headerSize != sizeof(Header) || h.byteOrderMark != kByteOrderMark || h.sizeOfSize != sizeof(std::size_t)
        || h.treeNodeSize != sizeof(TreeNode)) {
        fail(QStringLiteral("written for another kind of machine"));
        return;
    }
    if (h.fileSize != size) {
        fail(h.fileSize > size ? QStringLiteral("truncated (%1 of %2 bytes)").arg(size).arg(h.fileSize)
                               : QStringLiteral("%1 bytes where %2 were written").arg(size).arg(h.fileSize));
        return;
    }
    const struct {
        const Section& section;
        const char* what;
    } sections[] = {{h.points, "places"},          {h.records, "place records"},
                    {h.strings, "names"},          {h.featureCodes, "feature codes"},
                    {h.localityTree, "place tree"}, {h.sectionTree, "section tree"}};
    for (const auto& s : sections) {
        if (!sectionInside(s.section, size)) {
            fail(QStringLiteral("damaged (the %1 lie outside the file)").arg(QLatin1String(s.what)));
            return;
        }
    }
    if (h.sectionCount > h.placeCount || h.points.size != quint64(h.placeCount) * 3 * sizeof(double)
        || h.records.size != quint64(h.placeCount) * sizeof(PlaceRecord)
        || h.featureCodes.size != quint64(h.featureCodeCount) * kFeatureCodeSize || h.featureCodeCount > 256) {
        fail(QStringLiteral("damaged (section sizes do not match %1 places)").arg(h.placeCount));
        return;
    }
    if (h.strings.size == 0 || data[h.strings.offset] != 0 || data[h.strings.offset + h.strings.size - 1] != 0) {
        fail(QStringLiteral("damaged (the name table is not terminated)"));
        return;
    }

    points_ = reinterpret_cast<const double*>(data + h.points.offset);
    records_ = data + h.records.offset;
    strings_ = reinterpret_cast<const char*>(data + h.strings.offset);
    stringsSize_ = h.strings.size;
    featureCodes_ = reinterpret_cast<const char*>(data + h.featureCodes.offset);
    featureCodeCount_ = h.featureCodeCount;
    bool sectionCode[256] = {};
    for (quint32 c = 0; c < featureCodeCount_; ++c) {
        if (featureCodes_[c * kFeatureCodeSize + kFeatureCodeSize - 1] != 0) {
            fail(QStringLiteral("damaged (feature code %1 is not terminated)").arg(c));
            return;
        }
        sectionCode[c] = std::strcmp(featureCodes_ + c * kFeatureCodeSize, "PPLX") == 0;
    }
    const quint32 firstSection = h.placeCount - h.sectionCount;
    const auto* records = static_cast<const PlaceRecord*>(records_);
    for (quint32 i = 0; i < h.placeCount; ++i) {
        const PlaceRecord& r = records[i];
        if (r.name >= stringsSize_ || r.admin1 >= stringsSize_) {
            fail(QStringLiteral("damaged (place %1 names text outside the name table)").arg(i));
            return;
        }
        if (r.featureCode >= featureCodeCount_) {
            fail(QStringLiteral("damaged (place %1 has an unknown feature code)").arg(i));
            return;
        }
        if (sectionCode[r.featureCode] != (i >= firstSection)) {
            fail(QStringLiteral("damaged (place %1 is in the wrong group)").arg(i));
            return;
        }
        const double* v = points_ + 3 * std::size_t(i);
        const double norm = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
        if (!(std::fabs(norm - 1) < 1e-9)) {
            fail(QStringLiteral("damaged (place %1 is not a point on the sphere)").arg(i));
            return;
        }
    }

    auto trees = std::make_unique<Trees>();
    const Section* treeSections[2] = {&h.localityTree, &h.sectionTree};
    const char* treeNames[2] = {"place tree", "section tree"};
    trees->firstPlace[0] = 0;
    trees->firstPlace[1] = firstSection;
    trees->ranges[0] = PointRange{points_, firstSection};
    trees->ranges[1] = PointRange{points_ + 3 * std::size_t(firstSection), h.sectionCount};
    for (int t = 0; t < 2; ++t) {
        const char* bytes = reinterpret_cast<const char*>(data + treeSections[t]->offset);
        const QString cause = checkSavedTree(bytes, treeSections[t]->size, trees->ranges[t].count);
        if (!cause.isEmpty()) {
            fail(QStringLiteral("damaged (%1: %2)").arg(QLatin1String(treeNames[t]), cause));
            return;
        }
        if (trees->ranges[t].count == 0)
            continue;
        trees->trees[t] = std::make_unique<Tree>(
            3, trees->ranges[t],
            nanoflann::KDTreeSingleIndexAdaptorParams(kLeafMaxSize, nanoflann::KDTreeSingleIndexAdaptorFlags::SkipInitialBuildIndex));
        MemoryBuffer buffer(bytes, treeSections[t]->size);
        std::istream in(&buffer);
        trees->trees[t]->loadIndex(in);
        if (!in) {
            fail(QStringLiteral("damaged (%1 could not be read)").arg(QLatin1String(treeNames[t])));
            return;
        }
    }
    data_ = data;
    size_ = size;
    treesOffset_ = std::min(h.localityTree.offset, h.sectionTree.offset);
    count_ = h.placeCount;
    sectionCount_ = h.sectionCount;
    trees_ = std::move(trees);
    valid_ = true;
}

const char* PlaceIndex::string(quint32 offset) const
{
    return strings_ + offset; // checked at load: inside the table, which ends with a NUL
}

QString PlaceIndex::name(quint32 place) const
{
    return QString::fromUtf8(string(static_cast<const PlaceRecord*>(records_)[place].name));
}

QString PlaceIndex::admin1Code(quint32 place) const
{
    return QString::fromUtf8(string(static_cast<const PlaceRecord*>(records_)[place].admin1));
}

QString PlaceIndex::featureCode(quint32 place) const
{
    return QString::fromLatin1(featureCodes_ + static_cast<const PlaceRecord*>(records_)[place].featureCode * kFeatureCodeSize);
}

QString PlaceIndex::countryCode(quint32 place) const
{
    const char* c = static_cast<const PlaceRecord*>(records_)[place].country;
    if (c[0] == 0 || c[1] == 0)
        return {};
    return QString::fromLatin1(c, 2);
}

quint32 PlaceIndex::population(quint32 place) const
{
    return static_cast<const PlaceRecord*>(records_)[place].population;
}

quint32 PlaceIndex::geonameId(quint32 place) const
{
    return static_cast<const PlaceRecord*>(records_)[place].geonameId;
}

LocationCoordinate2D PlaceIndex::coordinate(quint32 place) const
{
    const double* v = points_ + 3 * std::size_t(place);
    return {std::asin(std::clamp(v[2], -1.0, 1.0)) / kRad, std::atan2(v[1], v[0]) / kRad};
}

bool PlaceIndex::isOnEarth(LocationCoordinate2D at)
{
    return std::isfinite(at.latitude) && std::isfinite(at.longitude) && std::fabs(at.latitude) <= 90
           && std::fabs(at.longitude) <= 180;
}

namespace {

// nanoflann result set for the single nearest point closer than a bound. Points reach
// addPoint when they beat the bound as it stood at the start of their leaf, so each is
// compared again here.
struct NearestWithin {
    double worst;
    std::uint32_t index = 0;
    bool found = false;

    bool addPoint(double chordSquared, std::uint32_t point)
    {
        if (chordSquared < worst) {
            worst = chordSquared;
            index = point;
            found = true;
        }
        return true;
    }
    double worstDist() const { return worst; }
    bool full() const { return true; }
};

} // namespace

std::optional<PlaceIndex::Hit> PlaceIndex::nearestIn(int t, LocationCoordinate2D at, double maxMetres) const
{
    if (!valid_ || !trees_->trees[t] || !isOnEarth(at) || !(maxMetres >= 0))
        return std::nullopt;
    double q[3];
    toUnitVector(at, q);
    // Slightly wider than asked, so that a place at the limit itself is found; the
    // distance in metres decides below.
    NearestWithin result{std::isinf(maxMetres) ? 5.0 : metresToChordSquared(maxMetres) * (1 + 1e-12) + 1e-24};
    trees_->trees[t]->findNeighbors(result, q, nanoflann::SearchParams());
    if (!result.found)
        return std::nullopt;
    const Hit hit{trees_->firstPlace[t] + result.index, chordSquaredToMetres(result.worst)};
    if (hit.metres > maxMetres)
        return std::nullopt;
    return hit;
}

std::optional<PlaceIndex::Hit> PlaceIndex::nearestSection(LocationCoordinate2D at, double maxMetres) const
{
    return nearestIn(1, at, maxMetres);
}

std::optional<PlaceIndex::Hit> PlaceIndex::nearestNonSection(LocationCoordinate2D at, double maxMetres) const
{
    return nearestIn(0, at, maxMetres);
}

std::optional<PlaceIndex::Hit> PlaceIndex::nearest(LocationCoordinate2D at, double maxMetres) const
{
    // The big tree first; its answer bounds the search of the small one.
    const auto other = nearestIn(0, at, maxMetres);
    const auto section = nearestIn(1, at, other ? other->metres : maxMetres);
    if (section && (!other || section->metres < other->metres))
        return section;
    return other;
}

QList<PlaceIndex::Hit> PlaceIndex::placesNear(LocationCoordinate2D at, double radiusMetres, int maxCount) const
{
    QList<Hit> hits;
    if (!valid_ || !isOnEarth(at) || !(radiusMetres >= 0) || maxCount <= 0)
        return hits;
    double q[3];
    toUnitVector(at, q);
    const double radius = metresToChordSquared(radiusMetres);
    std::vector<std::pair<std::uint32_t, double>> found;
    for (int t = 0; t < 2; ++t) {
        if (!trees_->trees[t])
            continue;
        found.clear();
        trees_->trees[t]->radiusSearch(q, radius, found, nanoflann::SearchParams(32, 0, false));
        for (const auto& [point, chordSquared] : found)
            hits.append(Hit{trees_->firstPlace[t] + point, chordSquaredToMetres(chordSquared)});
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return a.metres != b.metres ? a.metres < b.metres : a.place < b.place;
    });
    if (hits.size() > maxCount)
        hits.resize(maxCount);
    return hits;
}
