#pragma once
// The e-mail composer: a dialog with To, Subject and a plain-text Body, with Send, Save and
// Cancel, over the account of the device settings ([mail] group). It reports exactly one
// outcome to its delegate, with an error where sending failed.

#include "platform/messaging/ComposerDialog.h"
#include "platform/messaging/MailMessage.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Keyring;
class MailComposeViewController;
class QLineEdit;

enum MailComposeResult {
    MFMailComposeResultCancelled = 0,
    MFMailComposeResultSaved = 1,
    MFMailComposeResultSent = 2,
    MFMailComposeResultFailed = 3,
};

// The error object that comes with a failed send.
class ComposeError {
public:
    enum Code { SendFailed = 1, SaveFailed = 2, HeaderInjection = 3, NotConfigured = 4 };
    ComposeError(Code code, QString description) : code_(code), description_(std::move(description)) {}
    Code code() const { return code_; }
    // A text to show to the user as it stands.
    QString localizedDescription() const { return description_; }

private:
    Code code_;
    QString description_;
};

class MailComposeDelegate {
public:
    virtual ~MailComposeDelegate() = default;
    virtual void mailComposeControllerDidFinishWithResult(MailComposeViewController* controller, int result,
                                                          const ComposeError* error) = 0;
};

// Hands one finished message to the account. `done` is called exactly once per `send`,
// later, on the main thread; an empty `error` means the server (or sendmail) accepted it.
class MailSender {
public:
    using Done = std::function<void(bool sent, const QString& error)>;
    virtual ~MailSender() = default;
    virtual bool isAvailable() = 0;
    virtual QString fromAddress() const = 0;
    virtual QString fromName() const { return {}; }
    virtual void send(const MailMessage& message, Done done) = 0;
    // Gives up on a send in flight; its `done` is still called.
    virtual void abort() {}

    // The account of the device settings ("transport" in [mail]: "smtp" or "sendmail"), or
    // none. An SMTP password that the file does not hold is read from `keyring` (the
    // session's Secret Service when none is given).
    static std::unique_ptr<MailSender> fromDeviceSettings(std::shared_ptr<Keyring> keyring = {});
};

class MailComposeViewController : public ComposerDialog {
    Q_OBJECT
public:
    // Without a sender the account from the device settings is used; without a folder,
    // drafts go to quorvel/drafts in the per-user data location.
    explicit MailComposeViewController(std::unique_ptr<MailSender> sender = {}, QString draftsFolder = {},
                                       QWidget* parent = nullptr);
    ~MailComposeViewController() override;

    // True when the device settings hold a usable account.
    static bool canSendMail();
    static QString defaultDraftsFolder();

    void setMailComposeDelegate(MailComposeDelegate* delegate) { delegate_ = delegate; }
    void setToRecipients(const QStringList& recipients);
    void setSubject(const QString& subject);
    // Plain text only: an HTML body is shown and sent as its source text.
    void setMessageBody(const QString& body, bool isHTML);
    QStringList toRecipients() const;
    QString subject() const;
    // The draft written by the last save.
    QString savedDraftPath() const { return savedDraft_; }

    // What the buttons do (and reject(), from the dialog).
    void send() override;
    void save();

private:
    MailMessage message() const;
    void finish(int result, std::optional<ComposeError> error = std::nullopt);
    void abortSending() override;
    void finishCancelled() override;
    void updateButtons() override;

    std::unique_ptr<MailSender> sender_;
    QString draftsFolder_;
    MailComposeDelegate* delegate_ = nullptr;
    QLineEdit* toField_ = nullptr;
    QLineEdit* subjectField_ = nullptr;
    QString savedDraft_;
};
