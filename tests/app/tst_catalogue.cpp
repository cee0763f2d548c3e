#include "app/TextCatalogue.h"
#include "platform/foundation/LocalizedText.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

class tst_Catalogue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void cleanup() { StringTable::load(QString()); }
    void tablesHoldExactlyTheCatalogue_data();
    void tablesHoldExactlyTheCatalogue();
    void codeLooksUpOnlyCataloguedKeys();
    void everyKeyIsTranslated_data();
    void everyKeyIsTranslated();
    void withoutATableEveryTextIsItsKey();
    void defaultTemplatesCarryBothPlaceholders_data();
    void defaultTemplatesCarryBothPlaceholders();

private:
    static QSet<QString> catalogue();
};

QSet<QString> tst_Catalogue::catalogue()
{
    QSet<QString> keys;
    for (const char* k : textCatalogue())
        keys.insert(QString::fromLatin1(k));
    return keys;
}

void tst_Catalogue::tablesHoldExactlyTheCatalogue_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("Czech") << "cs";
}

void tst_Catalogue::tablesHoldExactlyTheCatalogue()
{
    QFETCH(QString, language);
    QFile ts(QStringLiteral(QUORVEL_SOURCE_DIR "/resources/i18n/quorvel_%1.ts").arg(language));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QSet<QString> inTable;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("message")) {
            const QString id = xml.attributes().value(QLatin1String("id")).toString();
            QVERIFY2(!inTable.contains(id), qPrintable(QStringLiteral("key twice in the table: ") + id));
            inTable.insert(id);
        }
    }
    QVERIFY(!xml.hasError());
    // The system's 47 keys and the application's own, each once.
    QVERIFY(textCatalogue().size() >= std::size_t(47));
    const QSet<QString> keys = catalogue();
    QCOMPARE(std::size_t(keys.size()), textCatalogue().size());
    QVERIFY2((keys - inTable).isEmpty(), qPrintable(QStringLiteral("missing from the table: ") + QStringList((keys - inTable).values()).join(u' ')));
    QVERIFY2((inTable - keys).isEmpty(), qPrintable(QStringLiteral("not in the catalogue: ") + QStringList((inTable - keys).values()).join(u' ')));
}

void tst_Catalogue::codeLooksUpOnlyCataloguedKeys()
{
    // Every literal key handed to localizedText anywhere in the application's sources.
    const QRegularExpression lookup(QStringLiteral(R"(localizedText\(\s*"([^"]*)\")"));
    const QSet<QString> keys = catalogue();
    QStringList unknown;
    int found = 0;
    for (const char* folder : {"app", "controls", "coords", "templates", "report", "map", "about", "platform"}) {
        QDirIterator it(QStringLiteral(QUORVEL_SOURCE_DIR "/") + QLatin1String(folder), {"*.cpp", "*.h"},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString source = QString::fromUtf8(f.readAll());
            for (auto m = lookup.globalMatch(source); m.hasNext();) {
                const QString key = m.next().captured(1);
                ++found;
                if (!keys.contains(key))
                    unknown << QStringLiteral("%1: %2").arg(it.fileName(), key);
            }
        }
    }
    QVERIFY(found > 15);
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(u'\n')));
}

void tst_Catalogue::everyKeyIsTranslated_data()
{
    tablesHoldExactlyTheCatalogue_data();
}

void tst_Catalogue::everyKeyIsTranslated()
{
    QFETCH(QString, language);
    // Some English texts equal their keys ("Error"), so ask the table itself.
    QTranslator table;
    QVERIFY(table.load(QStringLiteral(":/i18n/quorvel_%1.qm").arg(language)));
    for (const char* key : textCatalogue())
        QVERIFY2(!table.translate(nullptr, key).isEmpty(), key);
}

void tst_Catalogue::withoutATableEveryTextIsItsKey()
{
    QVERIFY(StringTable::load(QString()));
    for (const char* key : textCatalogue())
        QCOMPARE(localizedText(key), QString::fromLatin1(key));
    QVERIFY(!StringTable::load(QStringLiteral("xx")));
}

void tst_Catalogue::defaultTemplatesCarryBothPlaceholders_data()
{
    tablesHoldExactlyTheCatalogue_data();
}

void tst_Catalogue::defaultTemplatesCarryBothPlaceholders()
{
    QFETCH(QString, language);
    QVERIFY(StringTable::load(language));
    for (const char* key : {"MessageDefaultTemplate1", "MessageDefaultTemplate2", "MessageDefaultTemplate3"}) {
        const QString text = localizedText(key);
        QVERIFY2(text.contains(QLatin1String("[]")) && text.contains(QLatin1String("{}")), key);
    }
    // The first two must differ from the third, or storing a message would misjudge it.
    QVERIFY(localizedText("MessageDefaultTemplate3") != localizedText("MessageDefaultTemplate1"));
    QVERIFY(localizedText("MessageDefaultTemplate3") != localizedText("MessageDefaultTemplate2"));
}

QTEST_GUILESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
