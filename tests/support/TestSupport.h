#pragma once
// What most tests need: the log captured line by line, and a clean settings store in a
// temporary folder.

#include "platform/foundation/Log.h"

#include <QStringList>
#include <mutex>
#include <optional>
#include <QTemporaryDir>

// Collects every log message while it lives.
// The log lines written while it exists, from any thread: workers log too.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    // A copy: another thread may be adding to them.
    QStringList lines() const;
    bool contains(const QString& line) const;
    // Index of the first line equal to `line` at or after `from`, or -1.
    qsizetype indexOf(const QString& line, qsizetype from = 0) const;
    void clear();

private:
    mutable std::mutex mutex_;
    QStringList lines_;
    Log::Sink previous_;
};

// Empties the application's settings store.
void resetStandardStore();

// A fresh store holding these templates and this selected index (each only when given), flushed.
void storeTemplates(const std::optional<QStringList>& templates, std::optional<qint64> selected);
// A fresh store holding this one template, which the report screen shows when it appears.
void storeSelectedTemplate(const QString& text);

// Heap in use by this process, in MB: under AddressSanitizer the bytes allocated and not
// freed (its quarantine of freed blocks would swamp the resident size), else the resident
// size. For tests that feed a flood and check that memory stays bounded.
double heapMegabytes();

class QLabel;
class QProcess;

// Puts something other than a small regular file at `path`: a FIFO, whose opening would
// block ("fifo"), a link to the endless /dev/zero ("zero"), a folder ("folder"), a link to a
// file whose first read fails, even for root ("io"); for any other kind a regular file
// holding `content`. False when it could not be made.
bool placeSpecialFile(const QString& path, const QString& kind, const QByteArray& content = {});

// The first line (trimmed) that a program just started prints within `ms`: helper programs
// print one (READY, an address) once they can be used. None when it did not start or printed
// no whole line by then.
std::optional<QString> firstLineOf(QProcess& process, int ms = 15000);

// Text that draws as something else when it is taken for markup: a picture read from a file
// in `folder` (300 pixels high) and a large green "Message delivered" heading.
QString hostileMarkup(const QString& folder);
// Whether the label draws its text as the characters it holds, not as markup.
bool drawsAsPlainText(const QLabel* label);

// Pins locale and time zone, and points the per-user locations at a temporary folder of
// this process. Call first, before anything opens the settings store.
void initTestEnvironment();
