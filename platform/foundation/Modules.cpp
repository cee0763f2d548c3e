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

QStringList locations(const QString& name)
{
    const QString file = QStringLiteral("libquorvel-%1.so").arg(name);
    QStringList paths;
    if (QCoreApplication::instance() != nullptr) {
        const QDir appDir(QCoreApplication::applicationDirPath());
        paths << QDir::cleanPath(appDir.filePath(QStringLiteral("../" QUORVEL_INSTALL_LIBDIR "/quorvel/") + file));
    }
#ifdef QUORVEL_BUILD_MODULE_DIR
    // Only for programs of the build tree (tests, benchmarks, the uninstalled application),
    // as for the place index: an installed copy never loads a build folder's code.
    const QString buildModules = QStringLiteral(QUORVEL_BUILD_MODULE_DIR);
    const QString buildTree = QFileInfo(buildModules).absolutePath() + QLatin1Char('/');
    if (QCoreApplication::instance() == nullptr
        || (QCoreApplication::applicationDirPath() + QLatin1Char('/')).startsWith(buildTree))
        paths << QDir(buildModules).filePath(file);
#endif
    paths.removeDuplicates();
    return paths;
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
