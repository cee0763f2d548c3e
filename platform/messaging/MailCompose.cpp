#include "platform/messaging/MailCompose.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PrivateFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QUuid>

bool MailComposeViewController::canSendMail()
{
    std::unique_ptr<MailSender> sender = MailSender::fromDeviceSettings();
    return sender && sender->isAvailable();
}

QString MailComposeViewController::defaultDraftsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quorvel/drafts");
}

MailComposeViewController::MailComposeViewController(std::unique_ptr<MailSender> sender, QString draftsFolder,
                                                     QWidget* parent)
    : ComposerDialog(QStringLiteral("mailComposer"), tr("New E-mail"), parent),
      sender_(sender ? std::move(sender) : MailSender::fromDeviceSettings()),
      draftsFolder_(draftsFolder.isEmpty() ? defaultDraftsFolder() : std::move(draftsFolder))
{
    auto* form = new QFormLayout;
    toField_ = new QLineEdit(this);
    toField_->setObjectName(QStringLiteral("to"));
    toField_->setAccessibleName(tr("To"));
    toField_->setPlaceholderText(tr("Addresses, separated by commas"));
    toField_->setInputMethodHints(Qt::ImhEmailCharactersOnly);
    form->addRow(tr("To:"), toField_);
    subjectField_ = new QLineEdit(this);
    subjectField_->setObjectName(QStringLiteral("subject"));
    subjectField_->setAccessibleName(tr("Subject"));
    form->addRow(tr("Subject:"), subjectField_);
    if (sender_ && !sender_->fromAddress().isEmpty()) {
        auto* from = new QLabel(sender_->fromAddress(), this);
        from->setTextFormat(Qt::PlainText);
        from->setObjectName(QStringLiteral("from"));
        form->addRow(tr("From:"), from);
    }
    buildFrame(form, true);
    progress_->setAccessibleName(tr("Sending"));
    connect(saveButton_, &QPushButton::clicked, this, &MailComposeViewController::save);
    connect(toField_, &QLineEdit::textChanged, this, &MailComposeViewController::updateButtons);
    resize(360, 460);
    updateButtons();
}

MailComposeViewController::~MailComposeViewController()
{
    abandon();
}

void MailComposeViewController::setToRecipients(const QStringList& recipients)
{
    toField_->setText(recipients.join(QStringLiteral(", ")));
}

void MailComposeViewController::setSubject(const QString& subject)
{
    subjectField_->setText(subject);
}

void MailComposeViewController::setMessageBody(const QString& body, bool)
{
    bodyField_->setPlainText(body);
}

QStringList MailComposeViewController::toRecipients() const
{
    // A line edit turns a pasted line break into a space, so the raw text is split as it
    // stands; the checks in MailMessage see anything that slipped through from code.
    QStringList out;
    for (const QString& part : toField_->text().split(u',')) {
        if (!part.trimmed().isEmpty())
            out.append(part.trimmed());
    }
    return out;
}

QString MailComposeViewController::subject() const
{
    return subjectField_->text();
}

MailMessage MailComposeViewController::message() const
{
    MailMessage m;
    if (sender_) {
        m.fromAddress = sender_->fromAddress();
        m.fromName = sender_->fromName();
    }
    m.to = toRecipients();
    m.subject = subject();
    m.body = body();
    return m;
}

void MailComposeViewController::updateButtons()
{
    sendButton_->setEnabled(!sending_ && !finished_ && !toRecipients().isEmpty());
    saveButton_->setEnabled(!sending_ && !finished_);
    toField_->setReadOnly(sending_);
    subjectField_->setReadOnly(sending_);
    bodyField_->setReadOnly(sending_);
}

void MailComposeViewController::send()
{
    if (sending_ || finished_)
        return;
    const MailMessage m = message();
    if (const QString problem = m.problem(); !problem.isEmpty()) {
        NSLog("Mail: refused to send: %@", problem);
        finish(MFMailComposeResultFailed, ComposeError(ComposeError::HeaderInjection, problem));
        return;
    }
    if (!sender_) {
        finish(MFMailComposeResultFailed, ComposeError(ComposeError::NotConfigured, tr("No mail account is set up.")));
        return;
    }
    setBusy(true);
    status_->setText(tr("Sending to %1…").arg(m.to.join(QStringLiteral(", "))));
    updateButtons();
    QPointer<MailComposeViewController> self(this);
    sender_->send(m, [self](bool sent, const QString& error) {
        if (!self || self->finished_)
            return;
        self->setBusy(false);
        if (sent) {
            self->status_->setText(tr("Sent."));
            self->finish(MFMailComposeResultSent);
        } else if (self->cancelRequested_) {
            self->finish(MFMailComposeResultCancelled);
        } else {
            NSLog("Mail: sending failed: %@", error);
            self->status_->setText(error);
            self->finish(MFMailComposeResultFailed, ComposeError(ComposeError::SendFailed, error));
        }
    });
}

void MailComposeViewController::save()
{
    if (sending_ || finished_)
        return;
    const MailMessage m = message();
    // A draft may lack a recipient; it must still not carry injected headers.
    if (const QString problem = m.draftProblem(); !problem.isEmpty()) {
        finish(MFMailComposeResultFailed, ComposeError(ComposeError::HeaderInjection, problem));
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString path = draftsFolder_ + u'/' + now.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + uuid.left(8)
                         + QStringLiteral(".eml");
    const QString domain = m.fromAddress.isEmpty() ? QStringLiteral("localhost") : m.fromAddress.section(u'@', -1);
    // A draft holds the position and the recipients: the folder and the file are the user's alone.
    QString error;
    if (!PrivateFiles::writeAtomically(path, m.toMime(now, uuid + u'@' + domain, true), &error)) {
        const QString why = tr("The draft could not be saved in %1: %2").arg(draftsFolder_, error);
        NSLog("Mail: %@", why);
        finish(MFMailComposeResultFailed, ComposeError(ComposeError::SaveFailed, why));
        return;
    }
    savedDraft_ = path;
    finish(MFMailComposeResultSaved);
}

void MailComposeViewController::abortSending()
{
    if (sender_)
        sender_->abort();
}

void MailComposeViewController::finishCancelled()
{
    finish(MFMailComposeResultCancelled);
}

void MailComposeViewController::finish(int result, std::optional<ComposeError> error)
{
    if (!markFinished())
        return;
    if (delegate_)
        delegate_->mailComposeControllerDidFinishWithResult(this, result, error ? &*error : nullptr);
}
