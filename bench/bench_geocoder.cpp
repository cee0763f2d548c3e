// The offline geocoder's speed and memory over the GeoNames index:
// - nearest place and whole placemark per query, over 100,000 random points (uniform on
//   the sphere, fixed seed);
// - opening the index (map, check, load the saved trees);
// - memory resident for the index after the placemark pass (its mapped pages plus the
//   heap the loaded trees take).
// With QUORVEL_BENCH_POINTS=FILE set, the points are also written there ("lat lon" per
// line) for the npm peer's run in scripts/bench-geocoder.sh.

#include "platform/geocoding/OfflineGeocoder.h"
#include "platform/geocoding/PlaceIndex.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <random>
#include <vector>

namespace {

constexpr int kPoints = 100000;

QString indexPath()
{
    const QByteArray env = qgetenv("QUORVEL_PLACE_INDEX");
    return env.isEmpty() ? PlaceIndex::defaultLocations().last() : QString::fromLocal8Bit(env);
}

const std::vector<LocationCoordinate2D>& points()
{
    static const std::vector<LocationCoordinate2D> all = [] {
        std::vector<LocationCoordinate2D> v;
        std::mt19937_64 rng(20261209);
        std::uniform_real_distribution<double> u(0, 1);
        constexpr double deg = 180 / 3.14159265358979323846;
        for (int i = 0; i < kPoints; ++i) {
            const double lat = std::asin(2 * u(rng) - 1) * deg;
            v.push_back({lat, 360 * u(rng) - 180});
        }
        const QByteArray out = qgetenv("QUORVEL_BENCH_POINTS");
        if (!out.isEmpty()) {
            QFile f(QString::fromLocal8Bit(out));
            if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                QTextStream s(&f);
                s.setRealNumberPrecision(17);
                for (const auto& p : v)
                    s << p.latitude << ' ' << p.longitude << '\n';
            }
        }
        return v;
    }();
    return all;
}

std::shared_ptr<const PlaceIndex> sharedIndex(benchmark::State& state)
{
    static const auto index = PlaceIndex::open(indexPath());
    if (!index->isValid())
        state.SkipWithError(index->errorString().toUtf8().constData());
    return index;
}

void perQuery(benchmark::State& state)
{
    state.counters["us_per_query"] =
        benchmark::Counter(double(kPoints) * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_NearestPlace(benchmark::State& state)
{
    const auto index = sharedIndex(state);
    const auto& pts = points();
    for (auto _ : state) {
        for (const auto& p : pts)
            benchmark::DoNotOptimize(index->nearest(p));
    }
    perQuery(state);
}
BENCHMARK(BM_NearestPlace)->Unit(benchmark::kMillisecond);

// One tree alone: every place that is not a section.
void BM_NearestNonSection(benchmark::State& state)
{
    const auto index = sharedIndex(state);
    const auto& pts = points();
    for (auto _ : state) {
        for (const auto& p : pts)
            benchmark::DoNotOptimize(index->nearestNonSection(p));
    }
    perQuery(state);
}
BENCHMARK(BM_NearestNonSection)->Unit(benchmark::kMillisecond);

void BM_Placemark(benchmark::State& state)
{
    const auto index = sharedIndex(state);
    const auto& pts = points();
    for (auto _ : state) {
        for (const auto& p : pts)
            benchmark::DoNotOptimize(OfflineGeocoder::placemarkAt(*index, p));
    }
    perQuery(state);
}
BENCHMARK(BM_Placemark)->Unit(benchmark::kMillisecond);

void BM_OpenIndex(benchmark::State& state)
{
    const QString path = indexPath();
    for (auto _ : state) {
        const auto index = PlaceIndex::open(path);
        if (!index->isValid()) {
            state.SkipWithError(index->errorString().toUtf8().constData());
            break;
        }
        benchmark::DoNotOptimize(index->count());
    }
}
BENCHMARK(BM_OpenIndex)->Unit(benchmark::kMillisecond);

// Resident megabytes of every mapping of the index file, from /proc/self/smaps.
double mappedResidentMegabytes(const QString& path)
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray name = path.toLocal8Bit();
    double kb = 0;
    bool inIndex = false;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        if (!line.isEmpty() && QByteArray("0123456789abcdef").contains(line[0]) && line.contains('-'))
            inIndex = line.endsWith(name);
        else if (inIndex && line.startsWith("Rss:"))
            kb += line.mid(4).trimmed().split(' ').first().toDouble();
    }
    return kb / 1024;
}

void BM_ResidentForIndex(benchmark::State& state)
{
    const QString path = indexPath();
    const auto& pts = points();
    double mapped = 0, heap = 0;
    for (auto _ : state) {
        // Other benchmarks keep their own mapping of the file: count only what this one adds.
        const double mappedBefore = mappedResidentMegabytes(path);
        const std::size_t heapBefore = mallinfo2().uordblks;
        const auto index = PlaceIndex::open(path);
        if (!index->isValid()) {
            state.SkipWithError(index->errorString().toUtf8().constData());
            break;
        }
        for (const auto& p : pts)
            benchmark::DoNotOptimize(OfflineGeocoder::placemarkAt(*index, p));
        heap = double(mallinfo2().uordblks - heapBefore) / 1048576;
        mapped = mappedResidentMegabytes(path) - mappedBefore;
    }
    state.counters["mapped_MB"] = mapped;
    state.counters["heap_MB"] = heap;
    state.counters["resident_MB"] = mapped + heap;
}
BENCHMARK(BM_ResidentForIndex)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
