// Two real processes on one settings store: each writes only what it changed over what the
// other wrote, the later write to one key wins, and a lock left by a killed process is
// taken over.

#include "platform/foundation/UserDefaults.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

namespace {

// One store_peer process, asked one command at a time.
class Peer {
public:
    explicit Peer(const QString& document)
    {
        process_.setProgram(QStringLiteral(QUORVEL_BINARY_DIR "/tests/platform/foundation/store_peer"));
        process_.setArguments({document});
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
    }
    ~Peer()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    bool started() { return process_.waitForStarted(10000); }
    QString ask(const QString& command)
    {
        process_.write(command.toUtf8() + '\n');
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(10000))
                return QStringLiteral("(no answer)");
        return QString::fromUtf8(process_.readLine()).trimmed();
    }
    void killHard()
    {
        ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
        process_.waitForFinished(5000);
    }

private:
    QProcess process_;
};

} // namespace

class tst_StoreProcesses : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        path_ = dir_->filePath(QStringLiteral("quorvel/defaults.json"));
        UserDefaults seed(path_);
        seed.setString(QStringLiteral("one"), QStringLiteral("kept"));
        seed.setString(QStringLiteral("old"), QStringLiteral("dropped"));
        QVERIFY(seed.synchronize());
    }

    void eachProcessWritesOnlyItsOwnKeys_data()
    {
        // Commands for A and for B, given after both have read the document, then A
        // synchronizes first; the document that results.
        QTest::addColumn<QStringList>("a");
        QTest::addColumn<QStringList>("b");
        QTest::addColumn<QString>("expected"); // key=value pairs, sorted
        QTest::newRow("different keys both kept")
            << QStringList{"set x from-a"} << QStringList{"set y from-b"} << "dropped=old kept=one x=from-a y=from-b";
        QTest::newRow("same key, later write wins")
            << QStringList{"set x from-a"} << QStringList{"set x from-b"} << "dropped=old kept=one x=from-b";
        QTest::newRow("a removal beside another's write")
            << QStringList{"remove dropped"} << QStringList{"set y from-b"} << "kept=one y=from-b";
        QTest::newRow("a later removal wins over an earlier write")
            << QStringList{"set dropped again"} << QStringList{"remove dropped"} << "kept=one";
        QTest::newRow("a later write wins over an earlier removal")
            << QStringList{"remove kept"} << QStringList{"set kept two"} << "dropped=old kept=two";
    }

    void eachProcessWritesOnlyItsOwnKeys()
    {
        QFETCH(QStringList, a);
        QFETCH(QStringList, b);
        QFETCH(QString, expected);
        Peer pa(path_);
        Peer pb(path_);
        QVERIFY(pa.started() && pb.started());
        // Both hold the whole document in memory before either writes.
        QCOMPARE(pa.ask(QStringLiteral("get kept")), QStringLiteral("value one"));
        QCOMPARE(pb.ask(QStringLiteral("get kept")), QStringLiteral("value one"));
        for (const QString& c : a)
            QCOMPARE(pa.ask(c), QStringLiteral("ok"));
        for (const QString& c : b)
            QCOMPARE(pb.ask(c), QStringLiteral("ok"));
        QCOMPARE(pa.ask(QStringLiteral("sync")), QStringLiteral("synced"));
        QCOMPARE(pb.ask(QStringLiteral("sync")), QStringLiteral("synced"));
        QCOMPARE(onDisk(), expected);
        // A synchronize without changes takes in what the other process wrote.
        QCOMPARE(pa.ask(QStringLiteral("sync")), QStringLiteral("synced"));
        QCOMPARE(onDisk(), expected);
        for (const QString& pair : expected.split(u' ')) {
            const QString key = pair.section(u'=', 0, 0);
            QCOMPARE(pa.ask(QStringLiteral("get ") + key), QStringLiteral("value ") + pair.section(u'=', 1));
        }
    }

    void lockOfAKilledProcessIsTakenOver()
    {
        Peer holder(path_);
        QVERIFY(holder.started());
        QCOMPARE(holder.ask(QStringLiteral("lock")), QStringLiteral("locked"));
        holder.killHard();
        QVERIFY(QFileInfo::exists(path_ + QStringLiteral(".lock")));

        UserDefaults store(path_);
        store.setString(QStringLiteral("after"), QStringLiteral("x"));
        QVERIFY(store.synchronize());
        QCOMPARE(onDisk(), QStringLiteral("dropped=old kept=one x=after"));
    }

    void aLiveLockDelaysTheWriteWithoutLosingIt()
    {
        Peer holder(path_);
        QVERIFY(holder.started());
        QCOMPARE(holder.ask(QStringLiteral("lock")), QStringLiteral("locked"));

        UserDefaults store(path_);
        store.setString(QStringLiteral("waiting"), QStringLiteral("x"));
        LogCapture log;
        QVERIFY(!store.synchronize());
        QVERIFY(!store.synchronize());
        QCOMPARE(log.lines().size(), 1);
        QVERIFY(log.lines().first().contains(QLatin1String("locked by another process")));
        QCOMPARE(store.stringForKey(QStringLiteral("x")), QStringLiteral("waiting"));
        QCOMPARE(onDisk(), QStringLiteral("dropped=old kept=one"));

        QCOMPARE(holder.ask(QStringLiteral("quit")), QStringLiteral("bye"));
        QVERIFY(store.synchronize());
        QCOMPARE(onDisk(), QStringLiteral("dropped=old kept=one x=waiting"));
    }

private:
    // The document as a fresh reader finds it, as sorted "key=value" pairs.
    QString onDisk() const
    {
        UserDefaults fresh(path_);
        QStringList pairs;
        for (const QString& key : {QStringLiteral("dropped"), QStringLiteral("kept"), QStringLiteral("x"),
                                   QStringLiteral("y")})
            if (auto v = fresh.stringForKey(key))
                pairs << key + u'=' + *v;
        return pairs.join(u' ');
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

QTEST_GUILESS_MAIN(tst_StoreProcesses)
#include "tst_storeprocesses.moc"
