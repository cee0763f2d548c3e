#pragma once
// Reading and writing the user's own files: folders 0700 and files 0600 (they hold
// positions, recipients and passwords), writes atomic, and reads that never block on or
// swallow something that is not a small regular file.

#include <QByteArray>
#include <QString>

namespace PrivateFiles {

// Settings files are small; anything bigger than this is not one of ours.
inline constexpr qint64 kSettingsFileLimit = 4 * 1024 * 1024;

struct ReadResult {
    enum Status {
        Ok,
        Missing,     // nothing at the path
        NotRegular,  // a folder, FIFO, device, socket, or a link to one
        TooLarge,    // over the limit, or grew past it while being read
        Failed,      // could not be opened or read (permissions, I/O)
    };
    Status status = Missing;
    QByteArray bytes;
    QString error;   // why, for the log; empty when Ok or Missing
    // The file's permission bits as stat() gave them (0 when not opened).
    unsigned mode = 0;
    // Which file and which version of it: any write or replacement changes one of these.
    struct Stamp {
        quint64 device = 0, inode = 0;
        qint64 size = -1, modifiedNs = 0, changedNs = 0;
        bool operator==(const Stamp&) const = default;
    } stamp;
};

// Opens without blocking (a FIFO or a device answers at once), then reads only a regular
// file of at most `limit` bytes.
ReadResult readRegularFile(const QString& path, qint64 limit = kSettingsFileLimit);

// The same checks without reading: Ok when `path` is a regular file within `limit`.
ReadResult inspectFile(const QString& path, qint64 limit = kSettingsFileLimit);

// Creates `folder` and any missing parents with mode 0700; existing folders keep their mode.
bool makeFolder(const QString& folder, QString* error = nullptr);

// Writes `bytes` to a new 0600 file beside `path`, flushes it to disk and renames it over
// `path`, so a reader sees the old or the new content, never a part. Creates the folder.
// When `path` is a link to a file, the file it names is replaced and the link stays.
bool writeAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Creates a new file that must not exist yet, 0600, with `bytes`.
bool writeNewFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Renames whatever is at `path` (of any kind) to "<path>.damaged-<UTC time>" and returns the
// new name, or an empty string when it could not be moved.
QString setAside(const QString& path);

} // namespace PrivateFiles
