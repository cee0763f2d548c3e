// The single instance's socket where no session bus runs: a later start's line and the
// answer, a socket left by an ended run, a peer that never ends its line, and who may connect.

#include "platform/lifecycle/LocalLineServer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <future>
#include <sys/prctl.h>
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

// Runs the event loop, which sleeps while nothing happens.
void serveFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
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
        QVERIFY(kind == u"file" ? QFile(path).open(QIODevice::WriteOnly) : leaveStaleSocket(path));
        pid_t child = -1;
        if (kind == u"owner") {
            QCOMPARE(::lchown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        } else if (kind == u"listener") {
            // Bound again here, listened on by a process that has become somebody else.
            ::unlink(QFile::encodeName(path).constData());
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const sockaddr_un a = addressOf(path);
            QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a), 0);
            int ready[2];
            QCOMPARE(::pipe(ready), 0);
            child = ::fork();
            if (child == 0) {
                ::prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlives the test
                if (::setuid(65534) == 0 && ::listen(fd, 4) == 0 && ::write(ready[1], "", 1) == 1)
                    ::pause();
                ::_exit(1);
            }
            char byte;
            QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
            for (const int f : {fd, ready[0], ready[1]})
                ::close(f);
        }
        const InstanceAnswer answer = askRunningInstance(path, "activate\n", 300);
        if (child > 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
        QCOMPARE(answer, InstanceAnswer::Foreign);
    }

    void socketFolder_data()
    {
        QTest::addColumn<QString>("runtime");  // XDG_RUNTIME_DIR's mode, or "" for none
        QTest::addColumn<uint>("inTheWay");    // the mode of a quorvel-UID already in the temporary folder, or 0
        QTest::addColumn<bool>("usable");
        QTest::newRow("the session's runtime folder") << "700" << 0u << true;
        QTest::newRow("a runtime folder others may enter") << "755" << 0u << false;
        QTest::newRow("none: a private one made") << "" << 0u << true;
        QTest::newRow("none: one open to all in the way") << "" << 0777u << false;
    }

    void socketFolder()
    {
        QFETCH(QString, runtime);
        QFETCH(uint, inTheWay);
        QFETCH(bool, usable);
        QTemporaryDir dir;
        const QByteArray saved[] = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("TMPDIR")};
        qunsetenv("XDG_RUNTIME_DIR");
        if (!runtime.isEmpty()) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
            ::chmod(QFile::encodeName(dir.path()).constData(), runtime.toUInt(nullptr, 8));
        }
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
        const QByteArray fallback = QFile::encodeName(dir.filePath(QStringLiteral("quorvel-%1").arg(::getuid())));
        if (inTheWay != 0)
            QVERIFY(::mkdir(fallback.constData(), 0700) == 0 && ::chmod(fallback.constData(), inTheWay) == 0);
        QString why;
        const QString folder = privateSocketFolder(&why);
        for (const auto& [name, value] : {std::pair{"XDG_RUNTIME_DIR", saved[0]}, std::pair{"TMPDIR", saved[1]}})
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        QCOMPARE(!folder.isEmpty() && why.isEmpty(), usable);
        struct stat st{};
        QVERIFY(!usable || (::lstat(QFile::encodeName(folder).constData(), &st) == 0 && (st.st_mode & 077) == 0));
    }

    // Idle peers hold no more than a few places, each for a short while, and the next start
    // is served once they are cut off.
    void idlePeersAreBounded()
    {
        Listening listening;
        QVERIFY2(listening.why.isEmpty(), qPrintable(listening.why));
        const sockaddr_un a = addressOf(listening.path);
        QList<int> idle;
        for (int i = 0; i < LocalLineServer::kMaximumPeers * 3; ++i) {
            idle.append(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0));
            ::connect(idle.last(), reinterpret_cast<const sockaddr*>(&a), sizeof a);
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
        QCOMPARE(askServed(listening.path, "activate\n", &lines, listening.server), InstanceAnswer::Answered);
    }

    // Out of descriptors, the server rests instead of spinning on a peer it cannot take, and
    // serves it once descriptors are free again.
    void outOfDescriptors()
    {
        Listening listening;
        QVERIFY2(listening.why.isEmpty(), qPrintable(listening.why));
        QSignalSpy spy(&listening.server, &LocalLineServer::lineReceived);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un a = addressOf(listening.path);
        QCOMPARE(::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a), 0);
        QCOMPARE(::send(fd, "activate\n", 9, MSG_NOSIGNAL), ssize_t(9));
        rlimit saved{};
        ::getrlimit(RLIMIT_NOFILE, &saved);
        // The lowest free number is the next one handed out: with the limit there, none is.
        rlimit tight = saved;
        tight.rlim_cur = rlim_t(::dup(0));
        ::close(int(tight.rlim_cur));
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &tight), 0);
        const qint64 start = cpuMs();
        serveFor(600);
        const qint64 spent = cpuMs() - start;
        ::setrlimit(RLIMIT_NOFILE, &saved);
        QVERIFY2(spent < 300 && spy.isEmpty(), qPrintable(QString::number(spent)));
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
