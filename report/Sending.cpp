// Sending the report by SMS or e-mail, and picking the recipient from the contacts.

#include "report/QuorvelFirstViewController.h"
#include "report/FixQuality.h"
#include "report/Placeholders.h"
#include "platform/foundation/TouchScreen.h"
#include "platform/ui/AlertView.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/Log.h"
#include "platform/messaging/MailCompose.h"
#include "platform/messaging/MailMessage.h"
#include "platform/messaging/MessageCompose.h"
#include "platform/contacts/PeoplePicker.h"
#include "platform/ui/SegmentedControl.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QString okButton = QStringLiteral("OK");
const QString literalInfo = QStringLiteral("Info");

void showAlert(const QString& title, const char* messageKey)
{
    (new AlertView(title, localizedText(messageKey), nullptr, okButton))->show();
}

void showProblem(const QString& problem)
{
    (new AlertView(localizedText("Error"), problem, nullptr, okButton))->show();
}

} // namespace

void QuorvelFirstViewController::presentViewController(QDialog* controller, bool)
{
    presented_ = controller;
    controller->setParent(isViewLoaded() ? view()->window() : window(), Qt::Dialog);
    controller->setWindowModality(Qt::WindowModal);
    showFitting(controller);
}

void QuorvelFirstViewController::dismissViewControllerAnimated(bool)
{
    if (QDialog* controller = presented_) {
        presented_ = nullptr;
        // An outcome alert shown a moment ago sits over the composer, the active window;
        // it must outlive the composer, so it moves to the window below.
        QWidget* below = controller->parentWidget() ? controller->parentWidget()->window() : nullptr;
        for (AlertView* alert : controller->findChildren<AlertView*>(Qt::FindDirectChildrenOnly)) {
            const bool shown = alert->isVisible();
            alert->setParent(below);
            if (below && shown) {
                alert->move((below->width() - alert->width()) / 2, (below->height() - alert->height()) / 3);
                alert->QFrame::show();
                alert->raise();
            }
        }
        controller->hide();
        controller->deleteLater();
    }
}

void QuorvelFirstViewController::sendSMS(QObject*)
{
    // A demo position sent as if it were the user's could send help to the wrong place.
    // So could a Wi-Fi guess kilometres off, or a fix from long ago. One question covers
    // all three.
    if (!sendConfirmed_) {
        const bool demo = locationManager && locationManager->isDemo();
        const QString warning = demo || !lastLocation
                                    ? QString()
                                    : FixQuality::sendWarning(*lastLocation, QDateTime::currentDateTimeUtc());
        if (demo || !warning.isEmpty()) {
            if (!sendConfirmation_) {
                sendConfirmation_ = demo ? new AlertView(localizedText("DemoSendTitle"), localizedText("DemoSendMessage"),
                                                         this, localizedText("DemoSendNo"), {localizedText("DemoSendYes")})
                                         : new AlertView(localizedText("CheckSendTitle"), warning, this,
                                                         localizedText("DemoSendNo"), {localizedText("CheckSendYes")});
                sendConfirmation_->show();
            }
            return;
        }
    }
    QStringList recipients;
    if (phoneNumber && !phoneNumber->text().isNull())
        recipients.append(phoneNumber->text());
    const QString text = Placeholders::removeMarkers(Message ? Message->text() : QString(), filledLink_);
    NSLog("Message to send: %@", text);
    // What was typed or pasted goes over as it is; the composer shows each recipient and
    // refuses what is not a number.
    const int kind = MessageSegment ? MessageSegment->selectedSegmentIndex() : -1;
    if (kind == 0) {
        if (services_.canSendText && services_.canSendText() && services_.makeMessageComposer) {
            std::unique_ptr<MessageComposeViewController> composer = services_.makeMessageComposer();
            composer->setMessageComposeDelegate(this);
            composer->setRecipients(recipients);
            composer->setBody(text);
            presentViewController(composer.release(), true);
        } else {
            showAlert(localizedText("Error"), "DeviceNotConfigured");
        }
    } else if (kind == 1) {
        if (services_.canSendMail && services_.canSendMail() && services_.makeMailComposer) {
            std::unique_ptr<MailComposeViewController> composer = services_.makeMailComposer();
            composer->setMailComposeDelegate(this);
            composer->setToRecipients(recipients);
            composer->setSubject(localizedText("EmailSubject"));
            composer->setMessageBody(text, false);
            presentViewController(composer.release(), true);
        } else {
            showAlert(localizedText("Error"), "DeviceNotConfiguredEmail");
        }
    }
}

void QuorvelFirstViewController::alertViewClickedButtonAtIndex(AlertView* alertView, int buttonIndex)
{
    if (!alertView || alertView != sendConfirmation_)
        return;
    sendConfirmation_ = nullptr;
    // Index 0 is "don't send", the default.
    if (buttonIndex != 1)
        return;
    sendConfirmed_ = true;
    sendSMS(sendButton);
    sendConfirmed_ = false;
}

void QuorvelFirstViewController::messageComposeViewControllerDidFinishWithResult(MessageComposeViewController*,
                                                                                 int result)
{
    switch (result) {
    case MessageComposeResultCancelled:
        showAlert(localizedText("Info"), "SMSSendingCanceled");
        break;
    case MessageComposeResultSent:
        showAlert(literalInfo, "SMSSent");
        if (phoneNumber)
            phoneNumber->setText(QString());
        break;
    case MessageComposeResultFailed:
        showAlert(localizedText("Error"), "SMSSendingFailed");
        break;
    default:
        showAlert(literalInfo, "SMSNotSent");
        break;
    }
    dismissViewControllerAnimated(true);
}

void QuorvelFirstViewController::mailComposeControllerDidFinishWithResult(MailComposeViewController*, int result,
                                                                          const ComposeError* error)
{
    if (error) {
        // Whatever the result says: the error's own words are what the user needs.
        (new AlertView(QStringLiteral("Email error"), error->localizedDescription(), this, QString(), {okButton}))
            ->show();
        dismissViewControllerAnimated(true);
        return;
    }
    switch (result) {
    case MFMailComposeResultCancelled:
        showAlert(localizedText("Info"), "EmailSendingCanceled");
        break;
    case MFMailComposeResultSaved:
        showAlert(literalInfo, "EmailSaved");
        if (phoneNumber)
            phoneNumber->setText(QString());
        break;
    case MFMailComposeResultSent:
        showAlert(literalInfo, "EmailSent");
        if (phoneNumber)
            phoneNumber->setText(QString());
        break;
    case MFMailComposeResultFailed:
        showAlert(localizedText("Error"), "SMSSendingFailed");
        break;
    default:
        showAlert(literalInfo, "EmailNotSent");
        break;
    }
    dismissViewControllerAnimated(true);
}

void QuorvelFirstViewController::contactButton(QObject*)
{
    if (!services_.makePeoplePicker)
        return;
    std::unique_ptr<PeoplePickerNavigationController> picker = services_.makePeoplePicker();
    picker->setPeoplePickerDelegate(this);
    presentViewController(picker.release(), true);
}

void QuorvelFirstViewController::peoplePickerNavigationControllerDidCancel(PeoplePickerNavigationController*)
{
    dismissViewControllerAnimated(true);
}

bool QuorvelFirstViewController::peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(
    PeoplePickerNavigationController*, const Person& person)
{
    const int kind = MessageSegment ? MessageSegment->selectedSegmentIndex() : -1;
    // Any other kind is left open by the rules; it reads the phone numbers, as SMS does.
    QStringList values = person.copyValue(kind == 1 ? PersonProperty::Email : PersonProperty::Phone);
    QString refused;
    if (kind != 1) {
        refused = person.refused.value(0);
    } else {
        // Anything but one bare address would reach the composer as more recipients, or as
        // a name of the contact's choosing in the header.
        const qsizetype count = values.size();
        values.removeIf([](const QString& address) { return !Mime::isAddress(address.trimmed()); });
        if (values.size() < count)
            refused = tr("The contact's e-mail address cannot be used: it is not a plain address "
                         "(name@example.org).");
    }
    QString value;
    if (!values.isEmpty()) {
        value = values.at(0).trimmed();
        if (sendButton)
            sendButton->setEnabled(true);
        showSendReadiness(true);
    } else {
        value = QStringLiteral("[None]");
        if (!refused.isEmpty())
            showProblem(refused);
    }
    if (phoneNumber)
        phoneNumber->setText(value);
    dismissViewControllerAnimated(true);
    return false;
}

bool QuorvelFirstViewController::peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(
    PeoplePickerNavigationController*, const Person&, PersonProperty, int)
{
    return false;
}
