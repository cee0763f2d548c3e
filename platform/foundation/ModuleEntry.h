#pragma once
// What every module built with quorvel_add_module exports beside its own functions: the
// loader hands it the process's log writer before anything else is called.

#include <QString>

#define QUORVEL_MODULE_EXPORT extern "C" __attribute__((visibility("default")))

using QuorvelModuleLogWriter = void (*)(const QString& message);
inline constexpr char kQuorvelModuleSetLog[] = "quorvel_module_set_log";
