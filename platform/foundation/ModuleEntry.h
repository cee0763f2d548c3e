#pragma once
// What every module built with quorvel_add_module is: a Qt plugin whose one object implements
// QuorvelModule beside its service's own interface. The loader hands it the process's log
// writer before anything else is called.

#include <QObject>
#include <QString>
#include <QtPlugin>

using QuorvelModuleLogWriter = void (*)(const QString& message);

class QuorvelModule {
public:
    virtual ~QuorvelModule() = default;
    virtual void setLogWriter(QuorvelModuleLogWriter writer) = 0;
};
Q_DECLARE_INTERFACE(QuorvelModule, "org.quorvel.Module/1")

// Linked into each module (ModuleLog.cpp): where the module's log lines go from now on.
void setModuleLogWriter(QuorvelModuleLogWriter writer);
