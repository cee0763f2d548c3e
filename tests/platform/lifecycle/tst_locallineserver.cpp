// The single instance's socket where no session bus runs: a later start's line and the
// answer, a socket left by an ended run, a peer that never ends its line, and who may connect.

#include "platform/lifecycle/LocalLineServer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
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
