// The map view's costs: one 360x640 frame with 1,000 pins over cached tiles, the frame rate
// of an animated region change, and the bound of the in-memory tile cache.
//   QT_QPA_PLATFORM=offscreen bench_mapview --benchmark_repetitions=10
#include "platform/mapview/MapView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

#include "OffscreenMain.h"

namespace {

// Answers every request on the next turn of the event loop with a drawn tile.
class GeneratedTiles : public TileSource {
public:
    void requestTile(const TileKey& key) override
    {
        QMetaObject::invokeMethod(this, [this, key] { emit tileReady(key, draw(key)); }, Qt::QueuedConnection);
    }
    QString describe() const override { return QStringLiteral("generated"); }
    static QImage draw(const TileKey& key)
    {
        QImage image(256, 256, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((key.x * 37 + key.y * 11) % 360, 40, 235));
        QPainter p(&image);
        p.setPen(QPen(Qt::white, 6));
        for (int i = 0; i < 256; i += 64) {
            p.drawLine(i, 0, i, 256);
            p.drawLine(0, i, 256, i);
        }
        return image;
    }
};

const LocationCoordinate2D kCentre{50.0875, 14.4213};

MapSettings noNetwork()
{
    MapSettings s;
    s.standardUrl.clear();
    return s;
}

void prepare(MapView& map, int pins)
{
    map.resize(360, 640);
    map.setTileSource(std::make_unique<GeneratedTiles>());
    map.setRegion(map.regionThatFits(MKCoordinateRegionMakeWithDistance(kCentre, 800, 800)), false);
    QRandomGenerator rng(7);
    const CoordinateRegion r = map.region();
    for (int i = 0; i < pins; ++i) {
        auto pin = std::make_unique<PointAnnotation>();
        pin->setCoordinate({kCentre.latitude + (rng.generateDouble() - 0.5) * r.span.latitudeDelta,
                            kCentre.longitude + (rng.generateDouble() - 0.5) * r.span.longitudeDelta});
        pin->setTitle(QStringLiteral("Where am I?"));
        map.addAnnotation(std::move(pin));
    }
    if (pins > 0)
        map.selectAnnotation(map.annotations().back());
    for (int i = 0; i < 100 && map.pendingTileCount() > 0; ++i)
        QCoreApplication::processEvents();
}

void BM_RenderFrame1000PinsCachedTiles(benchmark::State& state)
{
    MapView map(noNetwork());
    prepare(map, int(state.range(0)));
    if (map.pendingTileCount() != 0 || map.isOffline())
        state.SkipWithError("tiles not cached");
    QImage frame(360, 640, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&frame);
        map.render(p);
        p.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["tiles_in_ram"] = double(map.memoryCache().count());
}
BENCHMARK(BM_RenderFrame1000PinsCachedTiles)->Arg(1000)->Arg(0)->Unit(benchmark::kMillisecond);

// A region change seen on screen: the frames painted per second of the animation.
void BM_RegionChangeAnimationFrameRate(benchmark::State& state)
{
    MapView map(noNetwork());
    prepare(map, 1000);
    map.show();
    const CoordinateRegion home = map.region();
    CoordinateRegion away = MKCoordinateRegionMakeWithDistance({kCentre.latitude + 0.003, kCentre.longitude + 0.004}, 1500, 1500);
    away = map.regionThatFits(away);
    bool there = false;
    double frames = 0, seconds = 0;
    for (auto _ : state) {
        const quint64 before = map.framesPainted();
        QElapsedTimer timer;
        timer.start();
        map.setRegion(there ? home : away, true);
        there = !there;
        while (map.isAnimatingRegion())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        seconds += timer.nsecsElapsed() / 1e9;
        frames += double(map.framesPainted() - before);
    }
    state.counters["fps"] = frames / seconds;
    state.counters["frames_per_change"] = frames / double(state.iterations());
}
BENCHMARK(BM_RegionChangeAnimationFrameRate)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

// Far more tiles than fit: the cache stays within its bound and keeps the latest.
void BM_TileMemoryCacheBounded(benchmark::State& state)
{
    const QImage tile = GeneratedTiles::draw({16, 1, 1});
    qsizetype peak = 0, count = 0, bound = 0;
    for (auto _ : state) {
        TileMemoryCache cache;
        bound = cache.maximumBytes();
        for (int i = 0; i < 2000; ++i) {
            cache.insert(0, {16, 35000 + i % 50, 22000 + i / 50}, tile);
            peak = std::max(peak, cache.totalBytes());
        }
        count = cache.count();
    }
    state.counters["bound_MiB"] = double(bound) / (1 << 20);
    state.counters["peak_MiB"] = double(peak) / (1 << 20);
    state.counters["tiles_kept"] = double(count);
}
BENCHMARK(BM_TileMemoryCacheBounded)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
