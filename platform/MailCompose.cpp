#include "platform/MailCompose.h"
#include "platform/Log.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <QVBoxLayout>

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
    : QDialog(parent), sender_(sender ? std::move(sender) : MailSender::fromDeviceSettings()),
      draftsFolder_(draftsFolder.isEmpty() ? defaultDraftsFolder() : std::move(draftsFolder))
{
    setObjectName(QStringLiteral("mailComposer"));
    setWindowTitle(tr("New E-mail"));
    setAccessibleName(tr("New E-mail"));
    auto* layout = new QVBoxLayout(this);
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
        from->setObjectName(QStringLiteral("from"));
        form->addRow(tr("From:"), from);
    }
    layout->addLayout(form);
    bodyField_ = new QPlainTextEdit(this);
    bodyField_->setObjectName(QStringLiteral("body"));
    bodyField_->setAccessibleName(tr("Message"));
    bodyField_->setTabChangesFocus(true);
    layout->addWidget(bodyField_, 1);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setAccessibleName(tr("Sending"));
    progress_->setRange(0, 0);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(8);
    progress_->hide();
    layout->addWidget(progress_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* buttons = new QDialogButtonBox(this);
    cancelButton_ = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    saveButton_ = buttons->addButton(tr("Save"), QDialogButtonBox::ActionRole);
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    sendButton_ = buttons->addButton(tr("Send"), QDialogButtonBox::AcceptRole);
    sendButton_->setObjectName(QStringLiteral("sendButton"));
    sendButton_->setDefault(true);
    layout->addWidget(buttons);
    connect(cancelButton_, &QPushButton::clicked, this, &MailComposeViewController::reject);
    connect(saveButton_, &QPushButton::clicked, this, &MailComposeViewController::save);
    connect(sendButton_, &QPushButton::clicked, this, &MailComposeViewController::send);
    connect(toField_, &QLineEdit::textChanged, this, &MailComposeViewController::updateButtons);
    resize(360, 460);
    updateButtons();
}

MailComposeViewController::~MailComposeViewController()
{
    finished_ = true;
    if (sending_ && sender_)
        sender_->abort();
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

QString MailComposeViewController::body() const
{
    return bodyField_->toPlainText();
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
    sending_ = true;
    progress_->show();
    status_->setText(tr("Sending to %1…").arg(m.to.join(QStringLiteral(", "))));
    updateButtons();
    QPointer<MailComposeViewController> self(this);
    sender_->send(m, [self](bool sent, const QString& error) {
        if (!self || self->finished_)
            return;
        self->sending_ = false;
        self->progress_->hide();
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
    MailMessage check = m;
    if (check.to.isEmpty())
        check.to = QStringList{QStringLiteral("-")};
    if (const QString problem = check.problem(); !problem.isEmpty()) {
        finish(MFMailComposeResultFailed, ComposeError(ComposeError::HeaderInjection, problem));
        return;
    }
    QDir().mkpath(draftsFolder_);
    const QDateTime now = QDateTime::currentDateTime();
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString path = draftsFolder_ + u'/' + now.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + uuid.left(8)
                         + QStringLiteral(".eml");
    const QString domain = m.fromAddress.isEmpty() ? QStringLiteral("localhost") : m.fromAddress.section(u'@', -1);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m.toMime(now, uuid + u'@' + domain, true)) < 0
        || !file.commit()) {
        const QString why = tr("The draft could not be saved in %1: %2").arg(draftsFolder_, file.errorString());
        NSLog("Mail: %@", why);
        finish(MFMailComposeResultFailed, ComposeError(ComposeError::SaveFailed, why));
        return;
    }
    savedDraft_ = path;
    finish(MFMailComposeResultSaved);
}

void MailComposeViewController::reject()
{
    if (finished_)
        return;
    if (sending_) {
        // The sender still reports, and that report becomes the one outcome.
        cancelRequested_ = true;
        cancelButton_->setEnabled(false);
        status_->setText(tr("Cancelling…"));
        sender_->abort();
        return;
    }
    finish(MFMailComposeResultCancelled);
}

void MailComposeViewController::finish(int result, std::optional<ComposeError> error)
{
    if (finished_)
        return;
    finished_ = true;
    updateButtons();
    cancelButton_->setEnabled(false);
    if (delegate_)
        delegate_->mailComposeControllerDidFinishWithResult(this, result, error ? &*error : nullptr);
}
