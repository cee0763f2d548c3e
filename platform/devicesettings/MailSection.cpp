#include "platform/devicesettings/MailSection.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/HostAddress.h"
#include "platform/foundation/Keyring.h"
#include "platform/foundation/Log.h"
#include "platform/messaging/MailSenders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {
enum MailRow { NoMail, Smtp, Sendmail };
const char* const securities[] = {"starttls", "tls", "none"};
} // namespace

MailSection::MailSection(std::shared_ptr<Keyring> keyring, QWidget* parent)
    : SettingsSection(QStringLiteral("mailTabContent"), parent), keyring_(std::move(keyring))
{
    transport_ = addField<QComboBox>(tr("Send e-mail through"), "transport", false);
    transport_->addItems({tr("Nothing (not set up)"), tr("An SMTP server"), tr("This computer's sendmail")});
    server_ = addField<QLineEdit>(tr("SMTP server"), "server");
    server_->setPlaceholderText(QStringLiteral("smtp.example.org"));
    security_ = addField<QComboBox>(tr("Security"), "security", false);
    security_->addItems({tr("STARTTLS (port 587)"), tr("TLS (port 465)"), tr("None (a server on this machine only)")});
    port_ = addField<QLineEdit>(tr("Port"), "mailPort");
    port_->setPlaceholderText(tr("Default for the security"));
    port_->setInputMethodHints(Qt::ImhDigitsOnly);
    user_ = addField<QLineEdit>(tr("User name"), "user", false);
    password_ = addField<QLineEdit>(tr("Password"), "password", false);
    password_->setEchoMode(QLineEdit::Password);
    password_->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
    passwordNote_ = addStatus("passwordNote");
    keepInFile_ = addLine<QCheckBox>("keepInFile");
    keepInFile_->setText(tr("Keep the password in device.ini instead"));
    keepInFile_->setAccessibleName(keepInFile_->text());
    from_ = addField<QLineEdit>(tr("Sender address"), "from");
    from_->setPlaceholderText(QStringLiteral("jana@example.org"));
    senderName_ = addField<QLineEdit>(tr("Sender name"), "senderName", false);
    sendmail_ = addField<QLineEdit>(tr("sendmail program"), "sendmail");
    sendmail_->setPlaceholderText(QStringLiteral("/usr/sbin/sendmail"));
    check_ = addLine<QPushButton>("checkAccountButton");
    check_->setText(tr("Check the account"));
    check_->setAccessibleName(check_->text());
    // Right under its button, so that the answer is in view where the question was asked.
    status_ = addStatus("mailStatus");
    // Phone keyboards: an address keyboard for addresses.
    for (QLineEdit* e : {from_, user_})
        e->setInputMethodHints(Qt::ImhEmailCharactersOnly | Qt::ImhNoAutoUppercase);
    // Status lines are read out by what they say; a fixed name would be read instead.
    for (QLabel* l : {passwordNote_, status_})
        l->setAccessibleName(QString());
    load();
    updateVisibility();
    reportChanges();
    connect(this, &SettingsSection::changed, this, &MailSection::updateVisibility);
    connect(password_, &QLineEdit::textEdited, this, [this] { passwordTyped_ = true; });
    connect(check_, &QPushButton::clicked, this, &MailSection::checkAccount);
    lookForStoredPassword();
}

MailSection::~MailSection() = default;

void MailSection::load()
{
    QString transport = setting("mail", "transport").toLower();
    if (transport.isEmpty() && !setting("mail", "server").isEmpty())
        transport = QStringLiteral("smtp");
    transport_->setCurrentIndex(transport == QLatin1String("smtp")       ? Smtp
                                : transport == QLatin1String("sendmail") ? Sendmail
                                                                         : NoMail);
    server_->setText(setting("mail", "server"));
    port_->setText(setting("mail", "port"));
    const QString security = setting("mail", "security", QStringLiteral("starttls")).toLower();
    for (int i = 0; i < 3; ++i)
        if (security == QLatin1String(securities[i]))
            security_->setCurrentIndex(i);
    user_->setText(setting("mail", "user"));
    loadedUser_ = user_->text().trimmed();
    loadedServer_ = server_->text().trimmed();
    // Not trimmed: a password may begin or end with a space.
    filePassword_ = DeviceSettings::value(QStringLiteral("mail"), QStringLiteral("password"));
    password_->setText(filePassword_);
    if (!filePassword_.isEmpty())
        passwordNote_->setText(tr("This password is in device.ini; saving moves it to the keyring."));
    from_->setText(setting("mail", "from"));
    senderName_->setText(DeviceSettings::value(QStringLiteral("mail"), QStringLiteral("name")));
    sendmail_->setText(setting("mail", "sendmail", QStringLiteral("/usr/sbin/sendmail")));
}

// A password kept for the configured account is said so, and only then may the field be left
// empty to keep it: a new account has none to keep.
void MailSection::lookForStoredPassword()
{
    if (loadedUser_.isEmpty() || !filePassword_.isEmpty())
        return;
    const QString key = Keyring::smtpKey(loadedUser_, loadedServer_);
    const QPointer<MailSection> self(this);
    keyring_->readPassword(key, [self, key](const KeyringAnswer& answer) {
        if (!self || answer.status != KeyringAnswer::Ok || answer.secret.isEmpty())
            return;
        // The account on screen may be another by now.
        if (Keyring::smtpKey(self->user_->text().trimmed(), self->server_->text()) != key || self->passwordTyped_)
            return;
        self->password_->setPlaceholderText(tr("Leave empty to keep the password you have"));
        if (self->passwordNote_->text().isEmpty())
            self->passwordNote_->setText(tr("The keyring holds the password of this account."));
    });
}

void MailSection::updateVisibility()
{
    const int mail = transport_->currentIndex();
    for (QWidget* w : QList<QWidget*>{server_, security_, port_, user_, password_, passwordNote_, check_})
        showField(w, mail == Smtp);
    showField(status_, mail == Smtp && !status_->text().isEmpty());
    showField(keepInFile_, mail == Smtp && keepInFile_->property("offered").toBool());
    showField(from_, mail != NoMail);
    showField(senderName_, mail != NoMail);
    showField(sendmail_, mail == Sendmail);
    // The stored password belongs to the loaded account only.
    if (!password_->placeholderText().isEmpty()
        && Keyring::smtpKey(user_->text().trimmed(), server_->text()) != Keyring::smtpKey(loadedUser_, loadedServer_)) {
        password_->setPlaceholderText(QString());
        if (passwordNote_->text() == tr("The keyring holds the password of this account."))
            passwordNote_->setText(QString());
    }
}

int MailSection::validate()
{
    const int mail = transport_->currentIndex();
    const QString server = server_->text().trimmed();
    QString serverProblem = mail == Smtp ? hostProblem(server) : QString();
    if (serverProblem.isEmpty() && mail == Smtp && security_->currentIndex() == 2 && !HostAddress::isLoopback(server))
        serverProblem = tr("Without encryption only a server on this machine can be used.");
    QString sendmailProblem;
    if (mail == Sendmail) {
        const QFileInfo program(sendmail_->text().trimmed());
        if (!program.isFile() || !program.isExecutable())
            sendmailProblem = stringWithFormat(tr("%@ is not a program on this machine.").toUtf8().constData(),
                                               sendmail_->text().trimmed());
    }
    const int accountProblems
        = setProblem(server_, serverProblem)
          + setProblem(port_, mail == Smtp ? portProblem(port_->text().trimmed(), false) : QString())
          + setProblem(from_, mail == Smtp       ? addressProblem(from_->text().trimmed(), true)
                              : mail == Sendmail ? addressProblem(from_->text().trimmed(), false)
                                                 : QString());
    check_->setEnabled(!busy_ && !checker_ && accountProblems == 0);
    return accountProblems + setProblem(sendmail_, sendmailProblem);
}

void MailSection::setBusy(bool busy)
{
    busy_ = busy;
}

SettingsSection::Values MailSection::collect() const
{
    const int mail = transport_->currentIndex();
    return {
        {QStringLiteral("mail/transport"), mail == Smtp ? QStringLiteral("smtp") : mail == Sendmail ? QStringLiteral("sendmail") : QString()},
        {QStringLiteral("mail/server"), server_->text().trimmed()},
        {QStringLiteral("mail/port"), port_->text().trimmed()},
        {QStringLiteral("mail/security"), QString::fromLatin1(securities[std::max(0, security_->currentIndex())])},
        {QStringLiteral("mail/user"), user_->text().trimmed()},
        {QStringLiteral("mail/from"), from_->text().trimmed()},
        {QStringLiteral("mail/name"), senderName_->text()},
        {QStringLiteral("mail/sendmail"), sendmail_->text().trimmed()},
    };
}

SmtpAccount MailSection::account() const
{
    SmtpAccount a;
    a.server = server_->text().trimmed();
    a.port = port_->text().trimmed().toInt();
    a.security = QString::fromLatin1(securities[std::max(0, security_->currentIndex())]);
    a.user = user_->text().trimmed();
    a.password = password_->text();
    a.fromAddress = from_->text().trimmed();
    a.fromName = senderName_->text();
    a.caFile = setting("mail", "cafile");
    // The time-outs a message is sent with (device.ini's `timeout`, at most the 30 s default),
    // so that the check answers as sending would.
    bool ok = false;
    const int seconds = setting("mail", "timeout").toInt(&ok);
    a.timeoutMs = std::min(ok && seconds > 0 ? seconds : 30, 30) * 1000;
    a.connectTimeoutMs = std::min(a.timeoutMs, a.connectTimeoutMs);
    return a;
}

void MailSection::checkAccount()
{
    if (checker_)
        return;
    // The button goes grey while the server is asked; the focus comes back to it after.
    const bool refocus = window()->focusWidget() == check_;
    status_->setText(tr("Connecting to the server…"));
    markProblem(status_, false);
    updateVisibility();
    bringIntoView(status_);
    checker_ = std::make_unique<SmtpSender>(account(), keyring_);
    emit changed();
    checker_->checkAccount([this, refocus](bool ok, const QString& answer) {
        status_->setText(stringWithFormat((ok ? tr("The server accepted the login. It answered: %@")
                                              : tr("The account does not work: %@"))
                                              .toUtf8()
                                              .constData(),
                                          answer));
        markProblem(status_, !ok);
        // Not inside the sender's own call.
        QTimer::singleShot(0, this, [this, refocus] {
            checker_.reset();
            emit changed();
            if (refocus)
                check_->setFocus(Qt::OtherFocusReason);
            bringIntoView(status_);
        });
    });
}

void MailSection::keepPassword(const std::function<void(const FilePassword&)>& done)
{
    const bool smtp = transport_->currentIndex() == Smtp;
    const QString user = user_->text().trimmed();
    const QString newKey = smtp && !user.isEmpty() ? Keyring::smtpKey(user, server_->text()) : QString();
    const QString oldKey = loadedUser_.isEmpty() ? QString() : Keyring::smtpKey(loadedUser_, loadedServer_);
    // Another user or server: the old account's password is forgotten, and never goes to the
    // new account unless typed again.
    const bool forgetOld = smtp && !oldKey.isEmpty() && oldKey != newKey;
    const QString password = forgetOld && !passwordTyped_ ? QString() : password_->text();
    if (smtp && !password.isEmpty() && keepInFile_->isChecked()) {
        done({true, false, password_->text()});
        return;
    }
    const bool toKeyring = !newKey.isEmpty() && !password.isEmpty();
    // Kept in the keyring now, so out of the file; an emptied field takes it out too.
    const bool outOfFile = toKeyring || (!filePassword_.isEmpty() && password.isEmpty());
    if (!toKeyring && !forgetOld) {
        done({false, outOfFile, {}});
        return;
    }
    emit busyChanged(true);
    passwordNote_->setText(tr("Saving…"));
    const QPointer<MailSection> self(this);
    auto finish = [self, outOfFile, done](const KeyringAnswer& answer) {
        if (!self)
            return;
        emit self->busyChanged(false);
        if (answer.status != KeyringAnswer::Ok) {
            self->keyringFailed(answer);
            return;
        }
        done({false, outOfFile, {}});
    };
    auto forget = [self, oldKey, forgetOld, finish](const KeyringAnswer& written) {
        if (!self)
            return;
        if (!forgetOld || written.status != KeyringAnswer::Ok) {
            finish(written);
            return;
        }
        self->keyring_->deletePassword(oldKey, [finish](const KeyringAnswer& answer) {
            // Without a Secret Service there is no old entry to remove.
            finish(answer.status == KeyringAnswer::Unavailable ? KeyringAnswer{KeyringAnswer::Ok, {}, {}} : answer);
        });
    };
    if (toKeyring)
        keyring_->writePassword(newKey, password, forget);
    else
        forget(KeyringAnswer{KeyringAnswer::Ok, {}, {}});
}

void MailSection::keyringFailed(const KeyringAnswer& answer)
{
    const QString why = answer.status == KeyringAnswer::Unavailable ? tr("no keyring (Secret Service) answers")
                        : answer.status == KeyringAnswer::Denied    ? tr("the keyring is locked")
                                                                    : answer.error;
    NSLog("Settings: the password could not be kept in the keyring: %@", why);
    passwordNote_->setText(stringWithFormat(
        tr("The password could not be put in the keyring: %@. Nothing was saved. You can keep it in device.ini "
           "instead, but anyone who can read that file can read the password.")
            .toUtf8()
            .constData(),
        why));
    keepInFile_->setProperty("offered", true);
    updateVisibility();
    emit needsAttention();
    keepInFile_->setFocus();
}
