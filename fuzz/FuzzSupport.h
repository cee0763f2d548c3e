#pragma once
// What the fuzzers that need Qt's event machinery share: one application object for the
// whole run, and a log that nobody reads (the readers log every refusal).

#include "platform/foundation/Log.h"

#include <QCoreApplication>

namespace Fuzz {

inline void quietApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static const bool silenced = [] {
        Log::setSink([](const QString&) {});
        Log::setEchoToStandardError(false);
        return true;
    }();
    (void)silenced;
}

} // namespace Fuzz
