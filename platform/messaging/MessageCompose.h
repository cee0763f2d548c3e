#pragma once
// The SMS composer: a dialog showing recipients and body, both editable, with Send and
// Cancel, over a sender chosen in the device settings ([sms] group). It reports exactly
// one outcome to its delegate.

#include "platform/messaging/ComposerDialog.h"

#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class MessageComposeViewController;
class QLabel;
class QLineEdit;

enum MessageComposeResult {
    MessageComposeResultCancelled = 0,
    MessageComposeResultSent = 1,
    MessageComposeResultFailed = 2,
};

class MessageComposeViewControllerDelegate {
public:
    virtual ~MessageComposeViewControllerDelegate() = default;
    virtual void messageComposeViewControllerDidFinishWithResult(MessageComposeViewController* controller,
                                                                 int result) = 0;
};

// Delivers one text to one number. Exactly one call of `done` follows each `send`, later,
// on the main thread; `error` is empty when the sender confirmed delivery to the network.
class SmsSender {
public:
    using Done = std::function<void(bool sent, const QString& error)>;
    virtual ~SmsSender() = default;
    virtual bool isAvailable() = 0;
    virtual void send(const QString& number, const QString& text, Done done) = 0;
    // Gives up on a send in flight; its `done` is still called.
    virtual void abort() {}

    // The sender the device settings name ("sender" in [sms]: "modemmanager" or
    // "kdeconnect"), or none.
    static std::unique_ptr<SmsSender> fromDeviceSettings();
};

class MessageComposeViewController : public ComposerDialog {
    Q_OBJECT
public:
    // Without a sender the one from the device settings is used.
    explicit MessageComposeViewController(std::unique_ptr<SmsSender> sender = {}, QWidget* parent = nullptr);
    ~MessageComposeViewController() override;

    // True when the device settings name a sender that is available now.
    static bool canSendText();

    void setMessageComposeDelegate(MessageComposeViewControllerDelegate* delegate) { delegate_ = delegate; }
    void setRecipients(const QStringList& recipients);
    void setBody(const QString& body);
    // What the dialog holds now (the user may have edited it).
    QStringList recipients() const;
    // Why one of them cannot be sent to, or empty.
    QString recipientsProblem() const;

    // What the buttons do (and reject(), from the dialog).
    void send() override;

private:
    void sendNext();
    void finish(int result);
    void abortSending() override;
    void finishCancelled() override;
    void updateButtons() override;

    std::unique_ptr<SmsSender> sender_;
    MessageComposeViewControllerDelegate* delegate_ = nullptr;
    QLineEdit* recipientsField_ = nullptr;
    QLabel* recipientList_ = nullptr; // each recipient in full, one per line
    bool cut_ = false;                // set longer than the field holds, until edited
    QStringList pending_;
    QString text_;
    int sentCount_ = 0;
};
