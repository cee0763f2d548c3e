#pragma once
// The per-user key-value store: a typed JSON document (strings, integers and lists of
// strings keep their types), written atomically by synchronize().

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QByteArray>
#include <QMap>
#include <optional>

class UserDefaults {
public:
    // The document lives at `path`; nothing is read until the first access.
    explicit UserDefaults(QString path);

    // The application's one store: quorvel/defaults.json in the per-user config location.
    static UserDefaults& standardUserDefaults();
    static QString standardPath();

    // The stored value (QString, qint64 or QStringList), or an invalid QVariant when absent.
    QVariant objectForKey(const QString& key);
    // Typed reads: a value of another type counts as absent.
    std::optional<QString> stringForKey(const QString& key);
    std::optional<QStringList> stringArrayForKey(const QString& key);
    qint64 integerForKey(const QString& key);

    // Storing an invalid QVariant removes the key.
    void setObject(const QVariant& value, const QString& key);
    void setString(const QString& value, const QString& key) { setObject(value, key); }
    void setStringArray(const QStringList& value, const QString& key) { setObject(value, key); }
    void setInteger(qint64 value, const QString& key);
    void removeObjectForKey(const QString& key);

    // Writes pending changes; false when the document could not be written.
    bool synchronize();

    QString path() const { return path_; }
    // Drops what was read so the next access reads the file again (another process wrote it).
    void reload();

    // The parsing half, separate from the file: bytes in, values out. Fails on anything
    // that is not a JSON object.
    static std::optional<QMap<QString, QVariant>> parse(const QByteArray& bytes);
    static QByteArray serialize(const QMap<QString, QVariant>& values);

private:
    void ensureLoaded();

    QString path_;
    bool loaded_ = false;
    bool dirty_ = false;
    QMap<QString, QVariant> values_;
};
