#include "report/Placeholders.h"
#include "report/QuorvelFirstViewController.h"
#include "templates/MessageUtils.h"
#include "templates/SettingsKeys.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/foundation/UserDefaults.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <QPushButton>

using Coordinates = std::optional<QStringList>;
using Locality = std::optional<QString>;
Q_DECLARE_METATYPE(Coordinates)
Q_DECLARE_METATYPE(Locality)

class tst_MessageComposition : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fill_data();
    void fill();
    void placeholdersNeverSpanALine_data();
    void placeholdersNeverSpanALine();
    void secondFillReplacesTheFirst();
    void fillLogsTheTextBeforeIt();
    void hugeMessagesStayLinearAndIntact();
    void linkPlaceholder_data();
    void linkPlaceholder();

    void loadSettingsChoosesTheText_data();
    void loadSettingsChoosesTheText();
    void loadSettingsSurvivesAMissingTemplate_data();
    void loadSettingsSurvivesAMissingTemplate();
    void loadSettingsLogsInOrder();

    void storeLastUsedMessage_data();
    void storeLastUsedMessage();
    void emptyMessageRemovesWithoutAFlush();
    void closingApplicationStoresOnce();

    void messageTypeSwitchesTheRecipientField();
    void onlyAChangedSegmentIsAChange_data();
    void onlyAChangedSegmentIsAChange();

private:
    QuorvelFirstViewController* screen_ = nullptr;
};

void tst_MessageComposition::initTestCase()
{
    initTestEnvironment();
    QVERIFY(StringTable::load(QStringLiteral("en")));
}

void tst_MessageComposition::init()
{
    resetStandardStore();
    screen_ = new QuorvelFirstViewController;
    screen_->loadViewIfNeeded();
}

void tst_MessageComposition::cleanup()
{
    delete screen_;
    screen_ = nullptr;
}

void tst_MessageComposition::fill_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Coordinates>("coordinates");
    QTest::addColumn<Locality>("locality");
    QTest::addColumn<QString>("expected");
    const Coordinates xy = QStringList{QStringLiteral("X"), QStringLiteral("Y")};
    const Coordinates prague = QStringList{QStringLiteral("N 50.0875"), QStringLiteral("E 14.4213")};
    const Locality oldTown = QStringLiteral("Old Town");

    QTest::newRow("template filled") << "At [] near {}." << prague << oldTown
                                     << "At [N 50.0875 E 14.4213] near {Old Town}.";
    QTest::newRow("two coordinate placeholders") << "[] and []" << xy << Locality() << "[X Y] and [X Y]";
    QTest::newRow("typed text inside is overwritten") << "Here [typed] {also typed}!" << xy << oldTown
                                                      << "Here [X Y] {Old Town}!";
    QTest::newRow("no placeholders") << "Plain text." << xy << oldTown << "Plain text.";
    QTest::newRow("empty text") << "" << xy << oldTown << "";
    QTest::newRow("empty locality empties the braces") << "{Old Town}" << Coordinates() << Locality(QString()) << "{}";
    QTest::newRow("no locality keeps the braces") << "[] {Old Town}" << xy << Locality() << "[X Y] {Old Town}";
    QTest::newRow("no coordinates keep the brackets") << "[old] {}" << Coordinates() << oldTown << "[old] {Old Town}";
    QTest::newRow("nesting is not recognized") << "[a [b] c]" << xy << Locality() << "[X Y] c]";
    QTest::newRow("unclosed bracket is text") << "x [ y" << xy << Locality() << "x [ y";
    QTest::newRow("closing before opening") << "] [ ]" << xy << Locality() << "] [X Y]";
    QTest::newRow("only delimiters") << "[[[]]]{{}}}" << xy << oldTown << "[X Y]]]{Old Town}}}";
    QTest::newRow("braces inside brackets") << "[{}]" << xy << oldTown << "[X Y]";
    QTest::newRow("dollar and backslash stay literal") << "[] {}" << Coordinates(QStringList{"$1", "\\0"})
                                                       << Locality("$0 \\ ${1}") << "[$1 \\0] {$0 \\ ${1}}";
    QTest::newRow("letters case does not matter") << "[ABC] {xyz}" << xy << oldTown << "[X Y] {Old Town}";
    QTest::newRow("non-ascii kept around") << "Jsem na [] poblíž {}. ☺" << xy << Locality("Staré Město")
                                           << "Jsem na [X Y] poblíž {Staré Město}. ☺";
}

void tst_MessageComposition::fill()
{
    QFETCH(QString, text);
    QFETCH(Coordinates, coordinates);
    QFETCH(Locality, locality);
    QFETCH(QString, expected);
    screen_->Message->setText(text);
    screen_->updateMessageTextWithCoordinates(coordinates, locality);
    QCOMPARE(screen_->Message->text(), expected);
}

void tst_MessageComposition::placeholdersNeverSpanALine_data()
{
    QTest::addColumn<QString>("terminator");
    QTest::newRow("LF") << QStringLiteral("\n");
    QTest::newRow("VT") << QStringLiteral("\v");
    QTest::newRow("FF") << QStringLiteral("\f");
    QTest::newRow("CR") << QStringLiteral("\r");
    QTest::newRow("CRLF") << QStringLiteral("\r\n");
    QTest::newRow("NEL U+0085") << QString(QChar(0x85));
    QTest::newRow("LS U+2028") << QString(QChar(0x2028));
    QTest::newRow("PS U+2029") << QString(QChar(0x2029));
}

void tst_MessageComposition::placeholdersNeverSpanALine()
{
    QFETCH(QString, terminator);
    const QString split = QStringLiteral("a [b") + terminator + QStringLiteral("c] {d") + terminator + QStringLiteral("e}");
    screen_->Message->setText(split);
    screen_->updateMessageTextWithCoordinates(QStringList{QStringLiteral("X"), QStringLiteral("Y")}, QStringLiteral("L"));
    QCOMPARE(screen_->Message->text(), split);

    // A placeholder on the next line is still found, and the terminator survives.
    const QString lines = QStringLiteral("[open") + terminator + QStringLiteral("[] {}") + terminator;
    screen_->Message->setText(lines);
    screen_->updateMessageTextWithCoordinates(QStringList{QStringLiteral("X"), QStringLiteral("Y")}, QStringLiteral("L"));
    QCOMPARE(screen_->Message->text(), QStringLiteral("[open") + terminator + QStringLiteral("[X Y] {L}") + terminator);
}

void tst_MessageComposition::secondFillReplacesTheFirst()
{
    screen_->Message->setText(QStringLiteral("At [] near {}."));
    screen_->updateMessageTextWithCoordinates(QStringList{"N 50.0875", "E 14.4213"}, QStringLiteral("Old Town"));
    screen_->updateMessageTextWithCoordinates(QStringList{"N 50.0876", "E 14.4215"}, QStringLiteral("Old Town"));
    QCOMPARE(screen_->Message->text(), QStringLiteral("At [N 50.0876 E 14.4215] near {Old Town}."));
}

void tst_MessageComposition::fillLogsTheTextBeforeIt()
{
    screen_->Message->setText(QStringLiteral("At []"));
    LogCapture log;
    screen_->updateMessageTextWithCoordinates(QStringList{"A", "B"}, QStringLiteral("L"));
    QCOMPARE(log.lines(), (QStringList{QStringLiteral("V POLI: updateMessageText"), QStringLiteral("textViewMessage: At []")}));
    log.clear();
    screen_->updateMessageTextWithCoordinates(std::nullopt, QStringLiteral("L"));
    QCOMPARE(log.lines(), QStringList{QStringLiteral("V POLI: updateMessageText")});
}

void tst_MessageComposition::hugeMessagesStayLinearAndIntact()
{
    // 1 MB with 10,000 placeholders, and 1 MB of unclosed delimiters on one line: both
    // would take minutes if each opening delimiter rescanned the line.
    QString many;
    for (int i = 0; i < 10000; ++i)
        many += QStringLiteral("[old %1] text {place} ").arg(i) + QString(70, QLatin1Char('.'));
    const QString filled = Placeholders::fillLocality(Placeholders::fillCoordinates(many, "A", "B"), "L");
    QCOMPARE(filled.count(QStringLiteral("[A B]")), 10000);
    QCOMPARE(filled.count(QStringLiteral("{L}")), 10000);

    const QString unclosed = QString(1 << 20, QLatin1Char('[')) + QStringLiteral("\n]");
    QCOMPARE(Placeholders::fillCoordinates(unclosed, "A", "B"), unclosed);
    const QString opened = QString(1 << 20, QLatin1Char('{'));
    QCOMPARE(Placeholders::fillLocality(opened, "L"), opened);
    const QString closedAtEnd = QString(1 << 20, QLatin1Char('[')) + QStringLiteral("]");
    QCOMPARE(Placeholders::fillCoordinates(closedAtEnd, "A", "B"), QStringLiteral("[A B]"));

    QString links;
    for (int i = 0; i < 10000; ++i)
        links += QStringLiteral("<old %1> ").arg(i) + QString(90, QLatin1Char('.'));
    const QString linked = Placeholders::fillLink(links, QStringLiteral("geo:1,2"));
    QCOMPARE(linked.count(QStringLiteral("<geo:1,2>")), 10000);
    QCOMPARE(Placeholders::removeMarkers(linked, QStringLiteral("geo:1,2")).count(u'<'), 0);
    const QString angles = QString(1 << 20, QLatin1Char('<'));
    QCOMPARE(Placeholders::fillLink(angles, QStringLiteral("geo:1,2")), angles);
}

void tst_MessageComposition::linkPlaceholder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fix");
    QTest::addColumn<QString>("expected");
    const QString link = QStringLiteral("<https://www.openstreetmap.org/?mlat=50.08746&mlon=14.42125#map=17/50.08746/14.42125>");
    QTest::newRow("filled") << "Map: <>" << true << "Map: " + link;
    QTest::newRow("beside the other kinds") << "[] {} <>" << true << "[X Y] {L} " + link;
    QTest::newRow("typed inside is overwritten, twice") << "<old> and <>" << true << link + " and " + link;
    QTest::newRow("no fix yet leaves it") << "Map: <>" << false << "Map: <>";
    QTest::newRow("unclosed on its line is text") << "a < b\n>" << true << "a < b\n>";
    QTest::newRow("closing before opening") << "> <" << true << "> <";
    QTest::newRow("inside brackets goes with them") << "[a <> b]" << true << "[X Y]";
    QTest::newRow("brackets inside it are overwritten") << "<[x]>" << true << link;
    QTest::newRow("no link placeholder, unchanged") << "x > y" << true << "x > y";
}

void tst_MessageComposition::linkPlaceholder()
{
    QFETCH(QString, text);
    QFETCH(bool, fix);
    QFETCH(QString, expected);
    if (fix) {
        Location location;
        location.coordinate = {50.087462, 14.421254};
        location.horizontalAccuracy = 8;
        screen_->lastLocation = location;
    }
    screen_->Message->setText(text);
    screen_->updateMessageTextWithCoordinates(QStringList{QStringLiteral("X"), QStringLiteral("Y")}, QStringLiteral("L"));
    QCOMPARE(screen_->Message->text(), expected);
    // Found again by the next fill, and emptied when stored.
    screen_->updateMessageTextWithCoordinates(QStringList{QStringLiteral("X"), QStringLiteral("Y")}, QStringLiteral("L"));
    QCOMPARE(screen_->Message->text(), expected);
    QCOMPARE(Placeholders::empty(screen_->Message->text()).contains(QLatin1String("openstreetmap")), false);
}

struct StoreSetup {
    std::optional<QString> last;
    std::optional<QString> lastUsedMessage;
    std::optional<QStringList> templates;
    qint64 selected = 0;
};
Q_DECLARE_METATYPE(StoreSetup)

void tst_MessageComposition::loadSettingsChoosesTheText_data()
{
    QTest::addColumn<StoreSetup>("setup");
    QTest::addColumn<QString>("expected");
    const QStringList three{QStringLiteral("T0 []"), QStringLiteral("T1 {}"), QStringLiteral("T2")};
    QTest::newRow("last restores the last message") << StoreSetup{"last", "Mine [] {}", three, 1} << "Mine [] {}";
    QTest::newRow("last without a message takes the template") << StoreSetup{"last", std::nullopt, three, 1} << "T1 {}";
    QTest::newRow("last with an empty message") << StoreSetup{"last", "", three, 2} << "T2";
    QTest::newRow("last with the text (null)") << StoreSetup{"last", "(null)", three, 0} << "T0 []";
    QTest::newRow("selected takes the template") << StoreSetup{"selected", "Mine", three, 2} << "T2";
    QTest::newRow("current keeps the text") << StoreSetup{"current", "Mine", three, 2} << "typed";
    QTest::newRow("absent keeps the text") << StoreSetup{std::nullopt, "Mine", three, 2} << "typed";
    QTest::newRow("unknown value keeps the text") << StoreSetup{"sideways", "Mine", three, 2} << "typed";
    QTest::newRow("no stored list creates the defaults") << StoreSetup{"selected", std::nullopt, std::nullopt, 0}
                                                         << "I am at [] near {}.";
}

void tst_MessageComposition::loadSettingsChoosesTheText()
{
    QFETCH(StoreSetup, setup);
    QFETCH(QString, expected);
    UserDefaults& store = UserDefaults::standardUserDefaults();
    if (setup.last) store.setString(*setup.last, SettingsKeys::Last);
    if (setup.lastUsedMessage) store.setString(*setup.lastUsedMessage, SettingsKeys::LastUsedMessage);
    if (setup.templates) store.setStringArray(*setup.templates, SettingsKeys::TemplatesArray);
    store.setInteger(setup.selected, SettingsKeys::SelectedTemplate);
    screen_->Message->setText(QStringLiteral("typed"));

    screen_->loadSettings();
    QCOMPARE(screen_->Message->text(), expected);
    QCOMPARE(store.stringForKey(SettingsKeys::Last), MessageSource::Current);
    // The request is honoured once: the next appearance keeps whatever is there.
    screen_->Message->setText(QStringLiteral("edited"));
    screen_->loadSettings();
    QCOMPARE(screen_->Message->text(), QStringLiteral("edited"));
    // Flushed: another reader sees "current".
    UserDefaults other(UserDefaults::standardPath());
    QCOMPARE(other.stringForKey(SettingsKeys::Last), MessageSource::Current);
}

void tst_MessageComposition::loadSettingsSurvivesAMissingTemplate_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QStringList>("templates");
    QTest::addColumn<qint64>("selected");
    QTest::newRow("selected on an empty list") << "selected" << QStringList() << qint64(0);
    QTest::newRow("last on an empty list") << "last" << QStringList() << qint64(0);
    QTest::newRow("index past the end") << "selected" << QStringList{"a", "b"} << qint64(2);
    QTest::newRow("negative index") << "last" << QStringList{"a", "b"} << qint64(-1);
}

void tst_MessageComposition::loadSettingsSurvivesAMissingTemplate()
{
    QFETCH(QString, request);
    QFETCH(QStringList, templates);
    QFETCH(qint64, selected);
    UserDefaults& store = UserDefaults::standardUserDefaults();
    store.setString(request, SettingsKeys::Last);
    store.setStringArray(templates, SettingsKeys::TemplatesArray);
    store.setInteger(selected, SettingsKeys::SelectedTemplate);
    screen_->Message->setText(QStringLiteral("kept [] {}"));
    LogCapture log;
    screen_->loadSettings();
    QCOMPARE(screen_->Message->text(), QStringLiteral("kept [] {}"));
    const auto said = std::ranges::count_if(log.lines(),
                                    [](const QString& l) { return l.startsWith(QLatin1String("FVC loadSettings: no template")); });
    QCOMPARE(said, 1);
    // The empty list is taken as it is, not replaced by the defaults.
    QCOMPARE(store.stringArrayForKey(SettingsKeys::TemplatesArray), templates);
}

void tst_MessageComposition::loadSettingsLogsInOrder()
{
    UserDefaults& store = UserDefaults::standardUserDefaults();
    store.setString(MessageSource::Last, SettingsKeys::Last);
    store.setStringArray({QStringLiteral("T0")}, SettingsKeys::TemplatesArray);
    LogCapture log;
    screen_->loadSettings();
    QCOMPARE(log.lines(), (QStringList{
                              QStringLiteral("V POLI: loadSettings"),
                              QStringLiteral("XXX MESSAGE_TYPE XXX: last"),
                              QStringLiteral("FVC loadSettings: templ_arr_key"),
                              QStringLiteral("aplikace se spustila. Posledni zprava: \"(null)\", vybrana sablona: 0"),
                              QStringLiteral("Setting message index to 0..."),
                              QStringLiteral("->adding T0 to message field"),
                              QStringLiteral("setting message type to: current"),
                          }));
}

void tst_MessageComposition::storeLastUsedMessage_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<std::optional<QString>>("stored");
    QTest::newRow("placeholders emptied") << "At [N 50.0876 E 14.4215] near {Old Town}."
                                          << std::optional<QString>("At [] near {}.");
    QTest::newRow("first default removes") << "I am at [N 1 E 2] near {X}." << std::optional<QString>();
    QTest::newRow("second default removes") << "Please pick me up here: [] ({Y})." << std::optional<QString>();
    QTest::newRow("a filled link is emptied") << "Map: <geo:50.1,14.4;u=8> [A B]" << std::optional<QString>("Map: <> []");
    QTest::newRow("third default is stored") << "I need help! My position is [A B], near {C}."
                                             << std::optional<QString>("I need help! My position is [], near {}.");
    QTest::newRow("markers only") << "[x]{y}][" << std::optional<QString>("[]{}][");
}

void tst_MessageComposition::storeLastUsedMessage()
{
    QFETCH(QString, message);
    QFETCH(std::optional<QString>, stored);
    UserDefaults::standardUserDefaults().setString(QStringLiteral("earlier"), SettingsKeys::LastUsedMessage);
    screen_->Message->setText(message);
    screen_->storeLastUsedMessage();
    UserDefaults other(UserDefaults::standardPath());
    QCOMPARE(other.stringForKey(SettingsKeys::LastUsedMessage), stored);
}

void tst_MessageComposition::emptyMessageRemovesWithoutAFlush()
{
    UserDefaults& store = UserDefaults::standardUserDefaults();
    store.setString(QStringLiteral("earlier"), SettingsKeys::LastUsedMessage);
    store.synchronize();
    screen_->Message->setText(QString());
    LogCapture log;
    screen_->storeLastUsedMessage();
    QCOMPARE(log.lines(), QStringList{QStringLiteral("Nothing to store")});
    QVERIFY(!store.stringForKey(SettingsKeys::LastUsedMessage));
    UserDefaults other(UserDefaults::standardPath());
    QCOMPARE(other.stringForKey(SettingsKeys::LastUsedMessage), QStringLiteral("earlier"));
}

void tst_MessageComposition::closingApplicationStoresOnce()
{
    screen_->loadSettings();
    screen_->loadSettings();
    screen_->loadSettings();
    QCOMPARE(NotificationCenter::defaultCenter().observerCount(QStringLiteral("closingApplication")), std::size_t(1));
    screen_->Message->setText(QStringLiteral("Custom [1 2] {3}"));
    LogCapture log;
    NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("closingApplication"));
    QCOMPARE(log.lines(), QStringList{QStringLiteral("Storing last used message: Custom [] {}")});
    delete screen_;
    screen_ = nullptr;
    NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("closingApplication"));
    QCOMPARE(NotificationCenter::defaultCenter().observerCount(QStringLiteral("closingApplication")), std::size_t(0));
}

void tst_MessageComposition::messageTypeSwitchesTheRecipientField()
{
    TextField* field = screen_->phoneNumber;
    field->setText(QStringLiteral("+420 777 123 456"));
    screen_->MessageSegment->setSelectedSegmentIndex(1);
    screen_->messageTypeChanged();
    QCOMPARE(field->text(), QString());
    QCOMPARE(field->placeholderText(), localizedText("contactEmail"));
    QCOMPARE(field->keyboardType(), KeyboardType::EmailAddress);

    field->setText(QStringLiteral("me@example.org"));
    screen_->MessageSegment->setSelectedSegmentIndex(0);
    screen_->messageTypeChanged();
    QCOMPARE(field->text(), QString());
    QCOMPARE(field->placeholderText(), localizedText("contactPhone"));
    QCOMPARE(field->keyboardType(), KeyboardType::PhonePad);

    // No segment selected: nothing changes.
    field->setText(QStringLiteral("kept"));
    screen_->MessageSegment->setSelectedSegmentIndex(-1);
    screen_->messageTypeChanged();
    QCOMPARE(field->text(), QStringLiteral("kept"));
}

void tst_MessageComposition::onlyAChangedSegmentIsAChange_data()
{
    // The user's own presses on the message type, from SMS selected.
    QTest::addColumn<QString>("presses"); // segment indexes, "c" for a click, "s" for Space
    QTest::addColumn<bool>("emptied");    // the typed recipient is gone
    QTest::newRow("click on the selected segment") << "c0" << false;
    QTest::newRow("Space on the selected segment") << "s0" << false;
    QTest::newRow("clicking it again and again") << "c0 c0 c0" << false;
    QTest::newRow("click on the other segment") << "c1" << true;
    QTest::newRow("Space on the other segment") << "s1" << true;
}

void tst_MessageComposition::onlyAChangedSegmentIsAChange()
{
    QFETCH(QString, presses);
    QFETCH(bool, emptied);
    screen_->show();
    // Laid out, as it is before anybody can click: the page that scrolls sizes its content
    // from the event loop.
    QVERIFY(QTest::qWaitForWindowExposed(screen_));
    screen_->MessageSegment->setSelectedSegmentIndex(0);
    screen_->phoneNumber->setText(QStringLiteral("+420 777 123 456"));
    const QList<QPushButton*> segments = screen_->MessageSegment->findChildren<QPushButton*>();
    QCOMPARE(segments.size(), 2);
    for (const QString& press : presses.split(u' ')) {
        QPushButton* segment = segments.at(press.mid(1).toInt());
        if (press.startsWith(u'c')) {
            QTest::mouseClick(segment, Qt::LeftButton);
        } else {
            segment->setFocus();
            QTest::keyClick(segment, Qt::Key_Space);
        }
    }
    QCOMPARE(screen_->phoneNumber->text(), emptied ? QString() : QStringLiteral("+420 777 123 456"));
    // After a real change, coming back is a change again.
    if (emptied) {
        screen_->phoneNumber->setText(QStringLiteral("me@example.org"));
        QTest::mouseClick(segments.at(0), Qt::LeftButton);
        QCOMPARE(screen_->phoneNumber->text(), QString());
    }
}

QTEST_MAIN(tst_MessageComposition)
#include "tst_messagecomposition.moc"
