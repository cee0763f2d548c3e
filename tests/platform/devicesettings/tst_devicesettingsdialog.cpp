// The device settings dialog driven as a user would: each bad field refused beside it with
// nothing saved; an account saved, its password in the real keyring (gnome-keyring-daemon on
// a private bus) and not in device.ini, read back by a second dialog and used to send through
// the loopback SMTP server; the keyring locked or absent; "check the account" accepted and
// refused; a test message through the modem stand-in; phone width, names and translations.

#include "support/ScriptedSource.h"
#include "platform/devicesettings/DeviceSettingsDialog.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Keyring.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/location/LocationManager.h"
#include "support/FakeKeyring.h"
#include "support/SendingHarness.h"
#include "support/SessionBus.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QTabWidget>
#include <QtTest>

namespace {

template <typename T>
T* child(QWidget* dialog, const char* name)
{
    T* w = dialog->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

// Replaces the text of a field by typing, as a user would.
void type(QWidget* dialog, const char* field, const QString& text)
{
    auto* edit = child<QLineEdit>(dialog, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void choose(QWidget* dialog, const char* combo, int index)
{
    child<QComboBox>(dialog, combo)->setCurrentIndex(index);
}

QByteArray deviceIni()
{
    QFile f(DeviceSettings::path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

KeyringAnswer readKeyring(const QString& key)
{
    std::optional<KeyringAnswer> answer;
    Keyring::secretService()->readPassword(key, [&answer](const KeyringAnswer& a) { answer = a; });
    QElapsedTimer t;
    t.start();
    while (!answer && t.elapsed() < 20000)
        QTest::qWait(20);
    return answer.value_or(KeyringAnswer{});
}

// A working SMTP account on the loopback server; the dialog's rows as in the layout.
void fillAccount(QWidget* d, quint16 port, const QString& password)
{
    choose(d, "transport", 1);
    type(d, "server", QStringLiteral("127.0.0.1"));
    choose(d, "security", 2);
    type(d, "mailPort", QString::number(port));
    type(d, "user", QStringLiteral("jana"));
    type(d, "password", password);
    type(d, "from", QStringLiteral("jana@example.org"));
}

} // namespace

class TestDeviceSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.QuorvelTest"));
        QVERIFY(StringTable::load(QStringLiteral("en")));
        QVERIFY(bus.start());
        QVERIFY(bus.startKeyring());
    }
    void init() { QFile::remove(DeviceSettings::path()); }

    void invalidFieldIsNamedAndNothingSaved_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("errorLabel");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("gpsd port 0") << "sourceCombo" << 2 << "locationPort" << "0" << "locationPortError" << QByteArray("A port is a number from 1 to 65535.");
        QTest::newRow("gpsd port past 65535") << "sourceCombo" << 2 << "locationPort" << "65536" << "locationPortError" << QByteArray("A port is a number from 1 to 65535.");
        QTest::newRow("NMEA port not a number") << "sourceCombo" << 4 << "locationPort" << "12a" << "locationPortError" << QByteArray("A port is a number from 1 to 65535.");
        QTest::newRow("host with a space") << "sourceCombo" << 2 << "locationHost" << "my host" << "locationHostError" << QByteArray("A host name cannot hold spaces or any of / @ , ; \" ' < > \\.");
        QTest::newRow("no host") << "sourceCombo" << 4 << "locationHost" << "" << "locationHostError" << QByteArray("Enter a host name or address.");
        QTest::newRow("missing NMEA device") << "sourceCombo" << 3 << "nmeaDevice" << "/dev/ttyNOPE9" << "nmeaDeviceError" << QByteArray("There is no file %@.");
        QTest::newRow("missing replay file") << "sourceCombo" << 5 << "replayFile" << "/nonexistent/walk.nmea" << "replayFileError" << QByteArray("There is no file %@.");
        QTest::newRow("SMTP server with a space") << "transport" << 1 << "server" << "smtp example.org" << "serverError" << QByteArray("A host name cannot hold spaces or any of / @ , ; \" ' < > \\.");
        QTest::newRow("SMTP port past 65535") << "transport" << 1 << "mailPort" << "99999" << "mailPortError" << QByteArray("A port is a number from 1 to 65535.");
        QTest::newRow("sender without @") << "transport" << 1 << "from" << "jana.example.org" << "fromError" << QByteArray("An address needs a name, an \"@\" and a domain, without spaces.");
        QTest::newRow("sendmail sender without domain") << "transport" << 2 << "from" << "jana@" << "fromError" << QByteArray("An address needs a name, an \"@\" and a domain, without spaces.");
        QTest::newRow("missing sendmail") << "transport" << 2 << "sendmail" << "/nonexistent/sendmail" << "sendmailError" << QByteArray("%@ is not a program on this machine.");
        QTest::newRow("missing contacts folder") << "" << 0 << "contactsFolder" << "/nonexistent/contacts" << "contactsFolderError" << QByteArray("There is no folder %@.");
        QTest::newRow("tile server without {z}") << "" << 0 << "tileServer" << "https://tiles.example/{x}/{y}.png" << "tileServerError" << QByteArray("The address starts with http:// or https:// and holds {z}, {x} and {y}.");
        QTest::newRow("tile contact neither address nor page") << "" << 0 << "tileContact" << "jana" << "tileContactError" << QByteArray("Give an e-mail address or a web page (http:// or https://).");
        QTest::newRow("missing MBTiles file") << "" << 0 << "standardMBTiles" << "/nonexistent/a.mbtiles" << "standardMBTilesError" << QByteArray("There is no file %@.");
    }

    void invalidFieldIsNamedAndNothingSaved()
    {
        QFETCH(QString, combo);
        QFETCH(int, row);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, errorLabel);
        QFETCH(QByteArray, message);
        DeviceSettingsDialog d(std::make_shared<FakeKeyring>());
        d.show();
        if (!combo.isEmpty())
            choose(&d, combo.toLatin1().constData(), row);
        // Everything else valid, so that the one field is what stops the save.
        if (combo == QLatin1String("sourceCombo") && (row == 3 || row == 5))
            type(&d, row == 3 ? "nmeaDevice" : "replayFile", QStringLiteral("/bin/true"));
        if (combo == QLatin1String("transport")) {
            type(&d, "server", QStringLiteral("smtp.example.org"));
            type(&d, "from", QStringLiteral("jana@example.org"));
            if (row == 2)
                type(&d, "sendmail", QStringLiteral("/bin/true"));
        }
        auto* save = child<QPushButton>(&d, "saveButton");
        QVERIFY(d.isValid());
        QVERIFY(save->isEnabled());
        type(&d, field.toLatin1().constData(), value);
        auto* error = child<QLabel>(&d, errorLabel.toLatin1().constData());
        const QString expected = QString::fromUtf8(message);
        QVERIFY2(error->text().startsWith(expected.section(u'%', 0, 0)), qPrintable(error->text()));
        // Beside its field, on the field's own section.
        QVERIFY(!error->isHidden());
        QCOMPARE(error->parentWidget(), child<QLineEdit>(&d, field.toLatin1().constData())->parentWidget());
        // As a screen reader meets it: a notification that says the problem as it appears,
        // and the field describing itself by it.
        auto* edit = child<QLineEdit>(&d, field.toLatin1().constData());
        QCOMPARE(edit->accessibleDescription(), error->text());
        QAccessibleInterface* told = QAccessible::queryAccessibleInterface(error);
        QCOMPARE(told->role(), QAccessible::Notification);
        QCOMPARE(told->text(QAccessible::Name), error->text());
        QVERIFY(!d.isValid());
        QVERIFY(!save->isEnabled());
        QVERIFY(!child<QLabel>(&d, "formStatus")->isHidden());
        QVERIFY(child<QLabel>(&d, "formStatus")->text().contains(
            child<QTabWidget>(&d, "sections")->tabText(child<QTabWidget>(&d, "sections")->indexOf(
                error->parentWidget()->parentWidget()->parentWidget()))));
        d.save();
        QVERIFY(!QFile::exists(DeviceSettings::path()));
        // Putting it right takes the message away.
        type(&d, field.toLatin1().constData(), QString());
        if (field == QLatin1String("locationHost") || field == QLatin1String("server"))
            type(&d, field.toLatin1().constData(), QStringLiteral("localhost"));
        if (field == QLatin1String("locationPort"))
            type(&d, field.toLatin1().constData(), QStringLiteral("2947"));
        if (field == QLatin1String("from"))
            type(&d, field.toLatin1().constData(), QStringLiteral("jana@example.org"));
        if (field == QLatin1String("nmeaDevice") || field == QLatin1String("replayFile") || field == QLatin1String("sendmail"))
            type(&d, field.toLatin1().constData(), QStringLiteral("/bin/true"));
        QVERIFY2(error->text().isEmpty(), qPrintable(error->text()));
        QVERIFY(edit->accessibleDescription().isEmpty());
        QVERIFY(save->isEnabled());
    }

    // The whole road of an account: typed, saved (the password into the real keyring, not
    // the file), shown again by a second dialog, and used for a real send.
    void accountSavedReadBackAndUsed()
    {
        Harness::SmtpServer smtp;
        QVERIFY(smtp.start({QStringLiteral("--auth"), QStringLiteral("jana"), QStringLiteral("s3cret, with; all\\")}));
        {
            DeviceSettingsDialog d;
            d.show();
            // A new account has no password to keep.
            QVERIFY(child<QLineEdit>(&d, "password")->placeholderText().isEmpty());
            fillAccount(&d, smtp.port, QStringLiteral("s3cret, with; all\\"));
            QSignalSpy saved(&d, &DeviceSettingsDialog::saved);
            QTest::mouseClick(child<QPushButton>(&d, "saveButton"), Qt::LeftButton);
            QVERIFY(saved.wait(20000));
        }
        const QByteArray ini = deviceIni();
        QVERIFY(!ini.contains("password"));
        QVERIFY(!ini.contains("s3cret"));
        QVERIFY(ini.contains("server=127.0.0.1"));
        const QFile::Permissions mode = QFile::permissions(DeviceSettings::path());
        QVERIFY(!(mode & (QFile::ReadGroup | QFile::ReadOther)));
        const KeyringAnswer kept = readKeyring(Keyring::smtpKey(QStringLiteral("jana"), QStringLiteral("127.0.0.1")));
        QCOMPARE(kept.status, KeyringAnswer::Ok);
        QCOMPARE(kept.secret, QStringLiteral("s3cret, with; all\\"));

        DeviceSettingsDialog second;
        QCOMPARE(child<QComboBox>(&second, "transport")->currentIndex(), 1);
        QCOMPARE(child<QLineEdit>(&second, "server")->text(), QStringLiteral("127.0.0.1"));
        QCOMPARE(child<QLineEdit>(&second, "mailPort")->text(), QString::number(smtp.port));
        QCOMPARE(child<QComboBox>(&second, "security")->currentIndex(), 2);
        QCOMPARE(child<QLineEdit>(&second, "user")->text(), QStringLiteral("jana"));
        QCOMPARE(child<QLineEdit>(&second, "from")->text(), QStringLiteral("jana@example.org"));
        QVERIFY(child<QLineEdit>(&second, "password")->text().isEmpty());
        // After a restart the kept password is said to be there, and how to keep it.
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(&second, "passwordNote")->text(),
                                  QStringLiteral("The keyring holds the password of this account."), 20000);
        QCOMPARE(child<QLineEdit>(&second, "password")->placeholderText(),
                 QStringLiteral("Leave empty to keep the password you have"));

        std::unique_ptr<MailSender> sender = MailSender::fromDeviceSettings();
        QVERIFY(sender && sender->isAvailable());
        MailMessage m;
        m.fromAddress = QStringLiteral("jana@example.org");
        m.to = {QStringLiteral("mum@example.org")};
        m.subject = QStringLiteral("Where I am");
        m.body = QStringLiteral("N 50");
        std::optional<std::pair<bool, QString>> outcome;
        sender->send(m, [&outcome](bool sent, const QString& error) { outcome = {sent, error}; });
        QTRY_VERIFY_WITH_TIMEOUT(outcome.has_value(), 30000);
        QVERIFY2(outcome->first, qPrintable(outcome->second));
        QCOMPARE(smtp.messages().size(), 1);
    }

    // Another user or server: the old account's entry leaves the real keyring, and its
    // password goes to the new account only when typed again.
    void anotherAccountForgetsTheOldPassword_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("password");   // typed; empty: the field left as it is
        QTest::addColumn<bool>("fromFile");      // the old password was in device.ini
        QTest::newRow("other user, new password") << "petr" << "127.0.0.1" << "n3w" << false;
        QTest::newRow("other server, password untouched") << "jana" << "localhost" << "" << false;
        QTest::newRow("same account: kept") << "jana" << "127.0.0.1" << "" << false;
        QTest::newRow("other server, file password untouched") << "jana" << "localhost" << "" << true;
        QTest::newRow("other user, file password replaced") << "petr" << "127.0.0.1" << "n3w" << true;
    }

    void anotherAccountForgetsTheOldPassword()
    {
        QFETCH(QString, user);
        QFETCH(QString, server);
        QFETCH(QString, password);
        QFETCH(bool, fromFile);
        const QString oldKey = Keyring::smtpKey(QStringLiteral("jana"), QStringLiteral("127.0.0.1"));
        if (fromFile) {
            Harness::writeDeviceSettings({{"mail/transport", "smtp"}, {"mail/server", "127.0.0.1"},
                                          {"mail/user", "jana"}, {"mail/password", "0ld"},
                                          {"mail/from", "jana@example.org"}});
        } else {
            DeviceSettingsDialog first;
            fillAccount(&first, 587, QStringLiteral("0ld"));
            QSignalSpy saved(&first, &DeviceSettingsDialog::saved);
            first.save();
            QTRY_COMPARE_WITH_TIMEOUT(saved.size(), 1, 20000);
            QCOMPARE(readKeyring(oldKey).secret, QStringLiteral("0ld"));
        }
        const bool sameAccount = user == QLatin1String("jana") && server == QLatin1String("127.0.0.1");
        DeviceSettingsDialog d;
        d.show();
        type(&d, "user", user);
        type(&d, "server", sameAccount ? QStringLiteral("127.0.0.1") : server);
        if (!password.isEmpty())
            type(&d, "password", password);
        QSignalSpy saved(&d, &DeviceSettingsDialog::saved);
        d.save();
        QTRY_COMPARE_WITH_TIMEOUT(saved.size(), 1, 20000);
        const KeyringAnswer old = readKeyring(oldKey);
        const KeyringAnswer now = readKeyring(Keyring::smtpKey(user, server));
        QVERIFY(!deviceIni().contains("password"));
        if (sameAccount) {
            QCOMPARE(old.secret, QStringLiteral("0ld"));
            return;
        }
        QCOMPARE(old.status, KeyringAnswer::NotFound);
        if (password.isEmpty()) {
            QCOMPARE(now.status, KeyringAnswer::NotFound);
        } else {
            QCOMPARE(now.status, KeyringAnswer::Ok);
            QCOMPARE(now.secret, password);
        }
        Keyring::secretService()->deletePassword(Keyring::smtpKey(user, server), [](const KeyringAnswer&) {});
        QTest::qWait(200);
    }

    // A password typed into the file by hand is still used, and saving moves it.
    void passwordInTheFileMovesToTheKeyring()
    {
        Harness::writeDeviceSettings({{"mail/transport", "smtp"}, {"mail/server", "smtp.example.org"},
                                      {"mail/user", "petr"}, {"mail/password", " hand typed "},
                                      {"mail/from", "petr@example.org"}, {"location/replay-speed", "4"}});
        auto keyring = std::make_shared<FakeKeyring>();
        DeviceSettingsDialog d(keyring);
        QCOMPARE(child<QLineEdit>(&d, "password")->text(), QStringLiteral(" hand typed "));
        QSignalSpy saved(&d, &DeviceSettingsDialog::saved);
        d.save();
        QVERIFY(saved.wait(5000));
        QCOMPARE(keyring->passwords.value(Keyring::smtpKey(QStringLiteral("petr"), QStringLiteral("smtp.example.org"))),
                 QStringLiteral(" hand typed "));
        QVERIFY(DeviceSettings::value(QStringLiteral("mail"), QStringLiteral("password")).isEmpty());
        // What the dialog does not show, and what the user did not change, stays as it was.
        QCOMPARE(DeviceSettings::value(QStringLiteral("location"), QStringLiteral("replay-speed")), QStringLiteral("4"));
        QVERIFY(!deviceIni().contains("standard-url"));
        QVERIFY(!deviceIni().contains("source"));
    }

    // Without a keyring that takes the password nothing is saved; the dialog says so and
    // offers the file, which then holds it (owner only).
    void keyringThatRefuses_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("why");
        QTest::newRow("absent") << int(KeyringAnswer::Unavailable) << QByteArray("no keyring (Secret Service) answers");
        QTest::newRow("locked") << int(KeyringAnswer::Denied) << QByteArray("the keyring is locked");
    }

    void keyringThatRefuses()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, why);
        auto keyring = std::make_shared<FakeKeyring>();
        keyring->status = static_cast<KeyringAnswer::Status>(status);
        DeviceSettingsDialog d(keyring);
        d.show();
        fillAccount(&d, 2525, QStringLiteral("pw"));
        auto* keep = child<QCheckBox>(&d, "keepInFile");
        QVERIFY(!keep->isVisibleTo(&d));
        QSignalSpy saved(&d, &DeviceSettingsDialog::saved);
        QTest::mouseClick(child<QPushButton>(&d, "saveButton"), Qt::LeftButton);
        QTRY_VERIFY(keep->isVisibleTo(&d));
        QVERIFY(child<QLabel>(&d, "passwordNote")->text().contains(QString::fromUtf8(why)));
        QCOMPARE(saved.size(), 0);
        QVERIFY(!QFile::exists(DeviceSettings::path()));
        keep->click();
        QTest::mouseClick(child<QPushButton>(&d, "saveButton"), Qt::LeftButton);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(DeviceSettings::value(QStringLiteral("mail"), QStringLiteral("password")), QStringLiteral("pw"));
        const QFile::Permissions mode = QFile::permissions(DeviceSettings::path());
        QVERIFY(!(mode & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther)));
    }

    // Logs in and quits: the server's answer shown, nothing sent.
    void checkTheAccount_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("right password") << "right" << true;
        QTest::newRow("wrong password") << "wrong" << false;
    }

    void checkTheAccount()
    {
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        Harness::SmtpServer smtp;
        QVERIFY(smtp.start({QStringLiteral("--auth"), QStringLiteral("jana"), QStringLiteral("right")}));
        DeviceSettingsDialog d(std::make_shared<FakeKeyring>());
        d.show();
        child<QTabWidget>(&d, "sections")->setCurrentIndex(2);
        fillAccount(&d, smtp.port, password);
        auto* status = child<QLabel>(&d, "mailStatus");
        auto* check = child<QPushButton>(&d, "checkAccountButton");
        check->setFocus();
        QTest::mouseClick(check, Qt::LeftButton);
        const QString ok = QStringLiteral("The server accepted the login.");
        const QString failed = QStringLiteral("The account does not work: ");
        QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(ok) || status->text().startsWith(failed), 30000);
        QVERIFY2(status->text().startsWith(accepted ? ok : failed), qPrintable(status->text()));
        // The server's own words: 250 after NOOP, 535 for a refused login.
        QVERIFY2(status->text().contains(accepted ? QStringLiteral("250") : QStringLiteral("535")), qPrintable(status->text()));
        QVERIFY(!status->text().contains(password));
        QVERIFY(smtp.messages().isEmpty());
        // The answer in view at a phone's height, a refusal marked as a problem for the eye
        // and for screen readers.
        QCoreApplication::processEvents();
        auto* viewport = child<QScrollArea>(&d, "mailTab")->viewport();
        const int top = status->mapTo(viewport, QPoint(0, 0)).y();
        QVERIFY2(top >= 0 && top + status->height() <= viewport->height(), qPrintable(QString::number(top)));
        QCOMPARE(status->styleSheet().contains(QLatin1String("#b00020")), !accepted);
        QCOMPARE(status->accessibleDescription().isEmpty(), accepted);
        // The focus ring comes back to the button; Return on Cancel cancels.
        QTRY_COMPARE(d.focusWidget(), static_cast<QWidget*>(check));
        auto* cancel = child<QPushButton>(&d, "cancelButton");
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(DeviceSettings::path()));
    }

    // The preview reads the source the application already runs, never a second reader of
    // the same device: what that one delivers is shown.
    void previewFollowsTheRunningSource()
    {
        Harness::writeDeviceSettings({{"location/source", "nmea:/dev/null"}});
        auto running = std::make_unique<LocationManager>(QStringLiteral("nmea:/dev/null"), [](QObject* parent, const auto&) {
            return new ScriptedSource(parent);
        });
        running->startUpdatingLocation();
        QCOMPARE(LocationManager::running(QStringLiteral("nmea:/dev/null")), running.get());
        DeviceSettingsDialog d(std::make_shared<FakeKeyring>());
        auto* status = child<QLabel>(&d, "locationStatus");
        QTRY_COMPARE(status->text(), QStringLiteral("Waiting for a position…"));
        running->handlePosition(QGeoPositionInfo(QGeoCoordinate(12.34567, 76.54321), QDateTime::currentDateTimeUtc()));
        QTRY_COMPARE(status->text(), QStringLiteral("Position 12.34567, 76.54321"));
        running.reset();
        QVERIFY(!LocationManager::running(QStringLiteral("nmea:/dev/null")));
    }

    // The modems on ModemManager's bus are offered, and the test message goes out through
    // the one picked.
    void testMessageThroughTheModem()
    {
        Harness::ModemBus modem;
        QVERIFY(modem.start(QStringLiteral("ok")));
        Harness::writeDeviceSettings({{"sms/bus", modem.address}});
        DeviceSettingsDialog d(std::make_shared<FakeKeyring>());
        d.show();
        choose(&d, "smsSender", 1);
        auto* modems = child<QComboBox>(&d, "modem");
        QTRY_VERIFY_WITH_TIMEOUT(modems->count() > 1, 10000);
        modems->setCurrentIndex(1);
        auto* send = child<QPushButton>(&d, "sendTestButton");
        QVERIFY(!send->isEnabled());
        type(&d, "testNumber", QStringLiteral("+420 777 000 111"));
        QTest::mouseClick(send, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(&d, "smsStatus")->text(), QStringLiteral("The test message was sent."), 20000);
        const QList<QJsonObject> calls = modem.calls();
        QVERIFY(!calls.isEmpty());
        QCOMPARE(calls.at(0).value("call").toString(), QStringLiteral("Create"));
        QCOMPARE(calls.at(0).value("properties").toObject().value("number").toString(), QStringLiteral("+420 777 000 111"));
    }

    // Fits a phone's 360 pixels, every control named for screen readers, in each language.
    void phoneWidthNamesAndLanguages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("firstTab");
        QTest::addColumn<QString>("save");
        QTest::newRow("English") << "en" << "Location" << "Save";
        QTest::newRow("Czech") << "cs" << "Poloha" << "Uložit";
    }

    void phoneWidthNamesAndLanguages()
    {
        QFETCH(QString, language);
        QFETCH(QString, firstTab);
        QFETCH(QString, save);
        QVERIFY(StringTable::load(language));
        DeviceSettingsDialog d(std::make_shared<FakeKeyring>());
        d.resize(360, 640);
        d.show();
        QVERIFY2(d.minimumSizeHint().width() <= 360, qPrintable(QString::number(d.minimumSizeHint().width())));
        auto* sections = child<QTabWidget>(&d, "sections");
        // No section needs a sideways scroll.
        for (QScrollArea* area : d.findChildren<QScrollArea*>()) {
            sections->setCurrentWidget(area);
            QCoreApplication::processEvents();
            QVERIFY2(area->widget()->minimumSizeHint().width() <= area->viewport()->width(), qPrintable(area->objectName()));
        }
        for (int i = 0; i < sections->count(); ++i)
            QVERIFY(!sections->tabText(i).startsWith(QLatin1String("SETTINGS_")));
        // In the language, not in English nor as a key.
        QCOMPARE(sections->tabText(0), firstTab);
        QCOMPARE(child<QPushButton>(&d, "saveButton")->text(), save);
        for (QWidget* w : d.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)
                                 || qobject_cast<QAbstractButton*>(w);
            if (control && w->parentWidget() && w->parentWidget()->objectName() != QLatin1String("qt_tabwidget_tabbar")
                && !w->objectName().startsWith(QLatin1String("qt_")))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(!w->accessibleName().startsWith(QLatin1String("SETTINGS_")), qPrintable(w->objectName()));
            if (auto* l = qobject_cast<QLabel*>(w))
                QVERIFY2(!l->text().startsWith(QLatin1String("SETTINGS_")), qPrintable(l->objectName()));
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                QVERIFY2(!b->text().startsWith(QLatin1String("SETTINGS_")), qPrintable(b->objectName()));
        }
        if (const QByteArray dir = qgetenv("QUORVEL_SCREENSHOT_DIR"); !dir.isEmpty() && language == QLatin1String("en")) {
            // An account being set up, one field wrong, as a user would see it.
            fillAccount(&d, 587, QStringLiteral("pw"));
            type(&d, "server", QStringLiteral("smtp.example.org"));
            choose(&d, "security", 0);
            type(&d, "from", QStringLiteral("jana.example.org"));
            // The bundled walk replayed, with its live fix.
            choose(&d, "sourceCombo", 5);
            type(&d, "replayFile", LocationManager::bundledTrackPath());
            QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>(&d, "locationStatus")->text().startsWith(QStringLiteral("Position")), 10000);
            choose(&d, "smsSender", 1);
            type(&d, "testNumber", QStringLiteral("+420 601 123 456"));
            // The contacts section is taken where the address books run (tst_addressbooks).
            const char* names[] = {"location", "sms", "mail", nullptr, "map"};
            for (int i = 0; i < sections->count(); ++i) {
                if (!names[i])
                    continue;
                sections->setCurrentIndex(i);
                QCoreApplication::processEvents();
                d.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/settings-%1.png").arg(QLatin1String(names[i])));
            }
        }
        StringTable::load(QStringLiteral("en"));
    }

private:
    Harness::SessionBus bus;
};

QTEST_MAIN(TestDeviceSettingsDialog)
#include "tst_devicesettingsdialog.moc"
