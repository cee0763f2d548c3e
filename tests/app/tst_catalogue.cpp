#include "app/TextCatalogue.h"
#include "platform/foundation/LocalizedText.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <algorithm>
#include <QLineEdit>
#include <QMenu>
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
    void qtOwnTextsFollowTheLanguage_data();
    void qtOwnTextsFollowTheLanguage();
    void platformTextsAreTranslated();
    void platformTextsFollowTheLanguage();

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
    // The system's 47 keys, the command line's and the application's own, each once.
    QVERIFY(textCatalogue().size() >= std::size_t(47));
    const QSet<QString> keys = catalogue();
    QCOMPARE(std::size_t(keys.size()), textCatalogue().size());
    QVERIFY2((keys - inTable).isEmpty(), qPrintable(QStringLiteral("missing from the table: ") + QStringList((keys - inTable).values()).join(u' ')));
    QVERIFY2((inTable - keys).isEmpty(), qPrintable(QStringLiteral("not in the catalogue: ") + QStringList((inTable - keys).values()).join(u' ')));
}

void tst_Catalogue::codeLooksUpOnlyCataloguedKeys()
{
    // Every literal key handed to localizedText anywhere in the application's sources, and
    // every literal handed to a function that looks its argument up (the sending code's
    // alerts take the key of their message).
    struct Forwarder {
        const char* file;      // where the function looks up its parameter
        const char* parameter; // the parameter's name there
        const char* call;      // a call's pattern, capturing the key
    };
    const Forwarder forwarders[] = {
        {"Sending.cpp", "messageKey", R"(showAlert\([^;,]*,\s*"([^"]*)\")"},
        {"DeviceSettingsDialog.cpp", "key", R"(\bphrase\(\s*"([^"]*)\")"},
        {"PositionTracking.cpp", "key", R"(withName\(\s*"([^"]*)\")"},
        {"FixQuality.cpp", "key", R"(withNumber\(\s*"([^"]*)\")"},
    };
    QList<QRegularExpression> lookups{QRegularExpression(QStringLiteral(R"(localizedText\(\s*"([^"]*)\")"))};
    for (const Forwarder& f : forwarders)
        lookups << QRegularExpression(QString::fromLatin1(f.call));
    const QRegularExpression byVariable(QStringLiteral(R"(localizedText\(\s*([A-Za-z_]\w*)\s*\))"));
    const QSet<QString> keys = catalogue();
    QStringList unknown;
    int found = 0;
    int forwarded = 0;
    for (const char* folder : {"app", "controls", "coords", "templates", "report", "map", "about", "platform"}) {
        QDirIterator it(QStringLiteral(QUORVEL_SOURCE_DIR "/") + QLatin1String(folder), {"*.cpp", "*.h"},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString source = QString::fromUtf8(f.readAll());
            for (int i = 0; i < lookups.size(); ++i) {
                for (auto m = lookups.at(i).globalMatch(source); m.hasNext();) {
                    const QString key = m.next().captured(1);
                    ++found;
                    forwarded += i > 0;
                    if (!keys.contains(key))
                        unknown << QStringLiteral("%1: %2").arg(it.fileName(), key);
                }
            }
            // A key looked up from a variable came from somewhere this test must also read.
            if (it.fileName().startsWith(QLatin1String("LocalizedText.")))
                continue;
            for (auto m = byVariable.globalMatch(source); m.hasNext();) {
                const QString parameter = m.next().captured(1);
                const bool known = std::any_of(std::begin(forwarders), std::end(forwarders), [&](const Forwarder& fw) {
                    return it.fileName() == QLatin1String(fw.file) && parameter == QLatin1String(fw.parameter);
                });
                if (!known)
                    unknown << QStringLiteral("%1: a key looked up from %2, whose callers this test does not read")
                                   .arg(it.fileName(), parameter);
            }
        }
    }
    QVERIFY(found > 15);
    QVERIFY(forwarded >= 10);
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

void tst_Catalogue::qtOwnTextsFollowTheLanguage_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("translated");
    QTest::newRow("Czech") << QLocale(QLocale::Czech, QLocale::CzechRepublic) << true;
    QTest::newRow("English needs none") << QLocale(QLocale::English, QLocale::UnitedStates) << false;
}

// A text field's own menu (Qt's texts, not ours) is in the user's language beside our table.
void tst_Catalogue::qtOwnTextsFollowTheLanguage()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, translated);
    QVERIFY(StringTable::load(locale.name().left(2)));
    StringTable::loadQtTexts(locale);
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text().section(u'\t', 0, 0); // without the shortcut
    StringTable::loadQtTexts(QLocale(QLocale::English));
    QVERIFY(texts.size() >= 5);
    QCOMPARE(texts.contains(QStringLiteral("&Copy")), !translated);
    QCOMPARE(texts.contains(QStringLiteral("&Paste")), !translated);
    // Ours are still there.
    QCOMPARE(localizedText("MAP_TABBAR_TITLE"), translated ? QStringLiteral("Mapa") : QStringLiteral("Map"));
}

// The platform's own texts (composers, picker, senders' errors) are looked up by their
// English text with tr(): each one in the sources has a Czech translation.
void tst_Catalogue::platformTextsAreTranslated()
{
    QFile ts(QStringLiteral(QUORVEL_SOURCE_DIR "/resources/i18n/quorvel_platform_cs.ts"));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QSet<QString> translated;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")
                 && xml.attributes().value(QLatin1String("type")) != QLatin1String("unfinished")) {
            if (!xml.readElementText().isEmpty())
                translated.insert(source);
        }
    }
    QVERIFY(!xml.hasError());
    // tr("..." "...") with C++ escapes, as the sources write them.
    const QRegularExpression call(QStringLiteral(R"re(\btr\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+)[,)])re"));
    const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QStringList untranslated;
    int found = 0;
    QDirIterator it(QStringLiteral(QUORVEL_SOURCE_DIR "/platform"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString code = QString::fromUtf8(f.readAll());
        for (auto m = call.globalMatch(code); m.hasNext();) {
            QString text;
            for (auto p = piece.globalMatch(m.next().captured(1)); p.hasNext();)
                text += p.next().captured(1);
            text.replace(QLatin1String("\\n"), QLatin1String("\n")).replace(QLatin1String("\\\""), QLatin1String("\""));
            ++found;
            if (!translated.contains(text))
                untranslated << QStringLiteral("%1: %2").arg(it.fileName(), text);
        }
    }
    QVERIFY(found > 50);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
}

void tst_Catalogue::platformTextsFollowTheLanguage()
{
    QVERIFY(StringTable::load(QStringLiteral("cs")));
    QCOMPARE(QCoreApplication::translate("TableViewCell", "Delete"), QStringLiteral("Smazat"));
    QCOMPARE(QCoreApplication::translate("QObject", "No SMTP server is set up."),
             QStringLiteral("Není nastaven žádný server SMTP."));
    QVERIFY(StringTable::load(QStringLiteral("en")));
    QCOMPARE(QCoreApplication::translate("TableViewCell", "Delete"), QStringLiteral("Delete"));
}

QTEST_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
