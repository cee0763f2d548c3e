#pragma once
// The diagnostic log: one line per call on standard error, with a time stamp (none when
// standard error is the systemd journal, which stamps lines itself) and the process name,
// and an optional sink that tests read. The logging category "quorvel.diag" (enabled by
// default) gates standard error; the sink always gets every line.

#include "platform/foundation/Format.h"

#include <QString>
#include <functional>

namespace Log {

using Sink = std::function<void(const QString& message)>;

void write(const QString& message);
// Installs a sink that receives every message (without the time stamp); returns the old one.
Sink setSink(Sink sink);
// Standard error can be silenced while a sink is installed (tests do).
void setEchoToStandardError(bool echo);
// Whether standard error is the stream that JOURNAL_STREAM names.
bool standardErrorIsJournal();

} // namespace Log

template <typename... Args>
void NSLog(const char* format, const Args&... args)
{
    Log::write(stringWithFormat(format, args...));
}
