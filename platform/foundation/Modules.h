#pragma once
// Parts of the platform that bring large libraries with them (the address books of
// Evolution Data Server, the Secret Service keyring) are built as modules and opened at their
// first use: linked into the program, their dozens of libraries would be loaded and
// relocated at every start, before the first frame, for services most starts never use.
//
// A module is a shared object "libquorvel-NAME.so" in <libdir>/quorvel/ of the installed
// program (or in the build tree's module folder, for programs of the build tree). Its log lines
// reach this process's log.

#include <QString>
#include <QStringList>

namespace Modules {

// Where the module NAME is looked for by this program: the build's module folder for a
// program of the build tree, the compiled-in library folder for an installed one.
QStringList locations(const QString& name);
// The same for a program in `programFolder`.
QStringList locations(const QString& name, const QString& programFolder);

// The module NAME, opened once per process (later calls return the same handle); nullptr
// with `error` saying why when no location holds a module that loads.
void* open(const QString& name, QString* error);

// A function of an opened module, or nullptr.
void* symbol(void* module, const char* name);

// The function `symbol` of the module NAME, opening it if need be; nullptr with `error`
// saying why (the module missing, or without that function).
void* function(const QString& name, const char* symbol, QString* error);

} // namespace Modules
