#include "platform/messaging/MessageCompose.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PhoneNumber.h"
#include "platform/messaging/SmsSenders.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

std::unique_ptr<SmsSender> SmsSender::fromDeviceSettings()
{
    const QString group = QStringLiteral("sms");
    const QString kind = DeviceSettings::value(group, QStringLiteral("sender")).trimmed().toLower();
    bool ok = false;
    const int seconds = DeviceSettings::value(group, QStringLiteral("timeout")).toInt(&ok);
    const int timeoutMs = ok && seconds > 0 ? seconds * 1000 : 30000;
    if (kind == QLatin1String("modemmanager")) {
        ModemManagerOptions o;
        o.busAddress = DeviceSettings::value(group, QStringLiteral("bus"));
        o.modemPath = DeviceSettings::value(group, QStringLiteral("modem"));
        o.timeoutMs = timeoutMs;
        return std::make_unique<ModemManagerSender>(o);
    }
    if (kind == QLatin1String("kdeconnect")) {
        KdeConnectOptions o;
        o.program = DeviceSettings::value(group, QStringLiteral("program"), o.program);
        o.deviceId = DeviceSettings::value(group, QStringLiteral("device"));
        o.timeoutMs = timeoutMs;
        return std::make_unique<KdeConnectSender>(o);
    }
    if (!kind.isEmpty())
        NSLog("SMS: unknown sender \"%@\" in %@", kind, DeviceSettings::path());
    return nullptr;
}

bool MessageComposeViewController::canSendText()
{
    std::unique_ptr<SmsSender> sender = SmsSender::fromDeviceSettings();
    return sender && sender->isAvailable();
}

MessageComposeViewController::MessageComposeViewController(std::unique_ptr<SmsSender> sender, QWidget* parent)
    : ComposerDialog(QStringLiteral("messageComposer"), tr("New Message"), parent),
      sender_(sender ? std::move(sender) : SmsSender::fromDeviceSettings())
{
    auto* form = new QFormLayout;
    recipientsField_ = new QLineEdit(this);
    recipientsField_->setObjectName(QStringLiteral("recipients"));
    recipientsField_->setAccessibleName(tr("To"));
    recipientsField_->setPlaceholderText(tr("Phone numbers, separated by commas"));
    recipientsField_->setInputMethodHints(Qt::ImhDialableCharactersOnly);
    form->addRow(tr("To:"), recipientsField_);
    // The field scrolls; this does not, so that nobody is sent to who was not seen.
    recipientList_ = new QLabel(this);
    recipientList_->setObjectName(QStringLiteral("recipientList"));
    recipientList_->setTextFormat(Qt::PlainText);
    recipientList_->setWordWrap(true);
    form->addRow(QString(), recipientList_);
    buildFrame(form, false);
    connect(recipientsField_, &QLineEdit::textEdited, this, [this] {
        cut_ = false;
        updateButtons();
    });
    connect(recipientsField_, &QLineEdit::textChanged, this, &MessageComposeViewController::updateButtons);
    connect(bodyField_, &QPlainTextEdit::textChanged, this, &MessageComposeViewController::updateButtons);
    resize(340, 420);
    updateButtons();
}

MessageComposeViewController::~MessageComposeViewController()
{
    abandon();
}

void MessageComposeViewController::setRecipients(const QStringList& recipients)
{
    const QString text = recipients.join(QStringLiteral(", "));
    // The field keeps only so much; what it cuts off could leave a different number.
    cut_ = text.size() > recipientsField_->maxLength();
    recipientsField_->setText(text);
}

void MessageComposeViewController::setBody(const QString& body)
{
    bodyField_->setPlainText(body);
}

QStringList MessageComposeViewController::recipients() const
{
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    QStringList out;
    for (const QString& part : recipientsField_->text().split(separators)) {
        const QString number = part.trimmed();
        if (!number.isEmpty())
            out.append(number);
    }
    return out;
}

namespace {

// A value within our own words: isolated, so that its direction marks cannot reorder them,
// and cut when it is too long to be read anyway.
QString quoted(const QString& value)
{
    constexpr qsizetype shownLength = 200;
    const QString shown = value.size() > shownLength ? value.left(shownLength) + QStringLiteral("\u2026") : value;
    return QStringLiteral("\u201c\u2068") + shown + QStringLiteral("\u2069\u201d");
}

} // namespace

QString MessageComposeViewController::recipientsProblem() const
{
    if (cut_)
        return tr("The recipients were longer than %1 characters and were cut.").arg(recipientsField_->maxLength());
    for (const QString& number : recipients())
        if (const QString why = PhoneNumber::problem(number); !why.isEmpty())
            return tr("%1 cannot be sent to: %2").arg(quoted(number), why);
    return {};
}

void MessageComposeViewController::updateButtons()
{
    const QString problem = recipientsProblem();
    recipientList_->setText(problem.isEmpty() ? recipients().join(u'\n') : problem);
    sendButton_->setEnabled(!sending_ && !finished_ && problem.isEmpty() && !recipients().isEmpty()
                            && !body().isEmpty());
    recipientsField_->setReadOnly(sending_);
    bodyField_->setReadOnly(sending_);
}

void MessageComposeViewController::send()
{
    if (sending_ || finished_ || recipients().isEmpty() || body().isEmpty())
        return;
    if (const QString problem = recipientsProblem(); !problem.isEmpty()) {
        status_->setText(problem);
        return;
    }
    if (!sender_ || !sender_->isAvailable()) {
        status_->setText(tr("No SMS sender is available."));
        finish(MessageComposeResultFailed);
        return;
    }
    pending_ = recipients();
    text_ = body();
    sentCount_ = 0;
    setBusy(true);
    updateButtons();
    sendNext();
}

void MessageComposeViewController::sendNext()
{
    if (pending_.isEmpty()) {
        setBusy(false);
        finish(MessageComposeResultSent);
        return;
    }
    const QString number = pending_.takeFirst();
    status_->setText(tr("Sending to %1…").arg(number));
    QPointer<MessageComposeViewController> self(this);
    sender_->send(number, text_, [self, number](bool sent, const QString& error) {
        if (!self || self->finished_)
            return;
        if (sent)
            ++self->sentCount_;
        if (self->cancelRequested_) {
            // What already went out cannot be called back: all of it counts as sent, part
            // of it as failed.
            self->sending_ = false;
            const int result = sent && self->pending_.isEmpty() ? MessageComposeResultSent
                               : self->sentCount_ > 0          ? MessageComposeResultFailed
                                                               : MessageComposeResultCancelled;
            self->finish(result);
            return;
        }
        if (!sent) {
            NSLog("SMS: sending to %@ failed: %@", number, error);
            self->setBusy(false);
            self->status_->setText(error);
            self->finish(MessageComposeResultFailed);
            return;
        }
        self->sendNext();
    });
}

void MessageComposeViewController::abortSending()
{
    if (sender_)
        sender_->abort();
}

void MessageComposeViewController::finishCancelled()
{
    finish(MessageComposeResultCancelled);
}

void MessageComposeViewController::finish(int result)
{
    if (!markFinished())
        return;
    if (delegate_)
        delegate_->messageComposeViewControllerDidFinishWithResult(this, result);
}
