// The system's address books: Evolution Data Server started for real on a private bus
// (registry and address book factory, XDG folders of their own), contacts added through
// EBookClient, then read back and picked on the report screen; and KPeople's folder. A
// second book left out in the settings dialog (or by hand in device.ini) is not read.

#include "platform/contacts/Contacts.h"
#include "platform/contacts/PeoplePicker.h"
#include "platform/devicesettings/DeviceSettingsDialog.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/LocalizedText.h"
#include "report/QuorvelFirstViewController.h"
#include "support/FakeKeyring.h"
#include "support/SessionBus.h"
#include "support/TestSupport.h"

#include "platform/ui/SegmentedControl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QPushButton>
#include <QListView>
#include <QtTest>

#pragma push_macro("signals")
#undef signals
#include <libebook/libebook.h>
#pragma pop_macro("signals")

namespace {

// The three people the tests add, as vCards.
const char* const cards[] = {
    "BEGIN:VCARD\nVERSION:3.0\nFN:Marta Three\nN:Three;Marta;;;\nTEL;TYPE=CELL:+420 700 000 001\n"
    "TEL;TYPE=HOME:+420 700 000 002\nTEL;TYPE=WORK:+420 700 000 003\nEMAIL:marta@example.org\nEND:VCARD",
    "BEGIN:VCARD\nVERSION:3.0\nFN:Otto Nomail\nN:Nomail;Otto;;;\nTEL:+49 30 123456\nEND:VCARD",
    "BEGIN:VCARD\nVERSION:3.0\nFN:Zdeněk Šťastný\nN:Šťastný;Zdeněk;;;\nEMAIL:zdenek@example.cz\n"
    "EMAIL;TYPE=WORK:z.stastny@prace.example\nEND:VCARD",
};
// The one person of the second book.
const char* const workCard = "BEGIN:VCARD\nVERSION:3.0\nFN:Petra Work\nTEL:+420 800 000 009\nEND:VCARD";

const Person* find(const QList<Person>& people, const QString& name)
{
    for (const Person& p : people)
        if (p.displayName() == name)
            return &p;
    return nullptr;
}

} // namespace

class TestAddressBooks : public QObject {
    Q_OBJECT
private:
    // The report screen's picker, once it has read every address book; null if it never did.
    static QPointer<PeoplePickerNavigationController> openPicker(QuorvelFirstViewController& screen)
    {
        screen.contactsButton->click();
        QPointer<PeoplePickerNavigationController> picker =
            qobject_cast<PeoplePickerNavigationController*>(screen.presentedViewController());
        if (!picker)
            return {};
        QSignalSpy loaded(picker.data(), &PeoplePickerNavigationController::loaded);
        return loaded.wait(30000) ? picker : nullptr;
    }

private slots:
    void initTestCase()
    {
        initTestEnvironment();
        QVERIFY(StringTable::load(QStringLiteral("en")));
        QVERIFY(bus.start());
        // A second book whose backend does not exist: it is listed as enabled but cannot open.
        const QString sources = bus.environment.value(QStringLiteral("XDG_CONFIG_HOME")) + QStringLiteral("/evolution/sources");
        QVERIFY(QDir().mkpath(sources));
        QFile broken(sources + QStringLiteral("/broken-book.source"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("[Data Source]\nDisplayName=Broken book\nEnabled=true\nParent=\n\n"
                     "[Address Book]\nBackendName=no-such-backend\n");
        broken.close();
        QFile work(sources + QStringLiteral("/work-book.source"));
        QVERIFY(work.open(QIODevice::WriteOnly));
        work.write("[Data Source]\nDisplayName=Work\nEnabled=true\nParent=local-stub\n\n"
                   "[Address Book]\nBackendName=local\n");
        work.close();
        QVERIFY(bus.startAddressBooks());
        addContacts();
    }

    void readsEveryEnabledBook()
    {
        Contacts::Cancellation cancel;
        LogCapture log;
        const QList<Person> people = Contacts::readEvolutionDataServer(cancel);
        const Person* marta = find(people, QStringLiteral("Marta Three"));
        QVERIFY(marta);
        QCOMPARE(marta->phoneNumbers,
                 (QStringList{"+420 700 000 001", "+420 700 000 002", "+420 700 000 003"}));
        QCOMPARE(marta->emailAddresses, QStringList{"marta@example.org"});
        QVERIFY(!marta->addressBook.isEmpty());
        const Person* otto = find(people, QStringLiteral("Otto Nomail"));
        QVERIFY(otto);
        QVERIFY(otto->emailAddresses.isEmpty());
        QCOMPARE(otto->phoneNumbers, QStringList{"+49 30 123456"});
        const Person* zdenek = find(people, QString::fromUtf8("Zdeněk Šťastný"));
        QVERIFY(zdenek);
        QCOMPARE(zdenek->givenName, QString::fromUtf8("Zdeněk"));
        QCOMPARE(zdenek->emailAddresses, (QStringList{"zdenek@example.cz", "z.stastny@prace.example"}));
        QVERIFY(zdenek->phoneNumbers.isEmpty());
        // The broken book costs one line, and the others are still read.
        QCOMPARE(log.lines().filter(QStringLiteral("Broken book")).size(), 1);
        QCOMPARE(people.size(), 4);
        const Person* petra = find(people, QStringLiteral("Petra Work"));
        QVERIFY(petra);
        QCOMPARE(petra->addressBook, QStringLiteral("Work"));
    }

    // [contacts] eds-skip as a person would write it: by name in any case, or by id.
    void leavesOutTheBooksNamedByHand_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("petra");
        QTest::addColumn<int>("brokenLogged");
        QTest::newRow("absent: every book") << QByteArray() << true << 1;
        QTest::newRow("empty: every book") << QByteArray("eds-skip=\n") << true << 1;
        QTest::newRow("by name") << QByteArray("eds-skip=Work\n") << false << 1;
        QTest::newRow("by name, other case, two") << QByteArray("eds-skip = work , Broken book\n") << false << 0;
        QTest::newRow("quoted, with a comma") << QByteArray("eds-skip=\"Broken book\", \"Not, there\"\n") << true << 0;
        QTest::newRow("by id") << QByteArray("eds-skip=work-book\n") << false << 1;
        QTest::newRow("a book that is not there") << QByteArray("eds-skip=Holidays\n") << true << 1;
    }

    void leavesOutTheBooksNamedByHand()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, petra);
        QFETCH(int, brokenLogged);
        writeIni("[contacts]\n" + line);
        Contacts::Cancellation cancel;
        LogCapture log;
        const QList<Person> people =
            Contacts::readEvolutionDataServer(cancel, Contacts::Choice::fromDeviceSettings().edsSkipped);
        QCOMPARE(find(people, QStringLiteral("Petra Work")) != nullptr, petra);
        QVERIFY(find(people, QStringLiteral("Marta Three")));
        QCOMPARE(log.lines().filter(QStringLiteral("Broken book")).size(), brokenLogged);
    }

    // The dialog lists every enabled book with a check; the one unchecked is saved as left
    // out (beside a hand-written one it could not list), and the picker does not read it.
    void chosenInTheDialogAndFollowedByThePicker()
    {
        writeIni("[contacts]\nuse-folder=false\nuse-kpeople=false\neds-skip=Old book\n");
        {
            DeviceSettingsDialog d(std::make_shared<FakeKeyring>());
            d.resize(360, 640);
            d.show();
            auto* sections = d.findChild<QTabWidget*>(QStringLiteral("sections"));
            sections->setCurrentWidget(d.findChild<QScrollArea*>(QStringLiteral("contactsTab")));
            QTRY_COMPARE_WITH_TIMEOUT(bookChecks(&d).size(), 3, 30000);
            QCOMPARE(checkState(&d), (QStringList{"+Broken book", "+Personal", "+Work"}));
            QVERIFY(d.findChild<QLabel*>(QStringLiteral("edsBooksStatus"))->isHidden());
            QCOMPARE(d.findChild<QLabel*>(QStringLiteral("edsBooksLabel"))->buddy(), bookChecks(&d).first());
            QCheckBox* work = bookChecks(&d).last();
            QTest::mouseClick(work, Qt::LeftButton, {}, QPoint(8, work->height() / 2));
            QVERIFY(!work->isChecked());
            if (const QByteArray dir = qgetenv("QUORVEL_SCREENSHOT_DIR"); !dir.isEmpty()) {
                QCoreApplication::processEvents();
                d.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/settings-contacts.png"));
            }
            QSignalSpy saved(&d, &DeviceSettingsDialog::saved);
            d.save();
            QTRY_COMPARE_WITH_TIMEOUT(saved.size(), 1, 5000);
        }
        QCOMPARE(DeviceSettings::listValue(QStringLiteral("contacts"), QStringLiteral("eds-skip")),
                 (QStringList{"Old book", "Work"}));
        {
            DeviceSettingsDialog again(std::make_shared<FakeKeyring>());
            QTRY_COMPARE_WITH_TIMEOUT(bookChecks(&again).size(), 3, 30000);
            QCOMPARE(checkState(&again), (QStringList{"+Broken book", "+Personal", "-Work"}));
        }

        QuorvelFirstViewController screen(reportServices());
        screen.loadViewIfNeeded();
        QPointer<PeoplePickerNavigationController> picker = openPicker(screen);
        QVERIFY(picker);
        QVERIFY(find(picker->people(), QStringLiteral("Marta Three")));
        QVERIFY(!find(picker->people(), QStringLiteral("Petra Work")));
        QCOMPARE(picker->people().size(), 3);
    }

    // EDS beside KPeople's folder, both picked from on the report screen.
    void pickedOnTheReportScreen()
    {
        QFile::remove(DeviceSettings::path());
        DeviceSettings::setValue(QStringLiteral("contacts"), QStringLiteral("folder"), QStringLiteral("/nonexistent"));
        DeviceSettings::setValue(QStringLiteral("contacts"), QStringLiteral("eds-skip"), QStringLiteral("Work"));
        QDir().mkpath(Contacts::kpeopleFolder());
        QFile kpeople(Contacts::kpeopleFolder() + QStringLiteral("/marta.vcf"));
        QVERIFY(kpeople.open(QIODevice::WriteOnly));
        // The same person as in EDS, and a damaged line, which is skipped.
        kpeople.write(QByteArray(cards[0]).replace("END:VCARD", "BROKEN LINE\nEND:VCARD"));
        kpeople.close();

        QuorvelFirstViewController screen(reportServices());
        screen.loadViewIfNeeded();
        screen.MessageSegment->setSelectedSegmentIndex(0);
        QPointer<PeoplePickerNavigationController> picker = openPicker(screen);
        QVERIFY(picker);
        // Marta once from each book.
        QCOMPARE(picker->people().size(), 4);
        if (const QByteArray dir = qgetenv("QUORVEL_SCREENSHOT_DIR"); !dir.isEmpty()) {
            picker->resize(360, 480);
            QCoreApplication::processEvents();
            picker->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/contact-picker-address-books.png"));
        }
        QTest::keyClicks(picker->findChild<QLineEdit*>(QStringLiteral("search")), QStringLiteral("marta"));
        QCOMPARE(picker->visiblePeople().size(), 2);
        // Non-ASCII search text (typed through an input method, which key clicks cannot do).
        picker->setSearchText(QString::fromUtf8("ŠŤAST"));
        QCOMPARE(picker->visiblePeople().size(), 1);
        // In e-mail mode the picked person's first address is the recipient.
        screen.MessageSegment->setSelectedSegmentIndex(1);
        auto* list = picker->findChild<QListView*>(QStringLiteral("people"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(screen.phoneNumber->text(), QStringLiteral("zdenek@example.cz"));
        QTRY_VERIFY(!picker);
    }

    // Last, as it adds a person: a synced card whose number hides a second recipient behind
    // blanks, and whose address carries a header line. Picked, neither reaches the field.
    void hostileContactPickedOnTheReportScreen()
    {
        QFile::remove(DeviceSettings::path());
        DeviceSettings::setValue(QStringLiteral("contacts"), QStringLiteral("folder"), QStringLiteral("/nonexistent"));
        DeviceSettings::setValue(QStringLiteral("contacts"), QStringLiteral("use-kpeople"), QStringLiteral("false"));
        const QByteArray number = "+1 900 555 0199" + QByteArray(120, ' ') + "\\, +420 601 123 456";
        addCard("BEGIN:VCARD\nVERSION:3.0\nFN:Mallory Hidden\nTEL:" + number
                + "\nEMAIL:mallory@example.org\\nBcc: evil@example.org\nEND:VCARD");
        // The book hands it over as it is; the picker is what checks.
        const Contacts::Cancellation cancel;
        const QList<Person> read = Contacts::readEvolutionDataServer(cancel);
        const Person* mallory = find(read, QStringLiteral("Mallory Hidden"));
        QVERIFY(mallory);
        QVERIFY(mallory->phoneNumbers.value(0).endsWith(QStringLiteral(", +420 601 123 456")));
        for (int kind : {0, 1}) {
            AlertPresenter::shared().dismissAll();
            QuorvelFirstViewController screen(reportServices());
            screen.loadViewIfNeeded();
            screen.MessageSegment->setSelectedSegmentIndex(kind);
            QPointer<PeoplePickerNavigationController> picker = openPicker(screen);
            QVERIFY(picker);
            picker->setSearchText(QStringLiteral("Mallory"));
            QCOMPARE(picker->visiblePeople().size(), 1);
            QVERIFY(picker->visiblePeople().at(0).phoneNumbers.isEmpty());
            picker->setSearchText(QStringLiteral("601"));
            QVERIFY(picker->visiblePeople().isEmpty());
            picker->setSearchText(QStringLiteral("Mallory"));
            auto* list = picker->findChild<QListView*>(QStringLiteral("people"));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
            QCOMPARE(screen.phoneNumber->text(), QStringLiteral("[None]"));
            AlertView* alert = AlertPresenter::shared().topAlert();
            QVERIFY(alert);
            QVERIFY2(alert->message().contains(kind == 0 ? QStringLiteral("U+002C") : QStringLiteral("name@example.org")),
                     qPrintable(alert->message()));
        }
        AlertPresenter::shared().dismissAll();
    }

private:
    // A report screen that can send both ways and opens the real picker.
    static ReportServices reportServices()
    {
        ReportServices services;
        services.canSendText = [] { return true; };
        services.canSendMail = [] { return true; };
        services.makePeoplePicker = [] { return std::make_unique<PeoplePickerNavigationController>(); };
        return services;
    }
    static void writeIni(const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(DeviceSettings::path()).absolutePath());
        QFile f(DeviceSettings::path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    static QList<QCheckBox*> bookChecks(QWidget* dialog)
    {
        QList<QCheckBox*> out;
        for (QCheckBox* c : dialog->findChildren<QCheckBox*>())
            if (c->objectName().startsWith(QLatin1String("edsBook:")))
                out.append(c);
        return out;
    }
    // "+Name" for a checked book, "-Name" for one left out, in the dialog's order.
    static QStringList checkState(QWidget* dialog)
    {
        QStringList out;
        for (const QCheckBox* c : bookChecks(dialog))
            out.append(QLatin1String(c->isChecked() ? "+" : "-") + c->accessibleName());
        return out;
    }

    // One more person in the built-in book.
    static void addCard(const QByteArray& card)
    {
        GError* error = nullptr;
        ESourceRegistry* registry = e_source_registry_new_sync(nullptr, &error);
        QVERIFY2(registry, error ? error->message : "");
        ESource* book = e_source_registry_ref_builtin_address_book(registry);
        EClient* client = e_book_client_connect_sync(book, 1, nullptr, &error);
        QVERIFY2(client, error ? error->message : "");
        EContact* contact = e_contact_new_from_vcard(card.constData());
        const gboolean added = e_book_client_add_contact_sync(E_BOOK_CLIENT(client), contact, E_BOOK_OPERATION_FLAG_NONE,
                                                              nullptr, nullptr, &error);
        g_object_unref(contact);
        g_object_unref(client);
        g_object_unref(book);
        g_object_unref(registry);
        QVERIFY2(added, error ? error->message : "");
    }

    void addContacts()
    {
        GError* error = nullptr;
        ESourceRegistry* registry = e_source_registry_new_sync(nullptr, &error);
        QVERIFY2(registry, error ? error->message : "");
        ESource* book = e_source_registry_ref_builtin_address_book(registry);
        QVERIFY(book);
        // The local book needs no wait for a network.
        EClient* client = e_book_client_connect_sync(book, 1, nullptr, &error);
        QVERIFY2(client, error ? error->message : "");
        for (const char* card : cards) {
            EContact* contact = e_contact_new_from_vcard(card);
            gchar* uid = nullptr;
            const gboolean added = e_book_client_add_contact_sync(E_BOOK_CLIENT(client), contact, E_BOOK_OPERATION_FLAG_NONE,
                                                                  &uid, nullptr, &error);
            g_free(uid);
            g_object_unref(contact);
            QVERIFY2(added, error ? error->message : "");
        }
        g_object_unref(client);
        g_object_unref(book);
        ESource* workBook = e_source_registry_ref_source(registry, "work-book");
        QVERIFY(workBook);
        EClient* work = e_book_client_connect_sync(workBook, 1, nullptr, &error);
        QVERIFY2(work, error ? error->message : "");
        EContact* petra = e_contact_new_from_vcard(workCard);
        const gboolean added = e_book_client_add_contact_sync(E_BOOK_CLIENT(work), petra, E_BOOK_OPERATION_FLAG_NONE,
                                                              nullptr, nullptr, &error);
        g_object_unref(petra);
        QVERIFY2(added, error ? error->message : "");
        g_object_unref(work);
        g_object_unref(workBook);
        g_object_unref(registry);
    }

    Harness::SessionBus bus;
};

QTEST_MAIN(TestAddressBooks)
#include "tst_addressbooks.moc"
