#include "platform/foundation/UserDefaults.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

class tst_UserDefaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void init();
    void valuesKeepTheirTypesAcrossInstances();
    void wrongTypesReadAsAbsent_data();
    void wrongTypesReadAsAbsent();
    void unreadableDocumentIsKeptAside_data();
    void unreadableDocumentIsKeptAside();
    void invalidUtf8IsReadWithoutLoss();
    void failedWriteKeepsTheOldDocument();
    void standardStoreLivesInTheConfigFolder();
    void specialFilesAreSetAside_data();
    void specialFilesAreSetAside();
    void documentIsPrivate();
    void documentDamagedByAnotherWriterKeepsBoth();
    void documentUnderALinkKeepsTheLink();

private:
    QString writeRaw(const QByteArray& bytes);
    void expectKeptInPlace(bool withoutDescriptors, const LogCapture& log);
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void tst_UserDefaults::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    path_ = dir_->filePath(QStringLiteral("quorvel/defaults.json"));
}

QString tst_UserDefaults::writeRaw(const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QFile f(path_);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(bytes);
    return path_;
}

void tst_UserDefaults::valuesKeepTheirTypesAcrossInstances()
{
    {
        UserDefaults a(path_);
        a.setStringArray({QStringLiteral("only one")}, QStringLiteral("TemplatesArray"));
        a.setStringArray({}, QStringLiteral("emptyList"));
        a.setInteger(3, QStringLiteral("selectedTemplate"));
        a.setInteger(-7, QStringLiteral("negative"));
        a.setString(QStringLiteral("12"), QStringLiteral("numberLikeString"));
        a.setString(QString(1 << 20, QLatin1Char('x')), QStringLiteral("huge"));
        a.setString(QStringLiteral("gone"), QStringLiteral("removed"));
        a.removeObjectForKey(QStringLiteral("removed"));
        QVERIFY(a.synchronize());
    }
    UserDefaults b(path_);
    QCOMPARE(b.stringArrayForKey(QStringLiteral("TemplatesArray")), QStringList{QStringLiteral("only one")});
    QCOMPARE(b.stringArrayForKey(QStringLiteral("emptyList")), QStringList{});
    QVERIFY(b.stringArrayForKey(QStringLiteral("emptyList")).has_value());
    QCOMPARE(b.integerForKey(QStringLiteral("selectedTemplate")), 3);
    QCOMPARE(b.integerForKey(QStringLiteral("negative")), -7);
    QCOMPARE(b.stringForKey(QStringLiteral("numberLikeString")), QStringLiteral("12"));
    QCOMPARE(b.integerForKey(QStringLiteral("numberLikeString")), 0);
    QCOMPARE(b.stringForKey(QStringLiteral("huge"))->size(), 1 << 20);
    QVERIFY(!b.objectForKey(QStringLiteral("removed")).isValid());
    QCOMPARE(b.integerForKey(QStringLiteral("absent")), 0);
    // No temporary file is left beside the document.
    QCOMPARE(QDir(QFileInfo(path_).absolutePath()).entryList(QDir::Files), QStringList{QStringLiteral("defaults.json")});
}

void tst_UserDefaults::wrongTypesReadAsAbsent_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("number under a list key") << QByteArray(R"({"TemplatesArray": 5})");
    QTest::newRow("list under a string key") << QByteArray(R"({"last": ["last"]})");
    QTest::newRow("fraction under an integer key") << QByteArray(R"({"selectedTemplate": 1.5})");
    QTest::newRow("list holding a number") << QByteArray(R"({"TemplatesArray": ["a", 2]})");
    QTest::newRow("object value") << QByteArray(R"({"last": {"a": 1}})");
    QTest::newRow("boolean value") << QByteArray(R"({"selectedTemplate": true})");
}

void tst_UserDefaults::wrongTypesReadAsAbsent()
{
    QFETCH(QByteArray, json);
    writeRaw(json);
    UserDefaults d(path_);
    QVERIFY(!d.stringArrayForKey(QStringLiteral("TemplatesArray")).has_value());
    QVERIFY(!d.stringForKey(QStringLiteral("last")).has_value());
    QCOMPARE(d.integerForKey(QStringLiteral("selectedTemplate")), 0);
}

void tst_UserDefaults::unreadableDocumentIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("truncated") << QByteArray(R"({"TemplatesArray": ["a", "b)");
    QTest::newRow("a JSON array, not an object") << QByteArray(R"(["TemplatesArray"])");
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe garbage \x01", 14);
    QTest::newRow("an INI file") << QByteArray("[General]\nlast=last\n");
}

void tst_UserDefaults::unreadableDocumentIsKeptAside()
{
    QFETCH(QByteArray, bytes);
    writeRaw(bytes);
    LogCapture log;
    UserDefaults d(path_);
    QVERIFY(!d.stringForKey(QStringLiteral("last")).has_value());
    d.setString(QStringLiteral("last"), QStringLiteral("last"));
    QVERIFY(d.synchronize());

    const QStringList aside = QDir(QFileInfo(path_).absolutePath())
                                  .entryList({QStringLiteral("defaults.json.damaged-*")}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QFile kept(QFileInfo(path_).absolutePath() + QLatin1Char('/') + aside.first());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
    QCOMPARE(log.lines().size(), 1);
    QVERIFY(log.lines().first().contains(aside.first()));

    UserDefaults again(path_);
    QCOMPARE(again.stringForKey(QStringLiteral("last")), QStringLiteral("last"));
}

void tst_UserDefaults::invalidUtf8IsReadWithoutLoss()
{
    writeRaw(QByteArray("{\"lastUsedMessage\": \"At [] \xff\xfe near {}\", \"last\": \"last\"}"));
    UserDefaults d(path_);
    const auto message = d.stringForKey(QStringLiteral("lastUsedMessage"));
    QVERIFY(message.has_value());
    QVERIFY(message->startsWith(QLatin1String("At [] ")));
    QVERIFY(message->endsWith(QLatin1String(" near {}")));
    QCOMPARE(d.stringForKey(QStringLiteral("last")), QStringLiteral("last"));
}

void tst_UserDefaults::failedWriteKeepsTheOldDocument()
{
    {
        UserDefaults a(path_);
        a.setString(QStringLiteral("old"), QStringLiteral("last"));
        QVERIFY(a.synchronize());
    }
    // A file standing where the folder must be makes the write fail, even for root.
    UserDefaults b(dir_->filePath(QStringLiteral("quorvel/defaults.json/inner.json")));
    b.setString(QStringLiteral("new"), QStringLiteral("last"));
    LogCapture log;
    QVERIFY(!b.synchronize());
    QCOMPARE(log.lines().size(), 1);
    UserDefaults c(path_);
    QCOMPARE(c.stringForKey(QStringLiteral("last")), QStringLiteral("old"));
}

void tst_UserDefaults::standardStoreLivesInTheConfigFolder()
{
    QCOMPARE(UserDefaults::standardPath(),
             QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/quorvel/defaults.json"));
}

void tst_UserDefaults::specialFilesAreSetAside_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a FIFO, which would block the start") << "fifo";
    QTest::newRow("a link to an endless device") << "zero";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a document of many megabytes") << "huge";
    // Sound documents that could not be read this time stay where they are, and nothing is
    // written over them.
    QTest::newRow("a read failing at the first byte, even for root") << "io";
    QTest::newRow("no descriptor left to open it") << "descriptors";
}

void tst_UserDefaults::specialFilesAreSetAside()
{
    QFETCH(QString, kind);
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // The huge one is a valid document, only too big: the size alone refuses it, before any
    // reading.
    const QByteArray huge = R"({"last": "last", "pad": ")" + QByteArray(8 * 1024 * 1024, 'x') + "\"}";
    if (kind == QLatin1String("descriptors"))
        QVERIFY(!writeRaw(R"({"last": "kept"})").isEmpty());
    else
        QVERIFY(placeSpecialFile(path_, kind, huge));
    LogCapture log;
    if (kind == QLatin1String("io") || kind == QLatin1String("descriptors"))
        return expectKeptInPlace(kind == QLatin1String("descriptors"), log);
    UserDefaults d(path_);
    QVERIFY(!d.stringForKey(QStringLiteral("last")).has_value());
    QCOMPARE(log.lines().size(), 1);
    d.setString(QStringLiteral("current"), QStringLiteral("last"));
    QVERIFY(d.synchronize());
    QCOMPARE(log.lines().size(), 1);

    const QStringList aside = QDir(QFileInfo(path_).absolutePath())
                                  .entryList({QStringLiteral("defaults.json.damaged-*")}, QDir::AllEntries | QDir::System);
    QCOMPARE(aside.size(), 1);
    QVERIFY(log.lines().first().contains(aside.first()));
    QVERIFY(QFileInfo(path_).isFile());
    QCOMPARE(UserDefaults(path_).stringForKey(QStringLiteral("last")), QStringLiteral("current"));
}

void tst_UserDefaults::expectKeptInPlace(bool withoutDescriptors, const LogCapture& log)
{
    const QString before = QFileInfo(path_).symLinkTarget();
    bool readSomething = true;
    bool saved = true;
    {
        std::vector<int> held;
        const auto release = qScopeGuard([&held] {
            for (int fd : held)
                ::close(fd);
        });
        if (withoutDescriptors)
            for (int fd; (fd = ::dup(0)) >= 0;)
                held.push_back(fd);
        UserDefaults d(path_);
        readSomething = d.stringForKey(QStringLiteral("last")).has_value();
        d.setString(QStringLiteral("current"), QStringLiteral("last"));
        saved = d.synchronize();
    }
    QVERIFY(!readSomething);
    QVERIFY(!saved);
    QVERIFY(!log.lines().isEmpty());
    QVERIFY(log.lines().first().contains(path_));
    const QStringList aside = QDir(QFileInfo(path_).absolutePath())
                                  .entryList({QStringLiteral("defaults.json.damaged-*")}, QDir::AllEntries | QDir::System);
    QVERIFY(aside.isEmpty());
    QCOMPARE(QFileInfo(path_).symLinkTarget(), before);
    if (withoutDescriptors)
        QCOMPARE(UserDefaults(path_).stringForKey(QStringLiteral("last")), QStringLiteral("kept"));
}

void tst_UserDefaults::documentIsPrivate()
{
    const mode_t previous = ::umask(022);
    UserDefaults d(path_);
    d.setString(QStringLiteral("at [N 50 E 14]"), QStringLiteral("lastUsedMessage"));
    const bool written = d.synchronize();
    ::umask(previous);
    QVERIFY(written);
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(path_).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0600));
    QCOMPARE(::stat(QFile::encodeName(QFileInfo(path_).absolutePath()).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0700));
}

void tst_UserDefaults::documentDamagedByAnotherWriterKeepsBoth()
{
    UserDefaults d(path_);
    d.setString(QStringLiteral("mine"), QStringLiteral("lastUsedMessage"));
    QVERIFY(d.synchronize());
    // Another program leaves a broken document while this one holds its copy.
    writeRaw("{\"last\": ");
    d.setString(QStringLiteral("last"), QStringLiteral("last"));
    LogCapture log;
    QVERIFY(d.synchronize());
    QVERIFY(d.synchronize());
    QCOMPARE(log.lines().size(), 1);
    UserDefaults again(path_);
    QCOMPARE(again.stringForKey(QStringLiteral("lastUsedMessage")), QStringLiteral("mine"));
    QCOMPARE(again.stringForKey(QStringLiteral("last")), QStringLiteral("last"));
    QCOMPARE(QDir(QFileInfo(path_).absolutePath()).entryList({QStringLiteral("defaults.json.damaged-*")}).size(), 1);
}

void tst_UserDefaults::documentUnderALinkKeepsTheLink()
{
    // Settings kept with the user's other dotfiles, linked into place.
    const QString kept = dir_->filePath(QStringLiteral("dotfiles/quorvel.json"));
    QDir().mkpath(QFileInfo(kept).absolutePath());
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QFile f(kept);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(R"({"last": "last"})");
    f.close();
    QVERIFY(QFile::link(kept, path_));
    UserDefaults d(path_);
    QCOMPARE(d.stringForKey(QStringLiteral("last")), QStringLiteral("last"));
    d.setString(QStringLiteral("current"), QStringLiteral("last"));
    QVERIFY(d.synchronize());
    QVERIFY(QFileInfo(path_).isSymLink());
    QCOMPARE(UserDefaults(kept).stringForKey(QStringLiteral("last")), QStringLiteral("current"));
}

QTEST_GUILESS_MAIN(tst_UserDefaults)
#include "tst_userdefaults.moc"
