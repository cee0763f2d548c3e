// The report screen's sending and contact picking, with fake senders for the outcome rules
// and with the real composers over a loopback SMTP server and a stand-in modem.

#include "coords/MapLink.h"
#include "report/QuorvelFirstViewController.h"
#include "platform/ui/AlertView.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/contacts/PeoplePicker.h"
#include "platform/ui/SegmentedControl.h"
#include "support/SendingHarness.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <QUrl>
#include <QUrlQuery>

#include <cmath>

using namespace Harness;

class TestSending : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<FakeSmsSender::State> sms;
    std::shared_ptr<FakeMailSender::State> mail;
    QList<Person> people;
    std::unique_ptr<QuorvelFirstViewController> screen;

    ReportServices fakeServices()
    {
        ReportServices s;
        s.canSendText = [this] { return sms->available; };
        s.canSendMail = [this] { return mail->available; };
        s.makeMessageComposer = [this] {
            return std::make_unique<MessageComposeViewController>(std::make_unique<FakeSmsSender>(sms));
        };
        s.makeMailComposer = [this] {
            return std::make_unique<MailComposeViewController>(std::make_unique<FakeMailSender>(mail), drafts.path());
        };
        s.makePeoplePicker = [this] { return std::make_unique<PeoplePickerNavigationController>(people); };
        return s;
    }

    void makeScreen(ReportServices services)
    {
        screen = std::make_unique<QuorvelFirstViewController>(std::move(services));
        screen->loadViewIfNeeded();
        screen->MessageSegment->setSelectedSegmentIndex(0);
    }

    template <typename T>
    T* presented() const
    {
        return qobject_cast<T*>(screen->presentedViewController());
    }

    static void press(QDialog* dialog, const char* button)
    {
        QPushButton* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
        QVERIFY(b);
        QVERIFY(b->isEnabled());
        b->click();
    }

    static QColor labelColour(QLabel* label) { return label->palette().color(QPalette::WindowText); }
    // Black and gray on a light desktop: the theme's text and disabled-text colours.
    static QColor readinessColour(bool ready)
    {
        return QGuiApplication::palette().color(ready ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    }

    QTemporaryDir drafts;

private slots:
    void initTestCase()
    {
        initTestEnvironment();
        // Czech, so that a looked-up "Info" ("Informace") differs from the literal one.
        QVERIFY(StringTable::load(QStringLiteral("cs")));
        QVERIFY(localizedText("Info") != QLatin1String("Info"));
    }

    void init()
    {
        AlertPresenter::shared().dismissAll();
        sms = std::make_shared<FakeSmsSender::State>();
        mail = std::make_shared<FakeMailSender::State>();
        people.clear();
        makeScreen(fakeServices());
    }

    void cleanup()
    {
        AlertPresenter::shared().dismissAll();
        screen.reset();
    }

    void markersAreRemovedBeforeSending_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("recipient"); // handed over as typed: the composer's field shows it
        QTest::newRow("filled placeholders, sms") << 0 << "At [49.1 N 16.5 E] near {Town}" << "At 49.1 N 16.5 E near Town"
                                                  << " +420 123 ";
        QTest::newRow("filled placeholders, e-mail") << 1 << "At [49.1 N 16.5 E] near {Town}"
                                                     << "At 49.1 N 16.5 E near Town" << " jana@example.org";
        QTest::newRow("only markers gives an empty body") << 0 << "[]{}[{]}" << "" << "+420 123";
        QTest::newRow("typed brackets go, other brackets and line breaks stay")
            << 1 << "a (b) <c> [d]\n{e}  f" << "a (b) <c> d\ne  f" << "jana@example.org";
        QTest::newRow("blanks and line breaks at the ends stay") << 0 << "  [x] {y}\n\n" << "  x y\n\n" << "+420 123";
        QTest::newRow("markers in the recipient are not the message's") << 0 << "[x]" << "x" << "[+420] {123}";
        QTest::newRow("an empty link placeholder goes, typed angles stay") << 0 << "<> a < b >\n<c" << " a < b >\n<c"
                                                                          << "+420 123";
    }

    void markersAreRemovedBeforeSending()
    {
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(QString, body);
        QFETCH(QString, recipient);
        LogCapture log;
        screen->MessageSegment->setSelectedSegmentIndex(kind);
        screen->Message->setText(message);
        screen->phoneNumber->setText(recipient);
        screen->sendSMS(screen->sendButton);
        QVERIFY(log.contains(QStringLiteral("Message to send: ") + body));
        QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());
        // The composers tidy what they show (recipients trimmed); their raw fields show
        // what the screen handed over.
        QDialog* composer = kind == 0 ? static_cast<QDialog*>(presented<MessageComposeViewController>())
                                      : static_cast<QDialog*>(presented<MailComposeViewController>());
        QVERIFY(composer);
        QVERIFY(composer->isVisible());
        auto* bodyField = composer->findChild<QPlainTextEdit*>(QStringLiteral("body"));
        auto* recipientField = composer->findChild<QLineEdit*>(kind == 0 ? QStringLiteral("recipients") : QStringLiteral("to"));
        QVERIFY(bodyField && recipientField);
        QCOMPARE(bodyField->toPlainText(), body);
        QCOMPARE(recipientField->text(), recipient);
        if (kind == 1)
            QCOMPARE(presented<MailComposeViewController>()->subject(), localizedText("EmailSubject"));
    }

    void linkInTheSentMessageOpensTheFix_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("OpenStreetMap") << int(MapLink::Kind::OpenStreetMap);
        QTest::newRow("geo URI") << int(MapLink::Kind::Geo);
        QTest::newRow("plus code") << int(MapLink::Kind::PlusCode);
    }

    void linkInTheSentMessageOpensTheFix()
    {
        QFETCH(int, kind);
        QVERIFY(MapLink::choose(MapLink::Kind(kind)));
        auto restore = qScopeGuard([] { MapLink::choose(MapLink::Kind::OpenStreetMap); });
        const double latitude = -33.868812;
        const double longitude = 151.209274;
        Location fix;
        fix.coordinate = {latitude, longitude};
        fix.horizontalAccuracy = 6.5;
        fix.timestamp = QDateTime::currentDateTimeUtc();
        screen->Message->setText(QStringLiteral("Help! [] <> (3 < 4)"));
        screen->locationManagerDidUpdateToLocation(nullptr, fix, std::nullopt);
        screen->phoneNumber->setText(QStringLiteral("+420 123"));
        screen->sendSMS(screen->sendButton);
        auto* composer = presented<MessageComposeViewController>();
        QVERIFY(composer);
        const QString body = composer->findChild<QPlainTextEdit*>(QStringLiteral("body"))->toPlainText();
        QVERIFY2(body.endsWith(QLatin1String(" (3 < 4)")), qPrintable(body));
        const QString link = body.section(u' ', -4, -4);
        QVERIFY2(!link.contains(u'<') && !link.contains(u'>'), qPrintable(body));
        // The link read back as the recipient's phone would, pointing at the fix.
        double lat = 0;
        double lon = 0;
        double tolerance = 1e-5;
        if (kind == int(MapLink::Kind::OpenStreetMap)) {
            const QUrlQuery query{QUrl(link)};
            lat = query.queryItemValue(QStringLiteral("mlat")).toDouble();
            lon = query.queryItemValue(QStringLiteral("mlon")).toDouble();
        } else if (kind == int(MapLink::Kind::Geo)) {
            QVERIFY(link.startsWith(QLatin1String("geo:")));
            const QStringList parts = link.mid(4).split(u';');
            lat = parts.value(0).section(u',', 0, 0).toDouble();
            lon = parts.value(0).section(u',', 1, 1).toDouble();
            QCOMPARE(parts.value(1), QStringLiteral("u=7"));
        } else {
            // The south-west corner of the code's cell, decoded digit by digit.
            const QString digits = QString(link).remove(u'+');
            QCOMPARE(digits.size(), 10);
            const QString alphabet = QStringLiteral("23456789CFGHJMPQRVWX");
            double step = 20;
            lat = -90;
            lon = -180;
            for (int i = 0; i < 10; i += 2, step /= 20) {
                lat += alphabet.indexOf(digits.at(i)) * step;
                lon += alphabet.indexOf(digits.at(i + 1)) * step;
            }
            lat += step * 10; // the cell's centre, half of 1/8000 degree
            lon += step * 10;
            tolerance = 0.000125;
        }
        QVERIFY2(std::abs(lat - latitude) < tolerance && std::abs(lon - longitude) < tolerance, qPrintable(link));
    }

    void doubtfulPositionAsksFirst_data()
    {
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<QString>("question"); // empty: sent at once
        const QString coarse = localizedText("CoarseSendMessage");
        const QString stale = localizedText("StaleSendMessage");
        QTest::newRow("a good fix is sent at once") << 8.0 << 10 << QString();
        QTest::newRow("unknown accuracy is not coarse") << -1.0 << 0 << QString();
        QTest::newRow("exactly 1 km is not coarse") << 1000.0 << 0 << QString();
        QTest::newRow("under 5 min is not stale") << 8.0 << 290 << QString();
        QTest::newRow("a Wi-Fi guess asks, naming its accuracy")
            << 2400.0 << 0 << coarse.arg(localizedText("AccuracyKilometres").arg(QStringLiteral("2.4")));
        QTest::newRow("an old fix asks, naming its age")
            << 8.0 << 610 << stale.arg(localizedText("FixAgeMinutes").arg(10));
        QTest::newRow("coarse and old names the accuracy")
            << 40000.0 << 4000 << coarse.arg(localizedText("AccuracyKilometres").arg(40));
    }

    void doubtfulPositionAsksFirst()
    {
        QFETCH(double, accuracy);
        QFETCH(int, ageSeconds);
        QFETCH(QString, question);
        Location fix;
        fix.coordinate = {50.0875, 14.4213};
        fix.horizontalAccuracy = accuracy;
        fix.timestamp = QDateTime::currentDateTimeUtc().addSecs(-ageSeconds);
        screen->lastLocation = fix;
        screen->Message->setText(QStringLiteral("Help [x]"));
        screen->phoneNumber->setText(QStringLiteral("+420 123"));
        screen->sendSMS(screen->sendButton);
        if (question.isEmpty()) {
            QVERIFY(presented<MessageComposeViewController>());
            QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());
            return;
        }
        QVERIFY(!presented<MessageComposeViewController>());
        QCOMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
        AlertView* ask = AlertPresenter::shared().topAlert();
        QCOMPARE(ask->title(), localizedText("CheckSendTitle"));
        QCOMPARE(ask->message(), question);
        QCOMPARE(ask->buttonTitles(), (QStringList{localizedText("DemoSendNo"), localizedText("CheckSendYes")}));
        screen->sendSMS(screen->sendButton); // asked once, not twice
        QCOMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
        ask->clickButtonAtIndex(0);
        QVERIFY(!presented<MessageComposeViewController>());
        screen->sendSMS(screen->sendButton);
        AlertPresenter::shared().topAlert()->clickButtonAtIndex(1);
        QVERIFY(presented<MessageComposeViewController>());
    }

    void otherMessageKindOnlyLogs()
    {
        LogCapture log;
        screen->MessageSegment->setSelectedSegmentIndex(-1);
        screen->Message->setText(QStringLiteral("[x]"));
        screen->sendSMS(nullptr);
        QVERIFY(log.contains(QStringLiteral("Message to send: x")));
        QVERIFY(!screen->presentedViewController());
        QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());
    }

    void notConfiguredShowsAlert_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("messageKey");
        QTest::newRow("no sms sender") << 0 << "DeviceNotConfigured";
        QTest::newRow("no mail account") << 1 << "DeviceNotConfiguredEmail";
    }

    void notConfiguredShowsAlert()
    {
        QFETCH(int, kind);
        QFETCH(QString, messageKey);
        sms->available = false;
        mail->available = false;
        screen->MessageSegment->setSelectedSegmentIndex(kind);
        screen->phoneNumber->setText(QStringLiteral("x"));
        screen->sendSMS(nullptr);
        QVERIFY(!screen->presentedViewController());
        AlertView* alert = AlertPresenter::shared().topAlert();
        QVERIFY(alert);
        QCOMPARE(alert->title(), localizedText("Error"));
        QCOMPARE(alert->message(), localizedText(messageKey.toLatin1().constData()));
        QCOMPARE(alert->buttonTitles(), QStringList{QStringLiteral("OK")});
        QCOMPARE(screen->phoneNumber->text(), QStringLiteral("x"));
    }

    void smsOutcome_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("messageKey");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("cancelled: looked-up Info") << 0 << localizedText("Info") << "SMSSendingCanceled" << false;
        QTest::newRow("sent: literal Info, recipient emptied") << 1 << "Info" << "SMSSent" << true;
        QTest::newRow("failed: looked-up Error") << 2 << localizedText("Error") << "SMSSendingFailed" << false;
        QTest::newRow("unknown result: literal Info") << 7 << "Info" << "SMSNotSent" << false;
    }

    void smsOutcome()
    {
        QFETCH(int, result);
        QFETCH(QString, title);
        QFETCH(QString, messageKey);
        QFETCH(bool, emptied);
        screen->phoneNumber->setText(QStringLiteral("123"));
        screen->Message->setText(QStringLiteral("hi"));
        screen->textFieldShouldEndEditing(screen->phoneNumber);
        screen->sendSMS(nullptr);
        QPointer<MessageComposeViewController> composer = presented<MessageComposeViewController>();
        QVERIFY(composer);
        screen->messageComposeViewControllerDidFinishWithResult(composer, result);
        QCOMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
        AlertView* alert = AlertPresenter::shared().topAlert();
        QCOMPARE(alert->title(), title);
        QCOMPARE(alert->message(), localizedText(messageKey.toLatin1().constData()));
        QCOMPARE(alert->buttonTitles(), QStringList{QStringLiteral("OK")});
        QCOMPARE(screen->phoneNumber->text(), emptied ? QString() : QStringLiteral("123"));
        // Emptying the recipient leaves the send button as it was.
        QVERIFY(screen->sendButton->isEnabled());
        QVERIFY(!screen->presentedViewController());
        QTRY_VERIFY(!composer);
    }

    void mailOutcome_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("withError");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("cancelled") << 0 << false << localizedText("Info") << localizedText("EmailSendingCanceled") << false;
        QTest::newRow("saved empties the recipient") << 1 << false << "Info" << localizedText("EmailSaved") << true;
        QTest::newRow("sent") << 2 << false << "Info" << localizedText("EmailSent") << true;
        QTest::newRow("failed uses the sms failure text") << 3 << false << localizedText("Error")
                                                          << localizedText("SMSSendingFailed") << false;
        QTest::newRow("unknown result") << 9 << false << "Info" << localizedText("EmailNotSent") << false;
        QTest::newRow("error with sent: only the error") << 2 << true << "Email error" << "disk on fire" << false;
        QTest::newRow("error with failed") << 3 << true << "Email error" << "disk on fire" << false;
    }

    void mailOutcome()
    {
        QFETCH(int, result);
        QFETCH(bool, withError);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(bool, emptied);
        screen->MessageSegment->setSelectedSegmentIndex(1);
        screen->phoneNumber->setText(QStringLiteral("a@b.c"));
        screen->sendSMS(nullptr);
        QPointer<MailComposeViewController> composer = presented<MailComposeViewController>();
        QVERIFY(composer);
        const ComposeError error(ComposeError::SendFailed, QStringLiteral("disk on fire"));
        screen->mailComposeControllerDidFinishWithResult(composer, result, withError ? &error : nullptr);
        QCOMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
        AlertView* alert = AlertPresenter::shared().topAlert();
        QCOMPARE(alert->title(), title);
        QCOMPARE(alert->message(), message);
        QCOMPARE(alert->buttonTitles(), QStringList{QStringLiteral("OK")});
        QCOMPARE(alert->delegate() == screen.get(), withError);
        QCOMPARE(screen->phoneNumber->text(), emptied ? QString() : QStringLiteral("a@b.c"));
        QVERIFY(!screen->presentedViewController());
        QTRY_VERIFY(!composer);
    }

    void composersReportThroughTheScreen_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("succeed");
        QTest::addColumn<QString>("message");
        QTest::newRow("sms sent") << 0 << "sendButton" << true << localizedText("SMSSent");
        QTest::newRow("sms failed") << 0 << "sendButton" << false << localizedText("SMSSendingFailed");
        QTest::newRow("sms cancelled") << 0 << "cancelButton" << true << localizedText("SMSSendingCanceled");
        QTest::newRow("mail sent") << 1 << "sendButton" << true << localizedText("EmailSent");
        QTest::newRow("mail failed carries its error") << 1 << "sendButton" << false << "server said no";
        QTest::newRow("mail saved") << 1 << "saveButton" << true << localizedText("EmailSaved");
    }

    void composersReportThroughTheScreen()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        QFETCH(bool, succeed);
        QFETCH(QString, message);
        sms->succeed = succeed;
        mail->succeed = succeed;
        screen->MessageSegment->setSelectedSegmentIndex(kind);
        // The SMS composer sends only to what is a phone number.
        screen->phoneNumber->setText(kind == 0 ? QStringLiteral("+420 601 123 456") : QStringLiteral("someone@example.org"));
        screen->Message->setText(QStringLiteral("Here [1 2]"));
        screen->sendSMS(nullptr);
        QDialog* composer = screen->presentedViewController();
        QVERIFY(composer);
        press(composer, button.toLatin1().constData());
        QTRY_COMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
        QCOMPARE(AlertPresenter::shared().topAlert()->message(), message);
        QVERIFY(!screen->presentedViewController());
        if (kind == 0 && button == QLatin1String("sendButton"))
            QCOMPARE(sms->sent.value(0).second, QStringLiteral("Here 1 2"));
        if (kind == 1 && button == QLatin1String("sendButton"))
            QCOMPARE(mail->sent.value(0).body, QStringLiteral("Here 1 2"));
        if (button == QLatin1String("saveButton"))
            QCOMPARE(QDir(drafts.path()).entryList({QStringLiteral("*.eml")}).size(), 1);
        // One outcome only: nothing more arrives later.
        QTest::qWait(50);
        QCOMPARE(AlertPresenter::shared().visibleAlerts().size(), 1);
    }

    void pickingAContact_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("enabledBefore");
        QTest::addColumn<int>("person");
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<bool>("enabledAfter");
        QTest::newRow("three numbers, sms: the first") << 0 << false << 0 << "+420 111" << true;
        QTest::newRow("e-mail mode takes the first address") << 1 << false << 0 << "jana@example.org" << true;
        QTest::newRow("no e-mail: [None], enabled button stays") << 1 << true << 1 << "[None]" << true;
        QTest::newRow("no e-mail: [None], disabled button stays") << 1 << false << 1 << "[None]" << false;
    }

    void pickingAContact()
    {
        QFETCH(int, kind);
        QFETCH(bool, enabledBefore);
        QFETCH(int, person);
        QFETCH(QString, recipient);
        QFETCH(bool, enabledAfter);
        Person jana;
        jana.formattedName = QStringLiteral("Jana");
        jana.phoneNumbers = {QStringLiteral("+420 111"), QStringLiteral("+420 222"), QStringLiteral("+420 333")};
        jana.emailAddresses = {QStringLiteral("jana@example.org"), QStringLiteral("j@example.org")};
        Person petr;
        petr.formattedName = QStringLiteral("Petr");
        petr.phoneNumbers = {QStringLiteral("+420 444")};
        people = {jana, petr};
        screen->MessageSegment->setSelectedSegmentIndex(kind);
        screen->phoneNumber->setText(enabledBefore ? QStringLiteral("x") : QString());
        screen->textFieldShouldEndEditing(screen->phoneNumber);
        screen->contactButton(screen->contactsButton);
        QPointer<PeoplePickerNavigationController> picker = presented<PeoplePickerNavigationController>();
        QVERIFY(picker);
        QCOMPARE(picker->people().size(), 2);
        picker->selectPerson(person);
        QCOMPARE(screen->phoneNumber->text(), recipient);
        QCOMPARE(screen->sendButton->isEnabled(), enabledAfter);
        QCOMPARE(labelColour(screen->SMSLabel), readinessColour(enabledAfter));
        QVERIFY(!screen->presentedViewController());
        QTRY_VERIFY(!picker);
    }

    // A value of the book that could add or hide a recipient never reaches the field.
    void pickingAHostileContact_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("refusal"); // part of the alert; empty: no alert
        const QString hidden = QStringLiteral("+1 900 555 0199") + QString(120, u' ') + QStringLiteral(", +420 601 123 456");
        QTest::newRow("a second number after blanks") << 0 << QStringList{hidden} << "[None]" << "U+002C";
        QTest::newRow("the next number serves") << 0 << QStringList{"112\n113", "+420 555"} << "+420 555" << "";
        QTest::newRow("an address with a line break")
            << 1 << QStringList{"mallory@example.org\r\nBcc: evil@example.org"} << "[None]" << "name@example.org";
        QTest::newRow("a name with quotes, commas and <>")
            << 1 << QStringList{"\"Evil, \\\"Boss\\\"\" <evil@example.org>, x@example.org"} << "[None]"
            << "name@example.org";
        QTest::newRow("the next address serves") << 1 << QStringList{"two@ex ample.org", "ok@example.org"}
                                                 << "ok@example.org" << "";
    }

    void pickingAHostileContact()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, values);
        QFETCH(QString, recipient);
        QFETCH(QString, refusal);
        Person mallory;
        mallory.formattedName = QStringLiteral("Mallory");
        (kind == 0 ? mallory.phoneNumbers : mallory.emailAddresses) = values;
        people = {mallory};
        screen->MessageSegment->setSelectedSegmentIndex(kind);
        screen->contactButton(screen->contactsButton);
        QPointer<PeoplePickerNavigationController> picker = presented<PeoplePickerNavigationController>();
        QVERIFY(picker);
        picker->selectPerson(0);
        QCOMPARE(screen->phoneNumber->text(), recipient);
        AlertView* alert = AlertPresenter::shared().topAlert();
        QCOMPARE(alert != nullptr, !refusal.isEmpty());
        if (alert)
            QVERIFY2(alert->message().contains(refusal), qPrintable(alert->message()));
    }

    void cancellingThePickerChangesNothing()
    {
        screen->phoneNumber->setText(QStringLiteral("keep"));
        screen->contactsButton->click();
        QPointer<PeoplePickerNavigationController> picker = presented<PeoplePickerNavigationController>();
        QVERIFY(picker);
        press(picker, "cancelButton");
        QCOMPARE(screen->phoneNumber->text(), QStringLiteral("keep"));
        QVERIFY(!screen->sendButton->isEnabled());
        QTRY_VERIFY(!picker);
    }

    void readiness_data()
    {
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<bool>("otherField");
        QTest::addColumn<bool>("ready");
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("spaces only count as present") << "   " << false << true;
        QTest::newRow("a number") << "+420 1" << false << true;
        QTest::newRow("another field ending judges the recipient") << "x" << true << true;
        QTest::newRow("another field ending, empty recipient") << "" << true << false;
    }

    void readiness()
    {
        QFETCH(QString, recipient);
        QFETCH(bool, otherField);
        QFETCH(bool, ready);
        // Start from the opposite state, so that the rule has to change it.
        screen->sendButton->setEnabled(!ready);
        screen->phoneNumber->setText(recipient);
        TextField other;
        QVERIFY(screen->textFieldShouldEndEditing(otherField ? &other : screen->phoneNumber.data()));
        QCOMPARE(screen->sendButton->isEnabled(), ready);
        QCOMPARE(labelColour(screen->SMSLabel), readinessColour(ready));
    }

    // The real composers, end to end ------------------------------------------------

    void mailReachesTheServer()
    {
        SmtpServer server;
        QVERIFY(server.start());
        writeDeviceSettings({{"mail/transport", "smtp"},
                             {"mail/server", "127.0.0.1"},
                             {"mail/port", server.port},
                             {"mail/security", "none"},
                             {"mail/from", "quorvel@example.org"}});
        makeScreen(realServices());
        screen->MessageSegment->setSelectedSegmentIndex(1);
        screen->phoneNumber->setText(QStringLiteral("friend@example.org"));
        screen->Message->setText(QStringLiteral("Jsem u [N 49° 11.5′ E 16° 36.5′] v {Žabovřesky}.\nČau."));
        screen->sendButton->setEnabled(true);
        screen->sendButton->click();
        auto* composer = presented<MailComposeViewController>();
        QVERIFY(composer);
        press(composer, "sendButton");
        QVERIFY(composer->isSending());
        QVERIFY(composer->findChild<QWidget*>(QStringLiteral("progress"))->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(AlertPresenter::shared().visibleAlerts().size(), 1, 20000);
        QCOMPARE(AlertPresenter::shared().topAlert()->message(), localizedText("EmailSent"));
        QCOMPARE(screen->phoneNumber->text(), QString());
        const QList<QJsonObject> delivered = server.messages();
        QCOMPARE(delivered.size(), 1);
        QCOMPARE(delivered.at(0).value("to").toArray().at(0).toString(), QStringLiteral("friend@example.org"));
        QCOMPARE(delivered.at(0).value("from").toString(), QStringLiteral("quorvel@example.org"));
        const QByteArray data = delivered.at(0).value("data").toString().toLatin1();
        const qsizetype split = data.indexOf("\r\n\r\n");
        QVERIFY(split > 0);
        const QByteArray headers = data.left(split);
        QVERIFY(headers.contains("Content-Type: text/plain; charset=UTF-8"));
        QString subject;
        for (const QByteArray& word : headers.mid(headers.indexOf("Subject: ") + 9).split('\n')) {
            const QByteArray w = word.trimmed();
            if (!w.startsWith("=?UTF-8?B?") && !subject.isEmpty())
                break;
            if (w.startsWith("=?UTF-8?B?"))
                subject += QString::fromUtf8(QByteArray::fromBase64(w.mid(10, w.size() - 12)));
            else
                subject = QString::fromUtf8(w);
        }
        QCOMPARE(subject, localizedText("EmailSubject"));
        const QString body = QString::fromUtf8(Mime::decodeQuotedPrintable(data.mid(split + 4)));
        QCOMPARE(body, QStringLiteral("Jsem u N 49° 11.5′ E 16° 36.5′ v Žabovřesky.\r\nČau.\r\n"));
    }

    void mailFailuresShowTheError_data()
    {
        QTest::addColumn<QString>("case_");
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("needle");
        // The platform's texts follow the language too (Czech here).
        QTest::newRow("server down") << "down" << "friend@example.org" << "není dostupný";
        QTest::newRow("recipient rejected") << "up" << "reject-me@example.org" << "550";
        QTest::newRow("header injection refused") << "up" << "friend@example.org\r\nBcc: evil@example.org"
                                                  << "konec řádku nebo znak NUL";
    }

    void mailFailuresShowTheError()
    {
        QFETCH(QString, case_);
        QFETCH(QString, recipient);
        QFETCH(QString, needle);
        SmtpServer server;
        quint16 port = freePort();
        if (case_ == QLatin1String("up")) {
            QVERIFY(server.start());
            port = server.port;
        }
        writeDeviceSettings({{"mail/server", "127.0.0.1"},
                             {"mail/port", port},
                             {"mail/security", "none"},
                             {"mail/from", "quorvel@example.org"}});
        makeScreen(realServices());
        screen->MessageSegment->setSelectedSegmentIndex(1);
        screen->phoneNumber->setText(recipient);
        screen->Message->setText(QStringLiteral("x"));
        screen->sendSMS(nullptr);
        auto* composer = presented<MailComposeViewController>();
        QVERIFY(composer);
        QElapsedTimer t;
        t.start();
        press(composer, "sendButton");
        QTRY_COMPARE_WITH_TIMEOUT(AlertPresenter::shared().visibleAlerts().size(), 1, 35000);
        QVERIFY(t.elapsed() < 31000);
        AlertView* alert = AlertPresenter::shared().topAlert();
        QCOMPARE(alert->title(), QStringLiteral("Email error"));
        QVERIFY2(alert->message().contains(needle), qPrintable(alert->message()));
        QCOMPARE(screen->phoneNumber->text(), recipient);
        QVERIFY(server.messages().isEmpty());
    }

    void smsThroughTheModem_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("sent") << "ok" << "Info" << localizedText("SMSSent");
        QTest::newRow("send fails") << "fail-send" << localizedText("Error") << localizedText("SMSSendingFailed");
        QTest::newRow("no modem") << "no-modem" << localizedText("Error") << localizedText("DeviceNotConfigured");
    }

    void smsThroughTheModem()
    {
        QFETCH(QString, mode);
        QFETCH(QString, title);
        QFETCH(QString, message);
        ModemBus bus;
        QVERIFY(bus.start(mode));
        writeDeviceSettings({{"sms/sender", "modemmanager"}, {"sms/bus", bus.address}});
        makeScreen(realServices());
        screen->phoneNumber->setText(QStringLiteral("+420777000111"));
        screen->Message->setText(QStringLiteral("Jsem na [N 1 E 2] u {Brna}"));
        screen->sendSMS(nullptr);
        if (mode == QLatin1String("no-modem")) {
            QVERIFY(!screen->presentedViewController());
        } else {
            auto* composer = presented<MessageComposeViewController>();
            QVERIFY(composer);
            press(composer, "sendButton");
        }
        QTRY_COMPARE_WITH_TIMEOUT(AlertPresenter::shared().visibleAlerts().size(), 1, 20000);
        QCOMPARE(AlertPresenter::shared().topAlert()->title(), title);
        QCOMPARE(AlertPresenter::shared().topAlert()->message(), message);
        if (mode != QLatin1String("no-modem")) {
            const QList<QJsonObject> calls = bus.calls();
            QVERIFY(calls.size() >= 2);
            QCOMPARE(calls.at(0).value("call").toString(), QStringLiteral("Create"));
            const QJsonObject props = calls.at(0).value("properties").toObject();
            QCOMPARE(props.value("number").toString(), QStringLiteral("+420777000111"));
            QCOMPARE(props.value("text").toString(), QStringLiteral("Jsem na N 1 E 2 u Brna"));
            QCOMPARE(calls.at(1).value("call").toString(), QStringLiteral("Send"));
        }
    }

private:
    ReportServices realServices()
    {
        ReportServices s;
        s.canSendText = &MessageComposeViewController::canSendText;
        s.canSendMail = &MailComposeViewController::canSendMail;
        s.makeMessageComposer = [] { return std::make_unique<MessageComposeViewController>(); };
        s.makeMailComposer = [this] { return std::make_unique<MailComposeViewController>(nullptr, drafts.path()); };
        s.makePeoplePicker = [] { return std::make_unique<PeoplePickerNavigationController>(); };
        return s;
    }
};

QTEST_MAIN(TestSending)
#include "tst_sending.moc"
