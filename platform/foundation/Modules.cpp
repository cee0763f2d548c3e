#include "platform/foundation/Modules.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/ModuleEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QPluginLoader>

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

QObject* load(const QString& name, QString* error)
{
    static QMutex mutex;
    static QHash<QString, QObject*> loaded;
    const QMutexLocker lock(&mutex);
    if (QObject* module = loaded.value(name))
        return module;
    QStringList why;
    for (const QString& path : locations(name)) {
        if (!QFileInfo(path).isFile()) {
            why << QStringLiteral("%1: not found").arg(path);
            continue;
        }
        QPluginLoader loader(path);
        // Objects the module made may outlive any loader; it stays for the process.
        loader.setLoadHints(QLibrary::PreventUnloadHint);
        QObject* module = loader.instance();
        auto* quorvelModule = qobject_cast<QuorvelModule*>(module);
        if (!quorvelModule) {
            why << (module ? QStringLiteral("%1: not a module of ours").arg(path) : loader.errorString());
            continue;
        }
        quorvelModule->setLogWriter(&Log::write);
        // Loaded by whichever thread asked first; it belongs with the application's objects.
        if (QCoreApplication* app = QCoreApplication::instance(); app && module->thread() != app->thread())
            module->moveToThread(app->thread());
        loaded.insert(name, module);
        return module;
    }
    if (error)
        *error = QStringLiteral("the module \"%1\" cannot be loaded (%2)").arg(name, why.join(QLatin1String("; ")));
    return nullptr;
}

} // namespace Modules
