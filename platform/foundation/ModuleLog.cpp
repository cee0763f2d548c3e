// Linked into each module in place of the process's log: its lines go to the writer the
// loader hands over, so the program's sink and standard error see them as their own.
#include "platform/foundation/Log.h"
#include "platform/foundation/ModuleEntry.h"

#include <atomic>
#include <cstdio>

namespace {
std::atomic<QuorvelModuleLogWriter> g_writer{nullptr};
}

void setModuleLogWriter(QuorvelModuleLogWriter writer)
{
    g_writer.store(writer);
}

namespace Log {

void write(const QString& message)
{
    if (const QuorvelModuleLogWriter w = g_writer.load())
        w(message);
    else
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace Log
