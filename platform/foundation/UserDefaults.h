#pragma once
// The per-user key-value store: a typed JSON document (strings, integers and lists of
// strings keep their types), written atomically by synchronize().
//
// Several processes may hold the same document. synchronize() takes an advisory lock beside
// it, reads the document as it is on disk, applies only the keys this process set or removed
// since its last synchronize, and writes the result; so one process never undoes what
// another wrote under a key it did not touch, and of two writes to one key the later wins.

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

    // Writes pending changes over the document on disk and takes in what other processes
    // wrote; false when the document could not be written (the changes stay pending).
    bool synchronize();

    QString path() const { return path_; }
    QString lockPath() const { return path_ + QStringLiteral(".lock"); }
    // Drops pending changes and what was read, so the next access reads the file again.
    void reload();

    // The parsing half, separate from the file: bytes in, values out. Fails on anything
    // that is not a JSON object.
    static std::optional<QMap<QString, QVariant>> parse(const QByteArray& bytes);
    static QByteArray serialize(const QMap<QString, QVariant>& values);

private:
    void ensureLoaded();
    struct DiskRead {
        // Nothing when the document could not be read at all.
        std::optional<QMap<QString, QVariant>> values;
        // The document on disk is not a sound one and must be replaced.
        bool damaged = false;
        // The file is there but could not be opened or read (permissions, I/O, no free
        // descriptor): it may be sound, so nothing may be written over it.
        bool unreadable = false;
    };
    // The document on disk; a damaged one is kept aside first. Only with the lock held
    // (`locked`) is anything moved or copied.
    DiskRead readDisk(bool locked);
    void logOnce(const QString& what, const QString& line);

    QString path_;
    bool loaded_ = false;
    // The document as last read or written, with the pending changes applied.
    QMap<QString, QVariant> values_;
    // Keys set (a value) or removed (nothing) since the last successful synchronize.
    QMap<QString, std::optional<QVariant>> pending_;
    QString lastProblem_;
    QByteArray damagedKept_;   // digest of the damaged document last copied aside
};
