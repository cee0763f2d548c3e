// The place index reader: a good file is read in place and answers lookups; a missing,
// truncated, foreign or damaged one is refused with its cause, never read out of bounds.

#include "platform/geocoding/PlaceIndex.h"
#include "platform/geocoding/PlaceIndexFormat.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <functional>

using namespace placeindex;

namespace {

QByteArray sampleBytes()
{
    QFile f(QStringLiteral(QUORVEL_SAMPLE_PLACE_INDEX));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("sample place index missing: %s", QUORVEL_SAMPLE_PLACE_INDEX);
    return f.readAll();
}

Header headerOf(const QByteArray& b)
{
    Header h;
    std::memcpy(&h, b.constData(), sizeof h);
    return h;
}

void putHeader(QByteArray& b, const Header& h)
{
    std::memcpy(b.data(), &h, sizeof h);
}

template <typename T>
void put(QByteArray& b, quint64 offset, const T& value)
{
    std::memcpy(b.data() + offset, &value, sizeof value);
}

// Where the nodes of the place tree start in the file.
quint64 firstNodeOffset(const Header& h)
{
    const quint32 points = h.placeCount - h.sectionCount;
    return h.localityTree.offset + sizeof(std::size_t) + sizeof(std::int32_t) + sizeof(Tree::BoundingBox)
           + sizeof(std::size_t) + sizeof(std::size_t) + points * sizeof(std::uint32_t);
}

TreeNode nodeAt(const QByteArray& b, quint64 offset)
{
    TreeNode n;
    std::memcpy(static_cast<void*>(&n), b.constData() + offset, sizeof n);
    return n;
}

// Calls `visit` with the offset of every node of the place tree, in file order.
void forEachNode(const QByteArray& b, const std::function<void(quint64)>& visit)
{
    quint64 at = firstNodeOffset(headerOf(b));
    for (int pending = 1; pending > 0; at += sizeof(TreeNode)) {
        pending += (nodeAt(b, at).child1 != nullptr ? 2 : 0) - 1;
        visit(at);
    }
}

// Rewrites every leaf of the place tree.
void rewriteLeaves(QByteArray& b, const std::function<void(TreeNode&, int leaf)>& change)
{
    int leaf = 0;
    forEachNode(b, [&](quint64 at) {
        TreeNode n = nodeAt(b, at);
        if (n.child1 != nullptr)
            return;
        change(n, leaf++);
        put(b, at, n);
    });
}

using Damage = std::function<void(QByteArray&)>;

// Damage that changes only the header's fields.
Damage headerEdit(std::function<void(Header&)> edit)
{
    return [edit](QByteArray& b) {
        Header h = headerOf(b);
        edit(h);
        putHeader(b, h);
    };
}

quint32 placeNamed(const PlaceIndex& index, const QString& name)
{
    for (quint32 i = 0; i < index.count(); ++i)
        if (index.name(i) == name)
            return i;
    qFatal("no place named %s", qPrintable(name));
}

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestPlaceIndex : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initTestEnvironment(); }

    void readsTheSampleInPlace()
    {
        const auto index = PlaceIndex::open(QStringLiteral(QUORVEL_SAMPLE_PLACE_INDEX));
        QVERIFY2(index->isValid(), qPrintable(index->errorString()));
        QCOMPARE(index->count(), 231u);
        QCOMPARE(index->sectionCount(), 2u);
        QStringList sections;
        for (quint32 i = 0; i < index->count(); ++i) {
            QCOMPARE(index->isSection(i), index->featureCode(i) == QStringLiteral("PPLX"));
            if (index->isSection(i))
                sections << index->name(i);
        }
        sections.sort();
        QCOMPARE(sections, (QStringList{"Brannock Harbour", "Staré Brannock"})); // sections come last

        const quint32 town = placeNamed(*index, QStringLiteral("Brannock"));
        QCOMPARE(index->featureCode(town), QStringLiteral("PPLC"));
        QCOMPARE(index->countryCode(town), QStringLiteral("CZ"));
        QCOMPARE(index->admin1Code(town), QStringLiteral("52"));
        QCOMPARE(index->population(town), 120000u);
        QCOMPARE(index->geonameId(town), 9000001u);
        const LocationCoordinate2D c = index->coordinate(town);
        QVERIFY(std::fabs(c.latitude + 40) < 1e-9 && std::fabs(c.longitude + 30) < 1e-9);
        const quint32 station = placeNamed(*index, QStringLiteral("Polaris Station"));
        QCOMPARE(index->countryCode(station), QString()); // none given
        QCOMPARE(index->admin1Code(station), QString());
    }

    void bytesAndFileGiveTheSameIndex()
    {
        const auto fromFile = PlaceIndex::open(QStringLiteral(QUORVEL_SAMPLE_PLACE_INDEX));
        const auto fromBytes = PlaceIndex::fromBytes(sampleBytes());
        QVERIFY(fromBytes->isValid());
        QCOMPARE(fromBytes->count(), fromFile->count());
        const LocationCoordinate2D at{-39.99, -30.0};
        QCOMPARE(fromBytes->nearest(at)->place, fromFile->nearest(at)->place);
    }

    void nearestLookups_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("nearest");
        QTest::addColumn<QString>("nearestSection");
        QTest::addColumn<QString>("nearestNonSection");
        QTest::addColumn<double>("metres");
        const double km = 1 / 111.19508372;
        QTest::newRow("on a town") << -40.0 << -30.0 << "Brannock" << "Staré Brannock" << "Brannock" << 0.0;
        QTest::newRow("a section is nearer than the town")
            << -40.0 + 2.5 * km << -30.0 << "Staré Brannock" << "Staré Brannock" << "Brannock" << 500.0;
        QTest::newRow("across the antimeridian") << 0.0 << -179.995 << "Eastend" << "Staré Brannock" << "Eastend" << 1668.0;
        QTest::newRow("near the pole, other side") << 89.995 << 180.0 << "Polaris Station" << "Brannock Harbour"
                                                   << "Polaris Station" << 1112.0;
    }

    void nearestLookups()
    {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, nearest);
        QFETCH(QString, nearestSection);
        QFETCH(QString, nearestNonSection);
        QFETCH(double, metres);
        const auto index = PlaceIndex::open(QStringLiteral(QUORVEL_SAMPLE_PLACE_INDEX));
        const LocationCoordinate2D at{lat, lon};
        const auto hit = index->nearest(at);
        QVERIFY(hit);
        QCOMPARE(index->name(hit->place), nearest);
        QVERIFY2(std::fabs(hit->metres - metres) < 2, qPrintable(QString::number(hit->metres)));
        QCOMPARE(index->name(index->nearestSection(at)->place), nearestSection);
        QCOMPARE(index->name(index->nearestNonSection(at)->place), nearestNonSection);
    }

    void refusesPositionsNotOnEarth_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::newRow("latitude 91") << 91.0 << 0.0;
        QTest::newRow("longitude 181") << 0.0 << 181.0;
        QTest::newRow("NaN") << std::nan("") << 0.0;
        QTest::newRow("infinite") << 0.0 << HUGE_VAL;
    }

    void refusesPositionsNotOnEarth()
    {
        QFETCH(double, lat);
        QFETCH(double, lon);
        const auto index = PlaceIndex::open(QStringLiteral(QUORVEL_SAMPLE_PLACE_INDEX));
        QVERIFY(!index->nearest({lat, lon}));
        QVERIFY(index->placesNear({lat, lon}, 1e6, 10).isEmpty());
    }

    void placesNearAreSortedAndCapped()
    {
        const auto index = PlaceIndex::open(QStringLiteral(QUORVEL_SAMPLE_PLACE_INDEX));
        const double km = 1 / 111.19508372;
        const LocationCoordinate2D at{-40.0 + 1 * km, -30.0};
        QStringList names;
        for (const auto& hit : index->placesNear(at, 10000, 10))
            names << index->name(hit.place);
        QCOMPARE(names, (QStringList{"Brannock", "Staré Brannock", "Brannock Harbour"}));
        QCOMPARE(index->placesNear(at, 10000, 2).size(), 2);
        QCOMPARE(index->placesNear(at, 500, 10).size(), 0);
        const auto all = index->placesNear({60.5, 100.7}, 20000, 1000);
        QVERIFY(all.size() > 20);
        for (qsizetype i = 1; i < all.size(); ++i)
            QVERIFY(all[i - 1].metres <= all[i].metres && all[i].metres <= 20000);
    }

    void refusesMissingFiles()
    {
        QTemporaryDir dir;
        const auto missing = PlaceIndex::open(dir.filePath(QStringLiteral("none.bin")));
        QVERIFY(!missing->isValid());
        QVERIFY2(missing->errorString().contains(QStringLiteral("none.bin: no such file")),
                 qPrintable(missing->errorString()));
        QVERIFY(!missing->nearest({0, 0}));
        QCOMPARE(missing->count(), 0u);

        const auto directory = PlaceIndex::open(dir.path());
        QVERIFY(!directory->isValid());
        QVERIFY(!directory->errorString().isEmpty());
    }

    void refusesDamagedFiles_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("cause");
        QTest::newRow("empty file") << Damage([](QByteArray& b) { b.clear(); }) << "shorter than a header";
        QTest::newRow("cut after the header") << Damage([](QByteArray& b) { b.truncate(sizeof(Header)); }) << "truncated";
        QTest::newRow("cut in the places")
            << Damage([](QByteArray& b) { b.truncate(qsizetype(headerOf(b).points.offset + 100)); }) << "truncated";
        QTest::newRow("cut in the last tree") << Damage([](QByteArray& b) { b.chop(8); }) << "truncated";
        QTest::newRow("bytes appended") << Damage([](QByteArray& b) { b.append(8, '\0'); }) << "where";
        QTest::newRow("foreign file")
            << Damage([](QByteArray& b) { b = QByteArray("<?xml version=\"1.0\"?><places/>").repeated(20); })
            << "unknown signature";
        QTest::newRow("newer version") << headerEdit([](Header& h) { h.version = 2; }) << "format version 2";
        QTest::newRow("other machine's layout")
            << headerEdit([](Header& h) { h.treeNodeSize += 8; }) << "another kind of machine";
        QTest::newRow("section outside the file")
            << headerEdit([](Header& h) { h.records.offset = h.fileSize; }) << "lie outside the file";
        QTest::newRow("section size overflows")
            << headerEdit([](Header& h) { h.strings.size = ~quint64(0) - 4; }) << "lie outside the file";
        QTest::newRow("misaligned section")
            << headerEdit([](Header& h) { h.points.offset += 4; }) << "lie outside the file";
        QTest::newRow("place count beyond the sections")
            << headerEdit([](Header& h) { h.placeCount += 1; }) << "do not match";
        QTest::newRow("more sections than places")
            << headerEdit([](Header& h) { h.sectionCount = h.placeCount + 1; }) << "do not match";
        QTest::newRow("name table not terminated") << Damage([](QByteArray& b) {
            const Header h = headerOf(b);
            b[qsizetype(h.strings.offset + h.strings.size - 1)] = 'x';
        }) << "not terminated";
        QTest::newRow("name outside the name table") << Damage([](QByteArray& b) {
            const Header h = headerOf(b);
            put<std::uint32_t>(b, h.records.offset + offsetof(PlaceRecord, name), std::uint32_t(h.strings.size));
        }) << "outside the name table";
        QTest::newRow("unknown feature code") << Damage([](QByteArray& b) {
            const Header h = headerOf(b);
            put<std::uint8_t>(b, h.records.offset + offsetof(PlaceRecord, featureCode), 200);
        }) << "unknown feature code";
        QTest::newRow("section among the other places") << Damage([](QByteArray& b) {
            const Header h = headerOf(b);
            const quint64 last = h.records.offset + (h.placeCount - 1) * sizeof(PlaceRecord);
            put<std::uint8_t>(b, h.records.offset + offsetof(PlaceRecord, featureCode),
                              std::uint8_t(b[qsizetype(last + offsetof(PlaceRecord, featureCode))]));
        }) << "wrong group";
        QTest::newRow("point off the sphere")
            << Damage([](QByteArray& b) { put<double>(b, headerOf(b).points.offset, 2.0); }) << "not a point on the sphere";
        QTest::newRow("point not a number") << Damage([](QByteArray& b) {
            put<double>(b, headerOf(b).points.offset, std::nan(""));
        }) << "not a point on the sphere";
        QTest::newRow("tree covers another count") << Damage([](QByteArray& b) {
            put<std::size_t>(b, headerOf(b).localityTree.offset, 3);
        }) << "covers 3 points";
        QTest::newRow("tree entry names a point outside the tree") << Damage([](QByteArray& b) {
            const Header h = headerOf(b);
            put<std::uint32_t>(b, firstNodeOffset(h) - sizeof(std::uint32_t), 999999);
        }) << "names point 999999";
        QTest::newRow("tree entries name a place twice") << Damage([](QByteArray& b) {
            const quint64 entries = firstNodeOffset(headerOf(b)) - (headerOf(b).placeCount - headerOf(b).sectionCount) * sizeof(std::uint32_t);
            std::uint32_t first = 0;
            std::memcpy(&first, b.constData() + entries, sizeof first);
            put<std::uint32_t>(b, entries + sizeof(std::uint32_t), first);
        }) << "a second time";
        QTest::newRow("inner node with one child") << Damage([](QByteArray& b) {
            const quint64 root = firstNodeOffset(headerOf(b));
            TreeNode n = nodeAt(b, root);
            QVERIFY(n.child1 && n.child2);
            n.child2 = nullptr;
            put(b, root, n);
        }) << "single child";
        QTest::newRow("split on a fourth dimension") << Damage([](QByteArray& b) {
            const quint64 root = firstNodeOffset(headerOf(b));
            TreeNode n = nodeAt(b, root);
            n.node_type.sub.divfeat = 7;
            put(b, root, n);
        }) << "splits on dimension 7";
        QTest::newRow("leaf reaches past the tree") << Damage([](QByteArray& b) {
            quint64 at = firstNodeOffset(headerOf(b));
            while (nodeAt(b, at).child1 != nullptr)
                at += sizeof(TreeNode); // the first leaf follows the chain of first children
            TreeNode n = nodeAt(b, at);
            n.node_type.lr.right = 1u << 30;
            put(b, at, n);
        }) << "entries outside the tree";
        QTest::newRow("leaves overlap, each naming every place") << Damage([](QByteArray& b) {
            const Header h = headerOf(b);
            rewriteLeaves(b, [&](TreeNode& n, int) {
                n.node_type.lr.left = 0;
                n.node_type.lr.right = h.placeCount - h.sectionCount;
            });
        }) << "where the leaves should go on";
        QTest::newRow("an empty leaf") << Damage([](QByteArray& b) {
            rewriteLeaves(b, [](TreeNode& n, int leaf) {
                if (leaf == 0)
                    n.node_type.lr.right = n.node_type.lr.left;
            });
        }) << "where the leaves should go on at entry 0";
        QTest::newRow("leaves skip a place") << Damage([](QByteArray& b) {
            rewriteLeaves(b, [](TreeNode& n, int leaf) {
                if (leaf == 1)
                    ++n.node_type.lr.left;
            });
        }) << "where the leaves should go on";
        QTest::newRow("the last leaf stops short") << Damage([](QByteArray& b) {
            int leaves = 0;
            rewriteLeaves(b, [&](TreeNode&, int) { ++leaves; });
            rewriteLeaves(b, [&](TreeNode& n, int leaf) {
                if (leaf == leaves - 1)
                    --n.node_type.lr.right;
            });
        }) << "leaves"; // "cover" for a long last leaf, or an empty one for a single entry
        QTest::newRow("tree cut short")
            << headerEdit([](Header& h) { h.localityTree.size -= sizeof(TreeNode); }) << "cut short";
        QTest::newRow("stray bytes after a tree") << Damage([](QByteArray& b) {
            // Let the place tree run on into the padding and the section tree behind it.
            Header h = headerOf(b);
            h.localityTree.size = h.sectionTree.offset - h.localityTree.offset + 8;
            putHeader(b, h);
        }) << "stray bytes follow the tree";
    }

    void refusesDamagedFiles()
    {
        QFETCH(Damage, damage);
        QFETCH(QString, cause);
        QByteArray bytes = sampleBytes();
        damage(bytes);
        const auto index = PlaceIndex::fromBytes(bytes, QStringLiteral("sample"));
        QVERIFY(!index->isValid());
        QVERIFY2(index->errorString().startsWith(QStringLiteral("Place index sample: ")), qPrintable(index->errorString()));
        QVERIFY2(index->errorString().contains(cause), qPrintable(index->errorString()));
        QCOMPARE(index->count(), 0u);
        QVERIFY(!index->nearest({-40, -30}));
        QVERIFY(index->placesNear({-40, -30}, 1e5, 10).isEmpty());

        // The same bytes as a file.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("places.bin"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const auto mapped = PlaceIndex::open(path);
        QVERIFY(!mapped->isValid());
        QVERIFY2(mapped->errorString().contains(cause), qPrintable(mapped->errorString()));
        QVERIFY(mapped->errorString().contains(QDir::toNativeSeparators(path)));
    }

    void toolOutputIsReproducible()
    {
        // Same input, same bytes: the tool clears nanoflann's pointers and padding.
        const QByteArray first = sampleBytes();
        QCOMPARE(first.size(), qsizetype(headerOf(first).fileSize));
        QProcess tool;
        QTemporaryDir dir;
        const QString again = dir.filePath(QStringLiteral("again.bin"));
        tool.start(QStringLiteral(QUORVEL_BINARY_DIR "/tools/make_place_index"),
                   {QStringLiteral(QUORVEL_SOURCE_DIR "/tests/platform/geocoding/data/sample-places.txt"), again});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QFile f(again);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == first);
    }

    void defaultLocationsEndWithTheBuildTree()
    {
        const QStringList paths = PlaceIndex::defaultLocations();
        QVERIFY(!paths.isEmpty());
        QCOMPARE(paths.last(), QStringLiteral(QUORVEL_PLACE_INDEX));
        QVERIFY(paths.first().endsWith(QStringLiteral("/quorvel-places.bin")));
    }
};

QTEST_GUILESS_MAIN(TestPlaceIndex)
#include "tst_place_index.moc"
