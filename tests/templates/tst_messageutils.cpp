#include "templates/MessageUtils.h"
#include "templates/SettingsKeys.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/UserDefaults.h"
#include "support/TestSupport.h"

#include <QtTest>

class tst_MessageUtils : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { resetStandardStore(); }
    void firstStartCreatesTheDefaults();
    void storedListIsReturnedAsACopy();
    void emptyStoredListIsReplacedByTheDefaults();
    void pickingOutsideTheListGivesNothing_data();
    void pickingOutsideTheListGivesNothing();
};

void tst_MessageUtils::initTestCase()
{
    initTestEnvironment();
    QVERIFY(StringTable::load(QStringLiteral("en")));
}

void tst_MessageUtils::firstStartCreatesTheDefaults()
{
    LogCapture log;
    const QStringList templates = MessageUtils::loadMessageTemplates();
    const QStringList defaults{localizedText("MessageDefaultTemplate1"), localizedText("MessageDefaultTemplate2"),
                               localizedText("MessageDefaultTemplate3")};
    QCOMPARE(templates, defaults);
    QCOMPARE(log.lines().mid(0, 4),
             (QStringList{QStringLiteral("Loading message templates..."),
                          QStringLiteral("TemplatesArray does not exist. Creating one..."),
                          QStringLiteral("Loading TemplatesArray after setting..."),
                          QStringLiteral("TemplatesArray: (\n    \"I am at [] near {}.\",\n    \"Please pick me up here: [] ({}).\",\n"
                                         "    \"I need help! My position is [], near {}. Map: <>\"\n)")}));
    // Flushed: a second reader of the file sees them.
    UserDefaults other(UserDefaults::standardPath());
    QCOMPARE(other.stringArrayForKey(SettingsKeys::TemplatesArray), defaults);
}

void tst_MessageUtils::storedListIsReturnedAsACopy()
{
    const QStringList two{QStringLiteral("Only [] one"), QStringLiteral("Two {}")};
    UserDefaults& store = UserDefaults::standardUserDefaults();
    store.setStringArray(two, SettingsKeys::TemplatesArray);
    QVERIFY(store.synchronize());
    LogCapture log;
    QStringList templates = MessageUtils::loadMessageTemplates();
    QCOMPARE(templates, two);
    QVERIFY(log.contains(QStringLiteral("TemplatesArray exists")));
    templates.removeFirst();
    // Another writer flushes the store meanwhile: the stored list is still whole, in memory
    // and on disk, and the next reader gets it whole.
    QVERIFY(store.synchronize());
    QCOMPARE(store.stringArrayForKey(SettingsKeys::TemplatesArray), two);
    QCOMPARE(UserDefaults(store.path()).stringArrayForKey(SettingsKeys::TemplatesArray), two);
    QCOMPARE(MessageUtils::loadMessageTemplates(), two);
    // Only the caller's own write-back changes it.
    store.setStringArray(templates, SettingsKeys::TemplatesArray);
    QVERIFY(store.synchronize());
    QCOMPARE(UserDefaults(store.path()).stringArrayForKey(SettingsKeys::TemplatesArray), QStringList{QStringLiteral("Two {}")});
}

void tst_MessageUtils::emptyStoredListIsReplacedByTheDefaults()
{
    UserDefaults::standardUserDefaults().setStringArray({}, SettingsKeys::TemplatesArray);
    QCOMPARE(MessageUtils::loadMessageTemplates(), MessageUtils::defaultTemplates());
    QCOMPARE(UserDefaults::standardUserDefaults().stringArrayForKey(SettingsKeys::TemplatesArray),
             MessageUtils::defaultTemplates());
}

void tst_MessageUtils::pickingOutsideTheListGivesNothing_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<quint32>("index");
    QTest::addColumn<bool>("found");
    const QStringList three{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    QTest::newRow("first") << three << 0u << true;
    QTest::newRow("last") << three << 2u << true;
    QTest::newRow("one past the end") << three << 3u << false;
    QTest::newRow("wrapped negative index") << three << 4294967295u << false;
    QTest::newRow("empty list") << QStringList() << 0u << false;
}

void tst_MessageUtils::pickingOutsideTheListGivesNothing()
{
    QFETCH(QStringList, list);
    QFETCH(quint32, index);
    QFETCH(bool, found);
    const auto picked = MessageUtils::getSelectedMessageFromTemplates(list, index);
    QCOMPARE(picked.has_value(), found);
    if (found)
        QCOMPARE(*picked, list.at(index));
}

QTEST_GUILESS_MAIN(tst_MessageUtils)
#include "tst_messageutils.moc"
