// Tile sources against hostile input: servers that stream without end, announce huge
// bodies or trickle; pictures far larger than a tile; MBTiles files whose queries never end.

#include "platform/mapview/TileSource.h"
#include "support/FloodServer.h"
#include "support/TestSupport.h"
#include "support/TileServer.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>


namespace {

// A PNG (or another format) of that size: one bit a pixel, so small to hold and to store, but a full-colour
// picture once decoded.
QByteArray pngOfSize(int width, int height, const char* format = "PNG")
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (qstrcmp(format, "PNG") == 0)
        image.save(&buffer, format);
    else
        image.convertToFormat(QImage::Format_RGB32).save(&buffer, format);
    return bytes;
}

HttpTileSource::Options optionsFor(quint16 port)
{
    HttpTileSource::Options o;
    o.urlTemplate = QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(port);
    o.userAgent = "quorvel-test";
    return o;
}

// Asks for one tile and waits for its answer; the reason when it failed, "" when it came.
struct Answer {
    bool arrived = false;
    QString failure;
    QImage image;
    qint64 ms = 0;
};

Answer ask(TileSource& source, const TileKey& key, int timeoutMs = 20000)
{
    Answer a;
    QElapsedTimer clock;
    clock.start();
    bool done = false;
    auto ready = QObject::connect(&source, &TileSource::tileReady, [&](const TileKey& k, const QImage& image) {
        if (k == key) {
            a.image = image;
            done = a.arrived = true;
        }
    });
    auto failed = QObject::connect(&source, &TileSource::tileFailed, [&](const TileKey& k, const QString& why) {
        if (k == key) {
            a.failure = why;
            done = true;
        }
    });
    source.requestTile(key);
    (void)QTest::qWaitFor([&] { return done; }, timeoutMs);
    a.ms = clock.elapsed();
    QObject::disconnect(ready);
    QObject::disconnect(failed);
    return a;
}

// An MBTiles file whose `tiles` is a view over a query that never ends.
bool writeEndlessMBTiles(const QString& path, bool probeFindsARow)
{
    const QString name = QStringLiteral("endless-") + path;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec(QStringLiteral("CREATE TABLE metadata (name TEXT, value TEXT)"));
        ok = ok && q.exec(QStringLiteral("INSERT INTO metadata VALUES ('minzoom', '0'), ('maxzoom', '10')"));
        // With a first row, a file looks sound when opened; a tile looked up that is not
        // among its rows (a row of 28 is never n % 13) is then sought for ever. Without, the
        // opening itself never ends.
        ok = ok && q.exec(QStringLiteral("CREATE VIEW tiles AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r) "
                                         "SELECT n % 7 AS zoom_level, n % 11 AS tile_column, n % 13 AS tile_row, "
                                         "x'00' AS tile_data FROM r %1")
                              .arg(probeFindsARow ? QString() : QStringLiteral("WHERE n < 0")));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

class tst_TileSource : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void downloadsAreBounded_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("chunk");
        QTest::addColumn<int>("intervalMs");
        QTest::addColumn<QString>("reason");
        const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: image/png\r\n";
        QTest::newRow("200 and a body without end") << ok + "\r\n" << QByteArray(65536, 'x') << 0 << "larger than 2048 KB";
        QTest::newRow("a length larger than a tile")
            << ok + "Content-Length: 1000000000\r\n\r\n" << QByteArray(4096, 'x') << 0 << "larger than 2048 KB";
        QTest::newRow("a trickle past the deadline")
            << ok + "Content-Length: 50000\r\n\r\n" << QByteArray(1, 'x') << 100 << "no tile within 1 s";
    }

    void downloadsAreBounded()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, chunk);
        QFETCH(int, intervalMs);
        QFETCH(QString, reason);
        FloodServer server(head, chunk, true, intervalMs);
        QVERIFY(server.port() != 0);
        HttpTileSource::Options options = optionsFor(server.port());
        options.deadlineMs = 1000;
        HttpTileSource source(options);
        const double before = heapMegabytes();
        const Answer a = ask(source, {3, 1, 2});
        const double grown = heapMegabytes() - before;
        qInfo("failed after %lld ms (%s), %lld bytes sent, heap grew %.1f MB", a.ms, qPrintable(a.failure),
              server.bytesSent(), grown);
        QVERIFY(!a.arrived);
        QVERIFY2(a.failure.contains(reason), qPrintable(a.failure));
        QVERIFY(a.ms < 10000);
        QVERIFY2(grown < 32, qPrintable(QString::number(grown)));
        QCOMPARE(source.pendingCount(), 0);
    }

    void picturesLargerThanATileAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("decodes");
        QTest::addColumn<bool>("refused");
        QTest::newRow("a tile") << tilePng(1, 0, 0) << true << false;
        QTest::newRow("a double-size tile") << tilePng(1, 0, 0, 512) << true << false;
        QTest::newRow("5792 x 5792 in 1 bit") << pngOfSize(5792, 5792) << false << true;
        QTest::newRow("wide and low") << pngOfSize(4000, 8) << false << true;
        QTest::newRow("not a picture") << QByteArray("<html>sign in to the wifi</html>") << false << false;
        QTest::newRow("a JPEG tile") << pngOfSize(256, 256, "JPEG") << true << false;
        // Sound pictures, but in formats no tile server sends: their decoders stay out of reach.
        QTest::newRow("a BMP tile") << pngOfSize(256, 256, "BMP") << false << false;
        QTest::newRow("an XPM tile") << pngOfSize(16, 16, "XPM") << false << false;
        QTest::newRow("a PNG signature before a BMP") << QByteArray("\x89PNG\r\n\x1a\n") + pngOfSize(16, 16, "BMP") << false << false;
    }

    void picturesLargerThanATileAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, decodes);
        QFETCH(bool, refused);
        QString reason;
        bool wasRefused = false;
        QElapsedTimer clock;
        clock.start();
        const QImage image = TileSource::decodeTile(bytes, &reason, &wasRefused);
        QCOMPARE(!image.isNull(), decodes);
        QCOMPARE(wasRefused, refused);
        if (refused) {
            QVERIFY2(reason.contains(QStringLiteral("larger than a tile")), qPrintable(reason));
            QVERIFY(clock.elapsed() < 500); // refused from the header, not decoded
        }
    }

    void aRefusedTileIsNotFetchedAgain()
    {
        TileServer server;
        server.body = pngOfSize(5792, 5792);
        HttpTileSource::Options options = optionsFor(0);
        options.urlTemplate = server.urlTemplate();
        HttpTileSource source(options);
        const Answer first = ask(source, {4, 3, 5});
        QVERIFY2(first.failure.contains(QStringLiteral("5792x5792")), qPrintable(first.failure));
        QCOMPARE(server.requests.size(), 1);
        const Answer again = ask(source, {4, 3, 5});
        QCOMPARE(again.failure, first.failure);
        QCOMPARE(server.requests.size(), 1);
        // Other tiles are still asked for.
        server.body.clear();
        QVERIFY(ask(source, {4, 3, 6}).arrived);
    }

    // Made afresh, or left open to all by an earlier version: owner only either way.
    void cacheFolderIsPrivate()
    {
        const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        const auto groupAndOthers = ~QFileDevice::Permissions::fromInt(0x7700);
        for (const bool existedOpen : {false, true}) {
            QTemporaryDir dir;
            const QString cache = dir.filePath(QStringLiteral("quorvel/tiles/standard"));
            if (existedOpen)
                QVERIFY(QDir().mkpath(cache) && QFile::setPermissions(cache, QFileDevice::Permissions::fromInt(0x7755)));
            TileServer server;
            HttpTileSource::Options options = optionsFor(0);
            options.urlTemplate = server.urlTemplate();
            options.cacheDirectory = cache;
            HttpTileSource source(options);
            QVERIFY(ask(source, {4, 3, 5}).arrived);
            QCOMPARE((QFileInfo(cache).permissions() & groupAndOthers).toInt(), 0);
            QVERIFY(QFileInfo(cache).permissions().testFlags(ownerOnly));
            if (!existedOpen)
                QCOMPARE((QFileInfo(dir.filePath(QStringLiteral("quorvel"))).permissions() & groupAndOthers).toInt(), 0);
        }
    }

    void mbtilesCannotHoldTheWindow_data()
    {
        QTest::addColumn<bool>("probeFindsARow");
        QTest::newRow("opening never ends") << false;
        QTest::newRow("every tile lookup never ends") << true;
    }

    void mbtilesCannotHoldTheWindow()
    {
        QFETCH(bool, probeFindsARow);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("endless.mbtiles"));
        QVERIFY(writeEndlessMBTiles(path, probeFindsARow));
        LogCapture log;
        QElapsedTimer clock;
        clock.start();
        MBTilesTileSource source(path);
        QVERIFY2(clock.elapsed() < MBTilesTileSource::kOpenWaitMs + 500, qPrintable(QString::number(clock.elapsed())));
        if (!probeFindsARow) {
            QVERIFY(!source.isUsable());
            QSignalSpy settled(&source, &TileSource::availabilityChanged);
            QVERIFY(settled.wait(MBTilesTileSource::kOpenDeadlineMs + 5000));
            QVERIFY(!source.isUsable());
            QVERIFY2(log.lines().join(u'\n').contains(QStringLiteral("no answer within 3 s")),
                     qPrintable(log.lines().join(u'\n')));
            return;
        }
        QTRY_VERIFY(source.isUsable());
        // The window's thread stays free while the lookup runs into its deadline.
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] { ++ticks; });
        tick.start(20);
        const Answer first = ask(source, {5, 3, 3});
        QVERIFY2(first.failure.contains(QStringLiteral("no answer within 1 s")), qPrintable(first.failure));
        QVERIFY(ticks >= 20);
        const Answer again = ask(source, {5, 3, 3});
        QCOMPARE(again.failure, first.failure);
        QVERIFY(again.ms < 200);
    }
};

QTEST_MAIN(tst_TileSource)
#include "tst_tilesource.moc"
