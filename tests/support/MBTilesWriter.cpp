#include "support/TileServer.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

bool writeMBTiles(const QString& path, const QList<std::tuple<int, int, int>>& tiles, const QString& attribution,
                  const QString& maxZoom)
{
    QFile::remove(path);
    const QString name = QStringLiteral("writer-") + path;
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec(QStringLiteral("CREATE TABLE metadata (name TEXT, value TEXT)"));
        ok = ok && q.exec(QStringLiteral("CREATE TABLE tiles (zoom_level INTEGER, tile_column INTEGER, tile_row INTEGER, tile_data BLOB)"));
        ok = ok && q.exec(QStringLiteral("INSERT INTO metadata VALUES ('name', 'test'), ('format', 'png')"));
        if (!attribution.isEmpty()) {
            q.prepare(QStringLiteral("INSERT INTO metadata VALUES ('attribution', ?)"));
            q.addBindValue(attribution);
            ok = ok && q.exec();
        }
        if (!maxZoom.isEmpty()) {
            q.prepare(QStringLiteral("INSERT INTO metadata VALUES ('maxzoom', ?)"));
            q.addBindValue(maxZoom);
            ok = ok && q.exec();
        }
        for (const auto& [z, x, y] : tiles) {
            q.prepare(QStringLiteral("INSERT INTO tiles VALUES (?, ?, ?, ?)"));
            q.addBindValue(z);
            q.addBindValue(x);
            q.addBindValue((1 << z) - 1 - y);
            q.addBindValue(tilePng(z, x, y));
            ok = ok && q.exec();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}
