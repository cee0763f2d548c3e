#pragma once
// Parts of the platform that bring large libraries with them (the address books of
// Evolution Data Server, the Secret Service keyring) are built as modules and opened at their
// first use: linked into the program, their dozens of libraries would be loaded and
// relocated at every start, before the first frame, for services most starts never use.
//
// A module is a Qt plugin "libquorvel-NAME.so" in <libdir>/quorvel/ of the installed program
// (or in the build tree's module folder, for programs of the build tree). Its one object offers
// an interface declared in its service's folder, and nothing else crosses over. Its log lines
// reach this process's log.

#include <QObject>
#include <QString>
#include <QStringList>

namespace Modules {

// Where the module NAME is looked for by this program: the build's module folder for a
// program of the build tree, the compiled-in library folder for an installed one.
QStringList locations(const QString& name);
// The same for a program in `programFolder`.
QStringList locations(const QString& name, const QString& programFolder);

// The object of the module NAME (a Qt plugin), loaded once per process (later calls return
// the same object); nullptr with `error` saying why when no location holds a module that loads.
QObject* load(const QString& name, QString* error);

// The module NAME's `Interface`; nullptr with `error` saying why (the module missing, or not
// offering it).
template <class Interface>
Interface* get(const QString& name, QString* error)
{
    QObject* module = load(name, error);
    if (!module)
        return nullptr;
    auto* offered = qobject_cast<Interface*>(module);
    if (!offered && error)
        *error = QStringLiteral("the module \"%1\" lacks %2").arg(name, QLatin1String(qobject_interface_iid<Interface*>()));
    return offered;
}

} // namespace Modules
