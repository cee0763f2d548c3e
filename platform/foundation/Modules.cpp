#include "platform/foundation/Modules.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/ModuleEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <dlfcn.h>

namespace Modules {

namespace {

QString programFolder()
{
    // The executable itself, so that the answer holds before (or without) an application object.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!exe.isEmpty())
        return QFileInfo(exe).absolutePath();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

} // namespace

QStringList locations(const QString& name)
{
    return locations(name, programFolder());
}

QStringList locations(const QString& name, const QString& programFolder)
{
    const QString file = QStringLiteral("libquorvel-%1.so").arg(name);
#ifdef QUORVEL_BUILD_MODULE_DIR
    // A program of the build tree (tests, benchmarks, the uninstalled application) loads the
    // build's modules and nothing else: a build left in a shared folder must not pick up
    // whatever somebody put beside it.
    const QString buildModules = QStringLiteral(QUORVEL_BUILD_MODULE_DIR);
    QString buildTree = QFileInfo(QFileInfo(buildModules).absolutePath()).canonicalFilePath();
    if (buildTree.isEmpty())
        buildTree = QFileInfo(buildModules).absolutePath();
    if ((programFolder + QLatin1Char('/')).startsWith(buildTree + QLatin1Char('/')))
        return {QDir(buildModules).filePath(file)};
#endif
    // An installed program: its library folder, compiled in as an absolute path or as one
    // relative to the program's folder (so that an install under another prefix finds its own).
    const QString installed = QStringLiteral(QUORVEL_INSTALL_MODULE_DIR);
    if (QDir::isAbsolutePath(installed))
        return {QDir(installed).filePath(file)};
    if (programFolder.isEmpty())
        return {};
    return {QDir::cleanPath(QDir(programFolder).filePath(installed + QLatin1Char('/') + file))};
}

void* open(const QString& name, QString* error)
{
    static QMutex mutex;
    static QHash<QString, void*> opened;
    const QMutexLocker lock(&mutex);
    if (void* handle = opened.value(name))
        return handle;
    QStringList why;
    for (const QString& path : locations(name)) {
        if (!QFileInfo(path).isFile()) {
            why << QStringLiteral("%1: not found").arg(path);
            continue;
        }
        void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* reason = dlerror();
            why << QString::fromLocal8Bit(reason ? reason : "cannot be loaded");
            continue;
        }
        if (auto setLog = reinterpret_cast<void (*)(QuorvelModuleLogWriter)>(dlsym(handle, kQuorvelModuleSetLog)))
            setLog(&Log::write);
        opened.insert(name, handle);
        return handle;
    }
    if (error)
        *error = QStringLiteral("the module \"%1\" cannot be loaded (%2)").arg(name, why.join(QLatin1String("; ")));
    return nullptr;
}

void* symbol(void* module, const char* name)
{
    return module ? dlsym(module, name) : nullptr;
}

void* function(const QString& name, const char* symbol, QString* error)
{
    void* module = open(name, error);
    if (!module)
        return nullptr;
    void* f = dlsym(module, symbol);
    if (!f && error)
        *error = QStringLiteral("the module \"%1\" lacks %2").arg(name, QLatin1String(symbol));
    return f;
}

} // namespace Modules
