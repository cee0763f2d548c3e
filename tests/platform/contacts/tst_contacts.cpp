// The vCard reader, the contacts folder and the contact picker.

#include "platform/contacts/Contacts.h"
#include "platform/contacts/ContactsLoader.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/contacts/PeoplePicker.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSemaphore>
#include <QtTest>
#include <sys/stat.h>

namespace {

const QString fixtures = QStringLiteral(QUORVEL_SOURCE_DIR "/tests/fixtures/contacts");

struct RecordingDelegate : PeoplePickerNavigationControllerDelegate {
    QList<Person> chosen;
    int cancelled = 0;
    void peoplePickerNavigationControllerDidCancel(PeoplePickerNavigationController*) override { ++cancelled; }
    bool peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(PeoplePickerNavigationController*,
                                                                            const Person& person) override
    {
        chosen.append(person);
        return false;
    }
    bool peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(PeoplePickerNavigationController*,
                                                                            const Person&, PersonProperty, int) override
    {
        return false;
    }
};

} // namespace

class TestContacts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("phones");
        QTest::addColumn<QStringList>("emails");
        QTest::addColumn<int>("problems");
        QTest::newRow("several TEL and EMAIL keep file order")
            << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nTEL;TYPE=HOME:1\r\nitem2.TEL:2\r\nTEL;PREF=1:3\r\n"
                          "EMAIL:a@x\r\nEMAIL;TYPE=WORK:b@x\r\nEND:VCARD\r\n")
            << "A" << QStringList{"1", "2", "3"} << QStringList{"a@x", "b@x"} << 0;
        QTest::newRow("folded line, UTF-8 split across the fold")
            << QByteArray("BEGIN:VCARD\nFN:Pe\n tr \xC5\r\n \xBD\x61\x62\x61\nEND:VCARD\n")
            << QString::fromUtf8("Petr Žaba") << QStringList() << QStringList() << 0;
        QTest::newRow("tab folding and lowercase names") << QByteArray("begin:vcard\nfn:Ja\n\tna\nemail:j@x\nend:vcard\n")
                                                        << "Jana" << QStringList() << QStringList{"j@x"} << 0;
        QTest::newRow("escapes") << QByteArray("BEGIN:VCARD\nFN:a\\, b\\; c\\\\d\\ne\nEND:VCARD\n") << "a, b; c\\d\ne"
                                 << QStringList() << QStringList() << 0;
        QTest::newRow("structured name when FN is missing")
            << QByteArray("BEGIN:VCARD\nN:Kr\xC3\xA1l;Karel;;;\nEND:VCARD\n") << QString::fromUtf8("Karel Král")
            << QStringList() << QStringList() << 0;
        QTest::newRow("4.0 tel URI and quoted parameter")
            << QByteArray("BEGIN:VCARD\nVERSION:4.0\nFN:P\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+420-602\nEND:VCARD\n")
            << "P" << QStringList{"+420-602"} << QStringList() << 0;
        QTest::newRow("2.1 quoted-printable with soft break and charset")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FCrgen\r\n"
                          "TEL;WORK;VOICE:+49 30\r\nEMAIL;INTERNET;QUOTED-PRINTABLE:j=\r\n@x\r\nEND:VCARD\r\n")
            << QString::fromUtf8("Jürgen Müller") << QStringList{"+49 30"} << QStringList{"j@x"} << 0;
        QTest::newRow("damaged lines skipped, the rest read")
            << QByteArray("BEGIN:VCARD\nFN:E\nNO COLON HERE\nTEL:1\n;:x\nB@D:y\nEMAIL:e@x\nEND:VCARD\n") << "E"
            << QStringList{"1"} << QStringList{"e@x"} << 3;
        QTest::newRow("empty values skipped") << QByteArray("BEGIN:VCARD\nFN:E\nTEL:\nEMAIL: \nEND:VCARD\n") << "E"
                                              << QStringList() << QStringList() << 2;
        QTest::newRow("missing END keeps the card") << QByteArray("BEGIN:VCARD\nFN:Last\nTEL:9") << "Last"
                                                    << QStringList{"9"} << QStringList() << 1;
        QTest::newRow("a line past the length limit is skipped")
            << QByteArray("BEGIN:VCARD\nFN:L\nTEL:") + QByteArray(VCard::maxLineLength, '9') + QByteArray("\nTEL:2\nEND:VCARD\n")
            << "L" << QStringList{"2"} << QStringList() << 1;
        QTest::newRow("folded past the length limit")
            << QByteArray("BEGIN:VCARD\nFN:L\nEMAIL:a") + QByteArray(VCard::maxLineLength / 2, 'a')
                   + QByteArray("\n ") + QByteArray(VCard::maxLineLength / 2, 'a') + QByteArray("@x\nEMAIL:b@x\nEND:VCARD\n")
            << "L" << QStringList() << QStringList{"b@x"} << 1;
        QTest::newRow("photo data is passed over")
            << QByteArray("BEGIN:VCARD\nFN:F\nPHOTO;ENCODING=b;TYPE=JPEG:AAAA\n BBBB\nTEL:5\nEND:VCARD\n") << "F"
            << QStringList{"5"} << QStringList() << 0;
    }

    void parse()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, name);
        QFETCH(QStringList, phones);
        QFETCH(QStringList, emails);
        QFETCH(int, problems);
        int reported = 0;
        const QList<Person> people = VCard::parse(data, [&reported](int line, const QString&) {
            QVERIFY(line > 0);
            ++reported;
        });
        QCOMPARE(people.size(), 1);
        QCOMPARE(people.at(0).displayName(), name);
        QCOMPARE(people.at(0).copyValue(PersonProperty::Phone), phones);
        QCOMPARE(people.at(0).copyValue(PersonProperty::Email), emails);
        QCOMPARE(reported, problems);
    }

    void cardStructure_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("nothing") << QByteArray() << QStringList();
        QTest::newRow("not a vCard") << QByteArray("hello\nworld\n") << QStringList();
        QTest::newRow("two cards") << QByteArray("BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\nEND:VCARD\n")
                                   << QStringList{"A", "B"};
        QTest::newRow("BEGIN inside a card closes the first")
            << QByteArray("BEGIN:VCARD\nFN:A\nBEGIN:VCARD\nFN:B\nEND:VCARD\n") << QStringList{"A", "B"};
        QTest::newRow("stray END ignored") << QByteArray("END:VCARD\nBEGIN:VCARD\nFN:A\nEND:VCARD\n") << QStringList{"A"};
    }

    void cardStructure()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, names);
        QStringList got;
        for (const Person& p : VCard::parse(data))
            got.append(p.displayName());
        QCOMPARE(got, names);
    }

    void readsTheFolderAndLogsDamage()
    {
        LogCapture log;
        const QList<Person> people = Contacts::readFolder(fixtures);
        QStringList names;
        for (const Person& p : people)
            names.append(p.displayName());
        QCOMPARE(names, (QStringList{QString::fromUtf8("Eva Svobodová"), QString::fromUtf8("Jana Nováková"),
                                     QString::fromUtf8("Jürgen Müller"), QString::fromUtf8("Karel Král"),
                                     QString::fromUtf8("Petr Dvořák")}));
        const Person& jana = people.at(1);
        QCOMPARE(jana.phoneNumbers,
                 (QStringList{"+420 601 111 111", "+420 541 222 222", "+420 541 333 333"}));
        QCOMPARE(jana.emailAddresses, (QStringList{"jana@example.org", "jana.novakova@work.example"}));
        QVERIFY(people.at(4).emailAddresses.isEmpty());
        QCOMPARE(people.at(4).phoneNumbers, QStringList{"+420-602-444-444"});
        QCOMPARE(people.at(0).phoneNumbers, QStringList{"+420 603 555 555"});
        QVERIFY(log.contains(QStringLiteral("Contacts: damaged.vcf line 4 skipped: no \":\" between name and value")));
        QVERIFY(log.contains(QStringLiteral("Contacts: damaged.vcf line 8 skipped: bad character in the property name")));
        QCOMPARE(log.lines().filter(QStringLiteral("damaged.vcf")).size(), 4);
    }

    void folderFromTheDeviceSettings()
    {
        QFile::remove(DeviceSettings::path());
        QCOMPARE(Contacts::folder(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                         + QStringLiteral("/quorvel/contacts"));
        QVERIFY(DeviceSettings::setValue(QStringLiteral("contacts"), QStringLiteral("folder"), fixtures));
        DeviceSettings::setValue(QStringLiteral("contacts"), QStringLiteral("use-eds"), false);
        QCOMPARE(Contacts::folder(), fixtures);
        // The file may hold a password: owner only.
        const QFile::Permissions mode = QFile::permissions(DeviceSettings::path());
        QVERIFY(mode.testFlags(QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(!(mode & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther)));
        PeoplePickerNavigationController picker(std::make_unique<ContactsLoader>(ContactsLoader::fromDeviceSettings()));
        QSignalSpy loaded(&picker, &PeoplePickerNavigationController::loaded);
        QVERIFY(loaded.wait(30000));
        QCOMPARE(picker.people().size(), 5);
        QFile::remove(DeviceSettings::path());
    }

    void missingFolderGivesAnEmptyPicker()
    {
        QVERIFY(Contacts::readFolder(QStringLiteral("/nonexistent/quorvel")).isEmpty());
        DeviceSettings::setValue(QStringLiteral("contacts"), QStringLiteral("folder"), QStringLiteral("/nonexistent/q"));
        DeviceSettings::setValue(QStringLiteral("contacts"), QStringLiteral("use-eds"), false);
        PeoplePickerNavigationController picker;
        picker.show();
        QTRY_VERIFY(!picker.isLoading());
        QVERIFY(picker.people().isEmpty());
        QVERIFY(picker.findChild<QLabel*>(QStringLiteral("emptyLabel"))->isVisible());
        QFile::remove(DeviceSettings::path());
    }


    // Whatever the pieces a file arrives in (a CRLF or a UTF-8 sequence split between two),
    // the people and the problems are those of the whole.
    void streamedInPiecesReadsAsWhole_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* f : {"three-phones.vcf", "damaged.vcf", "legacy-21.vcf", "no-email.vcf"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }

    void streamedInPiecesReadsAsWhole()
    {
        QFETCH(QString, file);
        QFile f(fixtures + u'/' + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        QStringList wholeProblems;
        const QList<Person> whole = VCard::parse(data, [&](int line, const QString& why) {
            wholeProblems.append(QString::number(line) + why);
        });
        for (qsizetype piece : {1, 2, 3, 7, 64}) {
            QStringList problems;
            VCard::Reader reader([&](int line, const QString& why) { problems.append(QString::number(line) + why); });
            for (qsizetype i = 0; i < data.size(); i += piece)
                reader.feed(QByteArrayView(data).sliced(i, std::min(piece, data.size() - i)));
            const QList<Person> got = reader.finish();
            QCOMPARE(got.size(), whole.size());
            for (qsizetype i = 0; i < got.size(); ++i) {
                QCOMPARE(got.at(i).displayName(), whole.at(i).displayName());
                QCOMPARE(got.at(i).phoneNumbers, whole.at(i).phoneNumbers);
                QCOMPARE(got.at(i).emailAddresses, whole.at(i).emailAddresses);
            }
            QCOMPARE(problems, wholeProblems);
        }
    }

    // A folder's reader and the picker list people in the same order.
    void oneOrderOfPeople_data()
    {
        QTest::addColumn<QStringList>("inFile");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("case does not set names apart") << QStringList{"bob", "anna", "Anna", "Bob"}
                                                        << QStringList{"anna", "Anna", "bob", "Bob"};
        QTest::newRow("numbers by their value") << QStringList{"Room 10", "Room 9", "Room 100"}
                                                 << QStringList{"Room 9", "Room 10", "Room 100"};
        QTest::newRow("the same name keeps its order") << QStringList{"Eva", "Adam", "Eva"}
                                                        << QStringList{"Adam", "Eva", "Eva"};
    }

    void oneOrderOfPeople()
    {
        QFETCH(QStringList, inFile);
        QFETCH(QStringList, listed);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("people.vcf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (qsizetype i = 0; i < inFile.size(); ++i)
            file.write("BEGIN:VCARD\nFN:" + inFile.at(i).toUtf8() + "\nTEL:" + QByteArray::number(i) + "\nEND:VCARD\n");
        file.close();
        auto names = [](const QList<Person>& people) {
            QStringList out;
            for (const Person& p : people)
                out.append(p.displayName());
            return out;
        };
        const QList<Person> read = Contacts::readFolder(dir.path());
        QCOMPARE(names(read), listed);
        QList<Person> shuffled = read;
        std::reverse(shuffled.begin(), shuffled.end());
        PeoplePickerNavigationController picker(shuffled);
        QCOMPARE(names(picker.people()).size(), listed.size());
        for (qsizetype i = 0; i < listed.size(); ++i)
            QCOMPARE(names(picker.people()).at(i).toCaseFolded(), listed.at(i).toCaseFolded());
    }

    // What does not belong in an address book folder is refused unread, with one line each,
    // and the good file beside it is still read.
    void refusesWhatIsNotAnAddressBook()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(fixtures + QStringLiteral("/three-phones.vcf"), dir.filePath(QStringLiteral("good.vcf"))));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("z.vcf"))));
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.vcf"))).constData(), 0600) == 0);
        QFile huge(dir.filePath(QStringLiteral("huge.vcf")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(Contacts::maxFileSize + 1));
        huge.close();
        // Many damaged lines: a few are logged, then how many more.
        QFile noise(dir.filePath(QStringLiteral("noise.vcf")));
        QVERIFY(noise.open(QIODevice::WriteOnly));
        noise.write(QByteArray("BEGIN:VCARD\nFN:Noisy\n") + QByteArray("x\n").repeated(200000) + "END:VCARD\n");
        noise.close();
        LogCapture log;
        const QList<Person> people = Contacts::readFolder(dir.path(), QStringLiteral("here"));
        QStringList names;
        for (const Person& p : people) {
            names.append(p.displayName());
            QCOMPARE(p.addressBook, QStringLiteral("here"));
        }
        QVERIFY(names.contains(QStringLiteral("Noisy")));
        QVERIFY(names.contains(QString::fromUtf8("Jana Nováková")));
        QVERIFY(log.contains(QStringLiteral("Contacts: z.vcf skipped: not a regular file")));
        QVERIFY(log.contains(QStringLiteral("Contacts: pipe.vcf skipped: not a regular file")));
        QVERIFY(log.contains(QStringLiteral("Contacts: huge.vcf skipped: larger than 64 MiB")));
        QCOMPARE(log.lines().filter(QStringLiteral("noise.vcf line")).size(), Contacts::maxLoggedProblems);
        QVERIFY(log.contains(QStringLiteral("Contacts: noise.vcf: %1 more lines skipped").arg(200000 - Contacts::maxLoggedProblems)));
    }

    // The picker opens before a slow book has answered, shows what the others gave, and
    // fills in; the same person in two books is listed once per book, a repeat within a
    // book once.
    void opensAtOnceAndFillsIn()
    {
        auto gate = std::make_shared<QSemaphore>();
        const QList<Person> folder = Contacts::readFolder(fixtures);
        QList<ContactsLoader::Source> sources;
        sources.append({QStringLiteral("quick"), [folder](const Contacts::Cancellation&) { return folder + folder; }});
        sources.append({QStringLiteral("slow"), [gate](const Contacts::Cancellation& cancel) {
                            while (!gate->tryAcquire(1, 20))
                                if (cancel.isCancelled())
                                    return QList<Person>();
                            Person p;
                            p.formattedName = QString::fromUtf8("Jana Nováková");
                            p.phoneNumbers = {QStringLiteral("+420 601 111 111")};
                            p.addressBook = QStringLiteral("slow");
                            return QList<Person>{p};
                        }});
        PeoplePickerNavigationController picker(std::make_unique<ContactsLoader>(sources));
        picker.show();
        QVERIFY(picker.isLoading());
        QTRY_COMPARE(picker.people().size(), folder.size());
        QVERIFY(picker.isLoading());
        // Still reading: said beneath the people already shown.
        QVERIFY(picker.findChild<QLabel*>(QStringLiteral("loadingLabel"))->isVisible());
        picker.setSearchText(QStringLiteral("jana"));
        QCOMPARE(picker.visiblePeople().size(), 1);
        QSignalSpy loaded(&picker, &PeoplePickerNavigationController::loaded);
        gate->release();
        QVERIFY(loaded.wait(10000));
        QCOMPARE(picker.visiblePeople().size(), 2);
        QVERIFY(!picker.isLoading());
        QVERIFY(!picker.findChild<QLabel*>(QStringLiteral("loadingLabel"))->isVisible());
    }

    // Closing the picker while a book is still being read stops the read.
    void closingStopsTheReads()
    {
        auto stopped = std::make_shared<std::atomic<bool>>(false);
        QList<ContactsLoader::Source> sources;
        sources.append({QStringLiteral("never"), [stopped](const Contacts::Cancellation& cancel) {
                            while (!cancel.isCancelled())
                                QThread::msleep(10);
                            *stopped = true;
                            return QList<Person>();
                        }});
        {
            PeoplePickerNavigationController picker(std::make_unique<ContactsLoader>(sources));
            QVERIFY(picker.isLoading());
        }
        QTRY_VERIFY(stopped->load());
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("everyone") << "" << 5;
        QTest::newRow("by name, any case") << "jana" << 1;
        QTest::newRow("by number") << "603" << 1;
        QTest::newRow("by address") << "example.org" << 3;
        QTest::newRow("nobody") << "zzz" << 0;
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        PeoplePickerNavigationController picker(Contacts::readFolder(fixtures));
        picker.show();
        picker.setSearchText(text);
        QCOMPARE(picker.visiblePeople().size(), count);
        QCOMPARE(picker.findChild<QLabel*>(QStringLiteral("emptyLabel"))->isVisible(), count == 0);
    }

    // Whatever a book holds, the picker hands over only values that are one number each.
    void pickedNumbersAreNumbers_data()
    {
        QTest::addColumn<QStringList>("held");
        QTest::addColumn<QStringList>("handed");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("a second recipient after many blanks")
            << QStringList{QStringLiteral("+1 900 555 0199") + QString(120, u' ') + QStringLiteral(", +420 601 123 456"),
                           "+420 602 000 111"}
            << QStringList{"+420 602 000 111"} << "U+002C";
        QTest::newRow("line break") << QStringList{"112\n+420 601"} << QStringList() << "U+000A";
        QTest::newRow("right-to-left override") << QStringList{QString::fromUtf8("\u202e112")} << QStringList() << "U+202E";
        QTest::newRow("only blanks") << QStringList{"   "} << QStringList() << "empty";
        QTest::newRow("blanks around dropped") << QStringList{" 112 "} << QStringList{"112"} << "";
    }

    void pickedNumbersAreNumbers()
    {
        QFETCH(QStringList, held);
        QFETCH(QStringList, handed);
        QFETCH(QString, refusal);
        Person person;
        person.formattedName = QStringLiteral("Mallory");
        person.phoneNumbers = held;
        PeoplePickerNavigationController picker(QList<Person>{person});
        RecordingDelegate delegate;
        picker.setPeoplePickerDelegate(&delegate);
        picker.setSearchText(QStringLiteral("601"));
        QVERIFY(picker.visiblePeople().isEmpty());
        picker.setSearchText(QString());
        picker.selectPerson(0);
        QCOMPARE(delegate.chosen.size(), 1);
        QCOMPARE(delegate.chosen.at(0).phoneNumbers, handed);
        QCOMPARE(delegate.chosen.at(0).refused.size(), refusal.isEmpty() ? 0 : 1);
        QVERIFY(delegate.chosen.at(0).refused.join(u' ').contains(refusal));
    }

    void choosingAndCancelling()
    {
        PeoplePickerNavigationController picker(Contacts::readFolder(fixtures));
        RecordingDelegate delegate;
        picker.setPeoplePickerDelegate(&delegate);
        picker.show();
        picker.setSearchText(QStringLiteral("Nov"));
        auto* list = picker.findChild<QListView*>(QStringLiteral("people"));
        QCOMPARE(list->model()->rowCount(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(delegate.chosen.size(), 1);
        QCOMPARE(delegate.chosen.at(0).phoneNumbers.size(), 3);
        QCOMPARE(delegate.cancelled, 0);
        picker.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        QCOMPARE(delegate.cancelled, 1);
        QCOMPARE(delegate.chosen.size(), 1);
        QTest::keyClick(&picker, Qt::Key_Escape);
        QCOMPARE(delegate.cancelled, 2);
    }

    // A reader blocked in a library call is stopped through what it watches: at once when the
    // read is cancelled already, never once it has stopped watching.
    void cancellationReachesWhatWatches_data()
    {
        QTest::addColumn<bool>("cancelFirst");
        QTest::addColumn<bool>("unwatchFirst");
        QTest::addColumn<int>("calls");
        QTest::newRow("cancelled while watched") << false << false << 1;
        QTest::newRow("cancelled before watching") << true << false << 1;
        QTest::newRow("cancelled after unwatching") << false << true << 0;
    }

    void cancellationReachesWhatWatches()
    {
        QFETCH(bool, cancelFirst);
        QFETCH(bool, unwatchFirst);
        QFETCH(int, calls);
        Contacts::Cancellation cancel;
        int called = 0;
        if (cancelFirst)
            cancel.cancel();
        cancel.watch([&called] { ++called; });
        if (unwatchFirst)
            cancel.watch({});
        if (!cancelFirst)
            cancel.cancel();
        QCOMPARE(called, calls);
        QVERIFY(cancel.isCancelled());
    }

    // Evolution Data Server is read through a module opened at the first read; its log lines
    // are the program's own, and without a bus nobody is listed.
    void addressBookModuleLogsThroughTheProgram()
    {
        const QByteArray saved = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        QTemporaryDir dir;
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(dir.filePath(QStringLiteral("no-bus"))));
        LogCapture log;
        Contacts::Cancellation cancel;
        const QList<Person> people = Contacts::readEvolutionDataServer(cancel);
        qputenv("DBUS_SESSION_BUS_ADDRESS", saved);
        QVERIFY(people.isEmpty());
        QVERIFY2(log.lines().filter(QStringLiteral("Contacts: Evolution Data Server is not reachable: ")).size() == 1,
                 qPrintable(log.lines().join(u'\n')));
    }
};

QTEST_MAIN(TestContacts)
#include "tst_contacts.moc"
