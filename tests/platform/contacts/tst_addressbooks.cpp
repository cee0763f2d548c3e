// The system's address books: Evolution Data Server started for real on a private bus
// (registry and address book factory, XDG folders of their own), contacts added through
// EBookClient, then read back and picked on the report screen; and KPeople's folder.

#include "platform/contacts/Contacts.h"
#include "platform/contacts/PeoplePicker.h"
#include "platform/foundation/DeviceSettings.h"
#include "report/QuorvelFirstViewController.h"
#include "support/SessionBus.h"
#include "support/TestSupport.h"

#include "platform/ui/SegmentedControl.h"

#include <QLineEdit>
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

struct Recorder : PeoplePickerNavigationControllerDelegate {
    QList<Person> chosen;
    void peoplePickerNavigationControllerDidCancel(PeoplePickerNavigationController*) override {}
    bool peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(PeoplePickerNavigationController*,
                                                                            const Person& p) override
    {
        chosen.append(p);
        return false;
    }
    bool peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(PeoplePickerNavigationController*,
                                                                            const Person&, PersonProperty, int) override
    {
        return false;
    }
};

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
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        QVERIFY(bus.start());
        // A second book whose backend does not exist: it is listed as enabled but cannot open.
        const QString sources = bus.environment.value(QStringLiteral("XDG_CONFIG_HOME")) + QStringLiteral("/evolution/sources");
        QVERIFY(QDir().mkpath(sources));
        QFile broken(sources + QStringLiteral("/broken-book.source"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("[Data Source]\nDisplayName=Broken book\nEnabled=true\nParent=\n\n"
                     "[Address Book]\nBackendName=no-such-backend\n");
        broken.close();
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
        QCOMPARE(people.size(), 3);
    }

    // EDS beside KPeople's folder, both picked from on the report screen.
    void pickedOnTheReportScreen()
    {
        QFile::remove(DeviceSettings::path());
        DeviceSettings::setValue(QStringLiteral("contacts"), QStringLiteral("folder"), QStringLiteral("/nonexistent"));
        QDir().mkpath(Contacts::kpeopleFolder());
        QFile kpeople(Contacts::kpeopleFolder() + QStringLiteral("/marta.vcf"));
        QVERIFY(kpeople.open(QIODevice::WriteOnly));
        // The same person as in EDS, and a damaged line, which is skipped.
        kpeople.write(QByteArray(cards[0]).replace("END:VCARD", "BROKEN LINE\nEND:VCARD"));
        kpeople.close();

        ReportServices services;
        services.canSendText = [] { return true; };
        services.canSendMail = [] { return true; };
        services.makePeoplePicker = [] { return std::make_unique<PeoplePickerNavigationController>(); };
        QuorvelFirstViewController screen(std::move(services));
        screen.loadViewIfNeeded();
        screen.MessageSegment->setSelectedSegmentIndex(0);
        screen.contactsButton->click();
        QPointer<PeoplePickerNavigationController> picker =
            qobject_cast<PeoplePickerNavigationController*>(screen.presentedViewController());
        QVERIFY(picker);
        QSignalSpy loaded(picker.data(), &PeoplePickerNavigationController::loaded);
        QVERIFY(loaded.wait(30000));
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

private:
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
        g_object_unref(registry);
    }

    Harness::SessionBus bus;
};

QTEST_MAIN(TestAddressBooks)
#include "tst_addressbooks.moc"
