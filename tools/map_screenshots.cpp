// Draws the screenshots of the map and about screens into a folder (docs/):
//   QT_QPA_PLATFORM=offscreen map_screenshots <folder>
// or only writes the street-map-like tiles around the demo walk, for pictures taken elsewhere:
//   QT_QPA_PLATFORM=offscreen map_screenshots --mbtiles <file>
// The tiles are drawn here, street-map-like and satellite-like, and served from MBTiles
// files, so that nothing is fetched from a network.

#include "about/AboutViewController.h"
#include "app/Appearance.h"
#include "map/MapViewController.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/UrlOpener.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cmath>

namespace {

class ReplaySource : public UserLocationSource {
public:
    bool demo = false;
    void startUpdatingLocation() override {}
    void stopUpdatingLocation() override {}
    bool isDemo() const override { return demo; }
    void deliver(double lat, double lon)
    {
        Location l;
        l.coordinate = {lat, lon};
        l.horizontalAccuracy = 25;
        emit locationUpdated(l);
    }
};

class PraguePlaces : public NearbyPlaces {
public:
    QList<NearbyPlace> placesNear(LocationCoordinate2D, double, int) const override
    {
        return {{QStringLiteral("Staré Město"), {50.0870, 14.4205}}, {QStringLiteral("Josefov"), {50.0899, 14.4183}},
                {QStringLiteral("Malá Strana"), {50.0863, 14.4036}}, {QStringLiteral("Nové Město"), {50.0810, 14.4260}},
                {QStringLiteral("Karlín"), {50.0930, 14.4450}}};
    }
};

class NoBrowser : public UrlOpener {
public:
    bool openURL(const QUrl&) override { return false; }
};

double hash(qint64 x, qint64 y)
{
    quint64 h = quint64(x) * 0x9E3779B97F4A7C15ull ^ quint64(y) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return double(h % 10000) / 10000.0;
}

// Smooth noise over world pixels, so that neighbouring tiles meet.
double noise(double x, double y)
{
    const qint64 xi = qint64(std::floor(x)), yi = qint64(std::floor(y));
    const double fx = x - xi, fy = y - yi;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = hash(xi, yi), b = hash(xi + 1, yi), c = hash(xi, yi + 1), d = hash(xi + 1, yi + 1);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A street-map-like tile: blocks, streets every so many metres, a park and a river.
QImage streetTile(int z, int x, int y)
{
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(QColor(242, 239, 233));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = std::exp2(17 - z); // world pixels at zoom 17 per pixel here
    auto world = [&](double px, double py) { return QPointF((x * 256 + px) * scale, (y * 256 + py) * scale); };
    auto local = [&](double wx, double wy) { return QPointF(wx / scale - x * 256, wy / scale - y * 256); };
    const QPointF w0 = world(0, 0), w1 = world(256, 256);
    // Parks on some blocks.
    const double block = 96;
    for (double bx = std::floor(w0.x() / block) * block; bx < w1.x(); bx += block)
        for (double by = std::floor(w0.y() / block) * block; by < w1.y(); by += block) {
            const double h = hash(qint64(bx / block), qint64(by / block));
            QColor c = h < 0.12 ? QColor(200, 228, 180) : h < 0.2 ? QColor(222, 214, 205) : QColor(236, 232, 224);
            p.fillRect(QRectF(local(bx + 6, by + 6), local(bx + block - 6, by + block - 6)), c);
        }
    // The river: a wide blue band meandering north to south.
    QPainterPath river;
    const double riverX = MapGeometry::project({50.087, 14.4125}).x() * 256 * double(1 << 17);
    for (double wy = w0.y() - 200; wy <= w1.y() + 200; wy += 8) {
        const QPointF pt = local(riverX + 180 * std::sin(wy / 420.0), wy);
        if (river.isEmpty())
            river.moveTo(pt);
        else
            river.lineTo(pt);
    }
    p.setPen(QPen(QColor(170, 205, 235), 60 / scale, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(river);
    // Streets: minor every block, major every fourth.
    for (int pass = 0; pass < 2; ++pass) {
        const double step = pass == 0 ? block : block * 4;
        const QPen pen = pass == 0 ? QPen(Qt::white, std::max(1.0, 10 / scale)) : QPen(QColor(250, 214, 150), std::max(1.5, 16 / scale));
        p.setPen(pen);
        for (double bx = std::floor(w0.x() / step) * step; bx <= w1.x(); bx += step)
            p.drawLine(local(bx, w0.y()), local(bx, w1.y()));
        for (double by = std::floor(w0.y() / step) * step; by <= w1.y(); by += step)
            p.drawLine(local(w0.x(), by), local(w1.x(), by));
    }
    return image;
}

// A satellite-like tile: fields, woods and roofs from smooth noise.
QImage satelliteTile(int z, int x, int y)
{
    QImage image(256, 256, QImage::Format_RGB32);
    const double scale = std::exp2(17 - z);
    for (int py = 0; py < 256; ++py)
        for (int px = 0; px < 256; ++px) {
            const double wx = (x * 256 + px) * scale, wy = (y * 256 + py) * scale;
            const double n = 0.6 * noise(wx / 90, wy / 90) + 0.3 * noise(wx / 23, wy / 23) + 0.1 * noise(wx / 5, wy / 5);
            const double roofs = noise(wx / 14 + 100, wy / 14);
            QColor c;
            if (n < 0.42)
                c = QColor::fromRgbF(0.20 + 0.2 * n, 0.30 + 0.25 * n, 0.16);
            else if (n < 0.58)
                c = QColor::fromRgbF(0.45 + 0.3 * (n - 0.42), 0.42 + 0.2 * n, 0.28);
            else if (roofs > 0.55)
                c = QColor::fromRgbF(0.62 + 0.2 * roofs, 0.38, 0.30);
            else
                c = QColor::fromRgbF(0.55 + 0.2 * n, 0.54 + 0.2 * n, 0.52 + 0.2 * n);
            image.setPixelColor(px, py, c);
        }
    return image;
}

bool writeMBTiles(const QString& path, LocationCoordinate2D centre, QImage (*draw)(int, int, int), const QString& attribution)
{
    const QString name = QStringLiteral("shots-") + path;
    bool ok;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE metadata (name TEXT, value TEXT)"));
        q.exec(QStringLiteral("CREATE TABLE tiles (zoom_level INTEGER, tile_column INTEGER, tile_row INTEGER, tile_data BLOB)"));
        q.prepare(QStringLiteral("INSERT INTO metadata VALUES ('attribution', ?)"));
        q.addBindValue(attribution);
        q.exec();
        db.transaction();
        for (int z = 15; z <= 18; ++z) {
            const QPointF m = MapGeometry::project(centre) * double(1 << z);
            const int r = 1 << (z - 15);
            for (int dx = -2 * r; dx <= 2 * r; ++dx)
                for (int dy = -3 * r; dy <= 3 * r; ++dy) {
                    const int tx = int(m.x()) + dx, ty = int(m.y()) + dy;
                    q.prepare(QStringLiteral("INSERT INTO tiles VALUES (?, ?, ?, ?)"));
                    q.addBindValue(z);
                    q.addBindValue(tx);
                    q.addBindValue((1 << z) - 1 - ty);
                    q.addBindValue(png(draw(z, tx, ty)));
                    ok = ok && q.exec();
                }
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

void settle(MapView* map)
{
    for (int i = 0; i < 200 && (map->pendingTileCount() > 0 || map->isAnimatingRegion()); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + QStringLiteral("/cache")).toLocal8Bit());
    QApplication app(argc, argv);
    const LocationCoordinate2D walk[] = {{50.08690, 14.41940}, {50.08740, 14.42060}, {50.08775, 14.42190}};
    if (argc > 2 && qstrcmp(argv[1], "--mbtiles") == 0)
        return writeMBTiles(QString::fromLocal8Bit(argv[2]), walk[2], streetTile, QString()) ? 0 : 1;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);
    StringTable::load(QStringLiteral("en"));
    Appearance::apply();

    const QString ini = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/quorvel/device.ini";
    QDir().mkpath(QFileInfo(ini).absolutePath());
    const QString standard = home.path() + QStringLiteral("/standard.mbtiles");
    const QString satellite = home.path() + QStringLiteral("/satellite.mbtiles");
    writeMBTiles(standard, walk[2], streetTile, QString());
    writeMBTiles(satellite, walk[2], satelliteTile, QStringLiteral("Pictures: drawn for this screenshot"));

    auto shoot = [&](const QString& file, const QString& standardMBTiles, bool toSatellite, bool demo = false) {
        {
            QSettings s(ini, QSettings::IniFormat);
            s.clear();
            s.setValue(QStringLiteral("map/standard-url"), QString());
            s.setValue(QStringLiteral("map/standard-mbtiles"), standardMBTiles);
            s.setValue(QStringLiteral("map/satellite-mbtiles"), satellite);
            s.setValue(QStringLiteral("map/satellite-attribution"), QStringLiteral("Imagery: test pictures"));
        }
        ReplaySource source;
        source.demo = demo;
        PraguePlaces places;
        MapViewController vc(MapServices{&source, &places});
        vc.resize(360, 640);
        vc.view();
        vc.show();
        for (const auto& c : walk) {
            source.deliver(c.latitude, c.longitude);
            settle(vc.mapView);
        }
        if (toSatellite)
            vc.changeMapType(nullptr);
        const auto pins = vc.mapView->annotations();
        vc.mapView->selectAnnotation(pins.back());
        settle(vc.mapView);
        vc.grab().save(folder + QLatin1Char('/') + file);
    };
    shoot(QStringLiteral("map-offline.png"), QString(), false);
    shoot(QStringLiteral("map-mbtiles.png"), standard, false);
    shoot(QStringLiteral("map-satellite.png"), standard, true);
    shoot(QStringLiteral("map-demo.png"), standard, false, true);

    NoBrowser browser;
    AboutViewController about(&browser);
    about.resize(360, 640);
    about.view();
    about.show();
    QCoreApplication::processEvents();
    about.grab().save(folder + QStringLiteral("/about.png"));
    return 0;
}
