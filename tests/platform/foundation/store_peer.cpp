// A second process on a settings store, driven line by line from its standard input, so that
// tests can interleave two real processes' reads, writes and locks on one document.
//   get KEY | set KEY VALUE | remove KEY | sync | lock | quit
// Each command answers with one line on standard output.

#include "platform/foundation/UserDefaults.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QTextStream>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: store_peer DOCUMENT\n");
        return 2;
    }
    UserDefaults store(QString::fromLocal8Bit(argv[1]));
    std::unique_ptr<QLockFile> held;
    QTextStream in(stdin);
    QTextStream out(stdout);
    QString line;
    while (in.readLineInto(&line)) {
        const QString command = line.section(u' ', 0, 0);
        const QString key = line.section(u' ', 1, 1);
        const QString value = line.section(u' ', 2);
        if (command == QLatin1String("get")) {
            const auto v = store.stringForKey(key);
            out << (v ? QStringLiteral("value ") + *v : QStringLiteral("absent")) << Qt::endl;
        } else if (command == QLatin1String("set")) {
            store.setString(value, key);
            out << "ok" << Qt::endl;
        } else if (command == QLatin1String("remove")) {
            store.removeObjectForKey(key);
            out << "ok" << Qt::endl;
        } else if (command == QLatin1String("sync")) {
            out << (store.synchronize() ? "synced" : "failed") << Qt::endl;
        } else if (command == QLatin1String("lock")) {
            held = std::make_unique<QLockFile>(store.lockPath());
            out << (held->tryLock(0) ? "locked" : "busy") << Qt::endl;
        } else if (command == QLatin1String("quit")) {
            out << "bye" << Qt::endl;
            return 0;
        } else {
            out << "unknown" << Qt::endl;
        }
    }
    return 0;
}
