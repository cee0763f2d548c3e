// The diagnostic lines on standard error: the "quorvel.diag" category silences them, and
// a standard error that is the journal gets them without a time stamp of their own.

#include "support/TestSupport.h"
#include "platform/foundation/Log.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// What Log::write puts on standard error while `write` runs; `journal` sets JOURNAL_STREAM
// to name the captured stream ("self"), another stream ("other") or nothing ("").
QByteArray standardErrorOf(const QString& journal, const std::function<void()>& write)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("stderr")));
    const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(file, STDERR_FILENO);
    struct stat st {};
    ::fstat(file, &st);
    if (journal == QLatin1String("self"))
        qputenv("JOURNAL_STREAM", QByteArray::number(qulonglong(st.st_dev)) + ':' + QByteArray::number(qulonglong(st.st_ino)));
    else if (journal == QLatin1String("other"))
        qputenv("JOURNAL_STREAM", QByteArray::number(qulonglong(st.st_dev)) + ':' + QByteArray::number(qulonglong(st.st_ino) + 1));
    else
        qunsetenv("JOURNAL_STREAM");
    write();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    ::close(file);
    qunsetenv("JOURNAL_STREAM");
    QFile f(QString::fromLocal8Bit(path));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

class tst_Log : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void cleanup()
    {
        QLoggingCategory::setFilterRules(QString());
        Log::setEchoToStandardError(qEnvironmentVariableIsSet("QUORVEL_TEST_LOG"));
    }
    void standardError_data();
    void standardError();
    void captureTakesEveryThread();
};

void tst_Log::standardError_data()
{
    const QString pid = QString::number(QCoreApplication::applicationPid());
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("journal");
    QTest::addColumn<QString>("expected"); // a pattern for the whole output
    const QString stamped = QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} tst_log\\[%1\\] V POLI: loadSettings\\n"
                                           "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} tst_log\\[%1\\] at 50\\.1 N\\n$").arg(pid);
    QTest::newRow("on by default, stamped") << QString() << QString() << stamped;
    QTest::newRow("category off") << QStringLiteral("quorvel.diag=false") << QString() << QStringLiteral("^$");
    QTest::newRow("category's info level off") << QStringLiteral("quorvel.diag.info=false") << QString() << QStringLiteral("^$");
    QTest::newRow("other categories off leave it on") << QStringLiteral("*.debug=false\nqt.*=false") << QString() << stamped;
    QTest::newRow("journal: no stamp of its own") << QString() << QStringLiteral("self")
                                                  << QStringLiteral("^tst_log\\[%1\\] V POLI: loadSettings\\ntst_log\\[%1\\] at 50\\.1 N\\n$").arg(pid);
    QTest::newRow("journal of another stream: stamped") << QString() << QStringLiteral("other") << stamped;
    QTest::newRow("journal and category off") << QStringLiteral("quorvel.diag=false") << QStringLiteral("self")
                                              << QStringLiteral("^$");
}

void tst_Log::standardError()
{
    QFETCH(QString, rules);
    QFETCH(QString, journal);
    QFETCH(QString, expected);
    QLoggingCategory::setFilterRules(rules);
    Log::setEchoToStandardError(true);
    LogCapture log;
    const QByteArray out = standardErrorOf(journal, [] {
        NSLog("V POLI: loadSettings");
        NSLog("at %.1f N", 50.1);
    });
    QVERIFY2(QRegularExpression(expected).match(QString::fromUtf8(out)).hasMatch(), out.constData());
    // The lines themselves, in their order, whatever standard error gets.
    QCOMPARE(log.lines(), (QStringList{QStringLiteral("V POLI: loadSettings"), QStringLiteral("at 50.1 N")}));
}

// Readers and locators log from worker threads; a capture loses none of their lines.
void tst_Log::captureTakesEveryThread()
{
    constexpr int threads = 4, each = 500;
    LogCapture log;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([t] {
            for (int i = 0; i < each; ++i)
                NSLog("worker %d line %d", t, i);
        });
    for (std::thread& w : workers)
        w.join();
    QCOMPARE(log.lines().size(), threads * each);
    QVERIFY(log.contains(QStringLiteral("worker 3 line 499")));
}

QTEST_MAIN(tst_Log)
#include "tst_log.moc"
