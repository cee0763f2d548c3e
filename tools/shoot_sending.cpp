// Draws the SMS composer, the e-mail composer while it sends, and the contact picker into
// docs/ as PNG files, offscreen: shoot_sending <docs folder> <contacts folder>.

#include "app/Appearance.h"
#include "platform/contacts/Contacts.h"
#include "platform/messaging/MailCompose.h"
#include "platform/messaging/MessageCompose.h"
#include "platform/contacts/PeoplePicker.h"
#include "platform/foundation/LocalizedText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QPushButton>
#include <QTimer>

namespace {

struct Silent : SmsSender {
    bool isAvailable() override { return true; }
    void send(const QString&, const QString&, Done) override {}
};

// Never answers, so the dialog stays in its sending state for the picture.
struct Pending : MailSender {
    bool isAvailable() override { return true; }
    QString fromAddress() const override { return QStringLiteral("jana@example.org"); }
    void send(const MailMessage&, Done) override {}
};

void shoot(QWidget* w, const QString& path)
{
    w->show();
    // Long enough for the busy bar's animation to move.
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 700) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    w->grab().save(path);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // In the language of the environment, as the application would be (LANG=cs_CZ.UTF-8).
    StringTable::load(StringTable::preferredLanguage());
    Appearance::apply();
    const QString docs = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    const QString contacts = argc > 2 ? QString::fromLocal8Bit(argv[2]) : Contacts::folder();
    const QString message = QString::fromUtf8("I am at N 49° 11.503 E 016° 36.421, near Žabovřesky.");

    MessageComposeViewController sms(std::make_unique<Silent>());
    sms.setRecipients({QStringLiteral("+420 601 111 111")});
    sms.setBody(message);
    shoot(&sms, docs + QStringLiteral("/sms-composer.png"));

    MailComposeViewController mail(std::make_unique<Pending>(), QStringLiteral("/tmp"));
    mail.setToRecipients({QStringLiteral("petr@example.org")});
    mail.setSubject(QString::fromUtf8("Where I am"));
    mail.setMessageBody(message, false);
    mail.send();
    shoot(&mail, docs + QStringLiteral("/mail-composer.png"));

    PeoplePickerNavigationController picker(Contacts::readFolder(contacts));
    shoot(&picker, docs + QStringLiteral("/contact-picker.png"));
    return 0;
}
