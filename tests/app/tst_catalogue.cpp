#include "app/TextCatalogue.h"
#include "platform/foundation/LocalizedText.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <algorithm>
#include <QLineEdit>
#include <QMenu>
#include <QProcessEnvironment>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {
// A C++ string literal's text as the program sees it (\n, \" and \\ written escaped).
QString unescaped(const QString& literal)
{
    QString out;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        if (literal.at(i) == u'\\' && i + 1 < literal.size()) {
            ++i;
            out += literal.at(i) == u'n' ? QChar(u'\n') : literal.at(i);
        } else {
            out += literal.at(i);
        }
    }
    return out;
}
} // namespace

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
    void platformTextsAreTranslated_data();
    void platformTextsAreTranslated();
    void platformTextsFollowTheLanguage();
    void translationsKeepTheirPlaceholders_data();
    void translationsKeepTheirPlaceholders();
    void preferredLanguageFollowsTheEnvironment_data();
    void preferredLanguageFollowsTheEnvironment();

private:
    static QSet<QString> catalogue();
    static void addTranslatedLanguages();
    // Source and translation of every message of a .ts file, in the file's order.
    static QList<std::pair<QString, QString>> messages(const QString& file);
};

void tst_Catalogue::addTranslatedLanguages()
{
    QTest::newRow("Czech") << "cs";
    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
    QTest::newRow("Spanish") << "es";
    QTest::newRow("Italian") << "it";
    QTest::newRow("Polish") << "pl";
    QTest::newRow("Brazilian Portuguese") << "pt_BR";
}

QList<std::pair<QString, QString>> tst_Catalogue::messages(const QString& file)
{
    QFile ts(QStringLiteral(QUORVEL_SOURCE_DIR "/resources/i18n/") + file);
    if (!ts.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&ts);
    QList<std::pair<QString, QString>> found;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message"))
            source = xml.attributes().value(QLatin1String("id")).toString();
        else if (xml.name() == QLatin1String("source") && source.isEmpty())
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")
                 && xml.attributes().value(QLatin1String("type")) != QLatin1String("unfinished"))
            found.append({source, xml.readElementText()});
    }
    return xml.hasError() ? QList<std::pair<QString, QString>>{} : found;
}

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
    addTranslatedLanguages();
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
    QTest::addColumn<QString>("mapTitle");
    QTest::newRow("Czech") << QLocale(QLocale::Czech, QLocale::CzechRepublic) << true << "Mapa";
    QTest::newRow("English needs none") << QLocale(QLocale::English, QLocale::UnitedStates) << false << "Map";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << true << "Karte";
    QTest::newRow("Polish") << QLocale(QLocale::Polish, QLocale::Poland) << true << "Mapa";
    QTest::newRow("Brazilian Portuguese, by its region") << QLocale(QLocale::Portuguese, QLocale::Brazil) << true << "Mapa";
}

// A text field's own menu (Qt's texts, not ours) is in the user's language beside our table.
void tst_Catalogue::qtOwnTextsFollowTheLanguage()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, translated);
    QFETCH(QString, mapTitle);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("LANG"), locale.name() + QStringLiteral(".UTF-8"));
    QVERIFY(StringTable::load(StringTable::preferredLanguage(environment)));
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
    QCOMPARE(localizedText("MAP_TABBAR_TITLE"), mapTitle);
}

void tst_Catalogue::platformTextsAreTranslated_data()
{
    QTest::addColumn<QString>("language");
    addTranslatedLanguages();
}

// The platform's own texts (composers, picker, senders' errors) are looked up by their
// English text with tr(): each one in the sources has a translation in every language.
void tst_Catalogue::platformTextsAreTranslated()
{
    QFETCH(QString, language);
    QSet<QString> translated;
    for (const auto& [source, translation] : messages(QStringLiteral("quorvel_platform_%1.ts").arg(language)))
        if (!translation.isEmpty())
            translated.insert(source);
    QVERIFY(!translated.isEmpty());
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
            text = unescaped(text);
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

void tst_Catalogue::translationsKeepTheirPlaceholders_data()
{
    // Texts that may read as in English: names, units and words the language took over.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("sameAsEnglish");
    const QStringList names{"QUORVEL", "QUORVEL_NAVBAR_TITLE", "GeoClue", "gpsd",
                            "Evolution Data Server (GNOME, Phosh)", "Modem",
                            "AccuracyMetres", "AccuracyKilometres"};
    QTest::newRow("Czech") << "cs" << names + QStringList{"E-mail", "Port", "STARTTLS (port 587)", "TLS (port 465)"};
    QTest::newRow("German") << "de" << names + QStringList{"QUORVEL_TABBAR_TITLE", "Problem", "Host", "Port", "Status", "Position %.5f, %.5f", "VERSION"};
    QTest::newRow("French") << "fr" << names + QStringList{"AMSL", "LATITUDE", "LONGITUDE", "QUORVEL_TABBAR_TITLE", "Contacts", "E-mail", "Port", "STARTTLS (port 587)", "TLS (port 465)", "Position %.5f, %.5f", "VERSION", "Message", "Contacts"};
    QTest::newRow("Spanish") << "es" << names + QStringList{"Error"};
    QTest::newRow("Italian") << "it" << names + QStringList{"Host", "E-mail", "Password"};
    QTest::newRow("Polish") << "pl" << names + QStringList{"Problem", "Host", "E-mail", "Port", "STARTTLS (port 587)", "TLS (port 465)"};
    QTest::newRow("Brazilian Portuguese") << "pt_BR" << names + QStringList{"AMSL", "LATITUDE", "LONGITUDE", "Host", "E-mail"};
}

// A translation that loses or adds a placeholder fills a message wrongly or not at all, and
// one left in English beside translated ones reads as forgotten.
void tst_Catalogue::translationsKeepTheirPlaceholders()
{
    QFETCH(QString, language);
    QFETCH(QStringList, sameAsEnglish);
    const QRegularExpression placeholder(QStringLiteral(R"(\[\]|\{[a-z]?\}|%\d|%@|%%|%[-+ 0#]*\d*(?:\.\d+)?[dufxs])"));
    const auto placeholders = [&](const QString& text) {
        QStringList found;
        for (auto m = placeholder.globalMatch(text); m.hasNext();)
            found << m.next().captured();
        found.sort();
        return found;
    };
    QHash<QString, QString> english;
    for (const auto& [key, text] : messages(QStringLiteral("quorvel_en.ts")))
        english.insert(key, text);
    QVERIFY(english.size() >= 47);
    QStringList wrong;
    const auto check = [&](const QString& source, const QString& sourceText, const QString& translation) {
        if (translation.trimmed().isEmpty())
            wrong << source + QStringLiteral(": empty");
        else if (placeholders(translation) != placeholders(sourceText))
            wrong << QStringLiteral("%1: %2 instead of %3").arg(source, placeholders(translation).join(u' '), placeholders(sourceText).join(u' '));
        else if (translation == sourceText && !sameAsEnglish.contains(source))
            wrong << source + QStringLiteral(": left in English");
    };
    const auto table = messages(QStringLiteral("quorvel_%1.ts").arg(language));
    QCOMPARE(table.size(), english.size());
    for (const auto& [key, translation] : table)
        check(key, english.value(key), translation);
    const auto platform = messages(QStringLiteral("quorvel_platform_%1.ts").arg(language));
    QVERIFY(platform.size() > 50);
    for (const auto& [source, translation] : platform)
        check(source, source, translation);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

void tst_Catalogue::preferredLanguageFollowsTheEnvironment_data()
{
    QTest::addColumn<QStringList>("variables"); // NAME=value
    QTest::addColumn<QString>("language");
    QTest::newRow("nothing set") << QStringList{} << "en";
    QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << "de";
    QTest::newRow("a regional variant reads its language") << QStringList{"LANG=de_AT.UTF-8"} << "de";
    QTest::newRow("a region with its own table") << QStringList{"LANG=pt_BR.UTF-8"} << "pt_BR";
    QTest::newRow("another region of that language has none") << QStringList{"LANG=pt_PT.UTF-8"} << "en";
    QTest::newRow("a modifier") << QStringList{"LANG=fr_FR@euro"} << "fr";
    QTest::newRow("a language without a table") << QStringList{"LANG=ja_JP.UTF-8"} << "en";
    QTest::newRow("LC_MESSAGES before LANG") << QStringList{"LANG=fr_FR.UTF-8", "LC_MESSAGES=es_ES.UTF-8"} << "es";
    QTest::newRow("LC_ALL before LC_MESSAGES") << QStringList{"LC_ALL=it_IT.UTF-8", "LC_MESSAGES=es_ES.UTF-8", "LANG=fr_FR.UTF-8"} << "it";
    QTest::newRow("an empty LC_ALL does not count") << QStringList{"LC_ALL=", "LANG=pl_PL.UTF-8"} << "pl";
    QTest::newRow("LANGUAGE before the locale") << QStringList{"LANGUAGE=fr", "LANG=de_DE.UTF-8"} << "fr";
    QTest::newRow("LANGUAGE's first language with a table") << QStringList{"LANGUAGE=sv:pl_PL:de", "LANG=en_US.UTF-8"} << "pl";
    QTest::newRow("LANGUAGE asks for English first") << QStringList{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"} << "en";
    QTest::newRow("LANGUAGE without a match, then the locale") << QStringList{"LANGUAGE=sv:nb", "LANG=cs_CZ.UTF-8"} << "cs";
    QTest::newRow("LANGUAGE does not count under the C locale") << QStringList{"LANGUAGE=de", "LC_ALL=C"} << "en";
    QTest::newRow("a tag with a hyphen and a lower-case region") << QStringList{"LANGUAGE=pt-br"} << "pt_BR";
}

void tst_Catalogue::preferredLanguageFollowsTheEnvironment()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, language);
    QProcessEnvironment environment;
    for (const QString& v : variables)
        environment.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
    QCOMPARE(StringTable::preferredLanguage(environment), language);
}

QTEST_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
