// The single instance's socket where no session bus runs: a later start's line and the
// answer, a socket left by an ended run, a peer that never ends its line, and who may connect.

#include "platform/lifecycle/LocalLineServer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <future>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Asks from another thread, as a later start would from its own process, while this one's
// event loop serves.
InstanceAnswer askServed(const QString& path, const QByteArray& line, QList<QByteArray>* received, LocalLineServer& server)
{
    QSignalSpy spy(&server, &LocalLineServer::lineReceived);
    std::future<InstanceAnswer> answer = std::async(std::launch::async, [=] { return askRunningInstance(path, line, 800); });
    QElapsedTimer clock;
    clock.start();
    while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    for (const auto& args : spy)
        received->append(args.at(0).toByteArray());
    return answer.get();
}

sockaddr_un addressOf(const QString& path)
{
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    qstrncpy(a.sun_path, QFile::encodeName(path).constData(), sizeof a.sun_path);
    return a;
}

// A socket file bound by a process that then went away without removing it.
bool leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un a = addressOf(path);
    const bool ok = ::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ok && QFileInfo::exists(path);
}

// A server listening in a folder of its own; `why` says why not.
struct Listening {
    Listening() { server.listen(path, &why); }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("app.instance"));
    LocalLineServer server;
    QString why;
};

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size());
}

void serveFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

qint64 cpuMs()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

} // namespace

class tst_LocalLineServer : public QObject {
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("received");
        QTest::newRow("activate") << QByteArray("activate\n") << int(InstanceAnswer::Answered) << QByteArray("activate");
        QTest::newRow("an action") << QByteArray("action settings\n") << int(InstanceAnswer::Answered)
                                   << QByteArray("action settings");
        QTest::newRow("blanks around") << QByteArray("  activate \r\n") << int(InstanceAnswer::Answered)
                                       << QByteArray("activate");
        QTest::newRow("a line that never ends") << QByteArray(4096, 'x') << int(InstanceAnswer::Silent) << QByteArray();
        QTest::newRow("just too long")
            << QByteArray(LocalLineServer::kMaximumLine + 1, 'y') + '\n' << int(InstanceAnswer::Silent) << QByteArray();
    }

    void lines()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, answer);
        QFETCH(QByteArray, received);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("app.instance"));
        QCOMPARE(askRunningInstance(path, "activate\n", 200), InstanceAnswer::NobodyListens);
        LocalLineServer server;
        QString why;
        QVERIFY2(server.listen(path, &why), qPrintable(why));
        QList<QByteArray> lines;
        QCOMPARE(askServed(path, line, &lines, server), InstanceAnswer(answer));
        QCOMPARE(lines, received.isNull() ? QList<QByteArray>{} : QList<QByteArray>{received});
        // Whatever the last peer did, the next is served.
        lines.clear();
        QCOMPARE(askServed(path, "activate\n", &lines, server), InstanceAnswer::Answered);
        QCOMPARE(lines, QList<QByteArray>{"activate"});
    }

    void staleSocketIsReplacedAndTheNewOneIsTheUsers()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("app.instance"));
        QVERIFY(leaveStaleSocket(path));
        QCOMPARE(askRunningInstance(path, "activate\n", 200), InstanceAnswer::NobodyListens);
        {
            LocalLineServer server;
            QString why;
            QVERIFY2(server.listen(path, &why), qPrintable(why));
            struct stat st{};
            QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
            QVERIFY(S_ISSOCK(st.st_mode));
            QCOMPARE(st.st_mode & 0777, mode_t(0600));
            // Nothing of the hidden binding is left beside it.
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{QStringLiteral("app.instance")});
            QList<QByteArray> lines;
            QCOMPARE(askServed(path, "activate\n", &lines, server), InstanceAnswer::Answered);
        }
        QVERIFY(!QFileInfo::exists(path)); // removed when the first instance ends
    }

    // A first instance that hangs, with its queue of connections full: a later start hears
    // nothing back, and says so, instead of hanging in its turn.
    void hungFirstInstance()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("app.instance"));
        const sockaddr_un a = addressOf(path);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(::bind(listener, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0 && ::listen(listener, 0) == 0);
        QList<int> waiting;
        for (int i = 0; i < 8; ++i) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a);
            waiting.append(fd);
        }
        QCOMPARE(askRunningInstance(path, "activate\n", 300), InstanceAnswer::Silent);
        for (const int fd : std::as_const(waiting))
            ::close(fd);
        ::close(listener);
    }

    // Whatever is at the path and is not this user's socket is neither asked nor taken for
    // a running instance.
    void foreignPaths_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a plain file") << "file";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a link to a live socket") << "link";
        if (::getuid() == 0) {
            QTest::newRow("a socket file of another user") << "owner";
            QTest::newRow("a listener of another user") << "listener";
        }
    }

    void foreignPaths()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("app.instance"));
        const QByteArray encoded = QFile::encodeName(path);
        LocalLineServer server;
        QString why;
        pid_t child = -1;
        if (kind == u"file") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (kind == u"folder") {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("app.instance")));
        } else if (kind == u"link") {
            QVERIFY2(server.listen(dir.filePath(QStringLiteral("real")), &why), qPrintable(why));
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("real")), path));
        } else if (kind == u"owner") {
            QVERIFY(leaveStaleSocket(path));
            QCOMPARE(::lchown(encoded.constData(), 65534, 65534), 0);
        } else {
            // Bound here, listened on by a process that has become somebody else.
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const sockaddr_un a = addressOf(path);
            QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a), 0);
            int ready[2];
            QCOMPARE(::pipe(ready), 0);
            child = ::fork();
            if (child == 0) {
                if (::setuid(65534) == 0 && ::listen(fd, 4) == 0 && ::write(ready[1], "", 1) == 1)
                    ::pause();
                ::_exit(1);
            }
            ::close(fd);
            ::close(ready[1]);
            char byte;
            QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
            ::close(ready[0]);
        }
        QCOMPARE(askRunningInstance(path, "activate\n", 300), InstanceAnswer::Foreign);
        if (child > 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
    }

    void socketFolder_data()
    {
        QTest::addColumn<QString>("runtime");   // XDG_RUNTIME_DIR: "" unset, else its mode in octal
        QTest::addColumn<QString>("fallback");  // what is at the temporary folder's quorvel-UID already
        QTest::addColumn<bool>("usable");
        QTest::newRow("the session's runtime folder") << "700" << "" << true;
        QTest::newRow("a runtime folder others may enter") << "755" << "" << false;
        QTest::newRow("no runtime folder: a private one made") << "" << "" << true;
        QTest::newRow("no runtime folder: ours from an earlier run") << "" << "700" << true;
        QTest::newRow("no runtime folder: one open to all in the way") << "" << "777" << false;
        QTest::newRow("no runtime folder: a link in the way") << "" << "link" << false;
        if (::getuid() == 0)
            QTest::newRow("no runtime folder: another user's in the way") << "" << "nobody" << false;
    }

    void socketFolder()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, fallback);
        QFETCH(bool, usable);
        QTemporaryDir dir;
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray savedTmp = qgetenv("TMPDIR");
        const QString fallbackPath = dir.filePath(QStringLiteral("quorvel-%1").arg(::getuid()));
        if (runtime.isEmpty()) {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("runtime")));
            QCOMPARE(::chmod(QFile::encodeName(dir.filePath(QStringLiteral("runtime"))).constData(), runtime.toUInt(nullptr, 8)), 0);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.filePath(QStringLiteral("runtime"))));
        }
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
        if (fallback == u"link") {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("elsewhere")));
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("elsewhere")), fallbackPath));
        } else if (!fallback.isEmpty()) {
            QVERIFY(QDir(dir.path()).mkdir(fallbackPath));
            const QByteArray encoded = QFile::encodeName(fallbackPath);
            if (fallback == u"nobody")
                QCOMPARE(::chown(encoded.constData(), 65534, 65534), 0);
            QCOMPARE(::chmod(encoded.constData(), fallback == u"nobody" ? 0700 : fallback.toUInt(nullptr, 8)), 0);
        }
        QString why;
        const QString folder = privateSocketFolder(&why);
        for (const auto& [name, saved] : {std::pair{"XDG_RUNTIME_DIR", savedRuntime}, std::pair{"TMPDIR", savedTmp}}) {
            if (saved.isNull())
                qunsetenv(name);
            else
                qputenv(name, saved);
        }
        QCOMPARE(!folder.isEmpty(), usable);
        QCOMPARE(why.isEmpty(), usable);
        if (usable) {
            struct stat st{};
            QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &st), 0);
            QVERIFY(S_ISDIR(st.st_mode));
            QCOMPARE(st.st_mode & 077, mode_t(0));
        }
    }

    // Idle peers hold no more than a few places, each for a short while, and the next start
    // is served once they are cut off.
    void idlePeersAreBounded()
    {
        Listening listening;
        QVERIFY2(listening.why.isEmpty(), qPrintable(listening.why));
        const QString& path = listening.path;
        LocalLineServer& server = listening.server;
        const sockaddr_un a = addressOf(path);
        QList<int> idle;
        for (int i = 0; i < LocalLineServer::kMaximumPeers * 3; ++i) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a);
            idle.append(fd);
        }
        const int before = openDescriptors();
        serveFor(300);
        QCOMPARE(openDescriptors() - before, LocalLineServer::kMaximumPeers);
        serveFor(LocalLineServer::kPeerDeadlineMs + 300);
        char byte;
        QCOMPARE(::recv(idle.first(), &byte, 1, MSG_DONTWAIT), ssize_t(0)); // cut off
        for (const int fd : std::as_const(idle))
            ::close(fd);
        serveFor(300);
        QList<QByteArray> lines;
        QCOMPARE(askServed(path, "activate\n", &lines, server), InstanceAnswer::Answered);
    }

    // Out of descriptors, the server rests instead of spinning on a peer it cannot take, and
    // serves it once descriptors are free again.
    void outOfDescriptors()
    {
        Listening listening;
        QVERIFY2(listening.why.isEmpty(), qPrintable(listening.why));
        const QString& path = listening.path;
        LocalLineServer& server = listening.server;
        QSignalSpy spy(&server, &LocalLineServer::lineReceived);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un a = addressOf(path);
        QCOMPARE(::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a), 0);
        QCOMPARE(::send(fd, "activate\n", 9, MSG_NOSIGNAL), ssize_t(9));
        rlimit saved{};
        ::getrlimit(RLIMIT_NOFILE, &saved);
        rlimit tight = saved;
        // The lowest free number is the next one handed out: with the limit there, none is.
        const int lowestFree = ::dup(0);
        ::close(lowestFree);
        tight.rlim_cur = rlim_t(lowestFree);
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &tight), 0);
        const qint64 start = cpuMs();
        serveFor(600);
        const qint64 spent = cpuMs() - start;
        ::setrlimit(RLIMIT_NOFILE, &saved);
        QVERIFY2(spent < 300, qPrintable(QString::number(spent)));
        QCOMPARE(spy.size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 3000);
        ::close(fd);
    }

    void pathsThatCannotBeSockets()
    {
        LocalLineServer server;
        QString why;
        const QString tooLong = QDir::tempPath() + QLatin1Char('/') + QString(200, u'p');
        QVERIFY(!server.listen(tooLong, &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(!server.listen(QStringLiteral("/nonexistent-folder/app.instance"), &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(askRunningInstance(tooLong, "activate\n", 100), InstanceAnswer::NobodyListens);
    }
};

QTEST_GUILESS_MAIN(tst_LocalLineServer)
#include "tst_locallineserver.moc"
