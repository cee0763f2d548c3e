#pragma once
// The report screen: position, message and recipient come together here and the message
// is sent.

#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/geocoding/Geocoder.h"
#include "platform/location/LocationManager.h"
#include "platform/messaging/MailCompose.h"
#include "platform/messaging/MessageCompose.h"
#include "platform/contacts/PeoplePicker.h"
#include "platform/ui/TextField.h"
#include "platform/foundation/WindowSight.h"
#include "report/ReportServices.h"
#include "platform/ui/ViewController.h"

#include <QPointer>
#include <QStringList>
#include <memory>
#include <optional>

class NavigationBar;
class QLabel;
class QPushButton;
class QTimer;
class SegmentedControl;

namespace Ui {
class ReportScreen;
}

class QuorvelFirstViewController : public ViewController, public TextFieldDelegate, public TextViewDelegate,
                                   public LocationManagerDelegate, public ActionSheetDelegate, public AlertViewDelegate,
                                   public MessageComposeViewControllerDelegate, public MailComposeDelegate,
                                   public PeoplePickerNavigationControllerDelegate {
    Q_OBJECT
public:
    explicit QuorvelFirstViewController(ReportServices services = {}, QWidget* parent = nullptr);
    ~QuorvelFirstViewController() override;

    // Life.
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void viewDidUnload() override;
    void didReceiveMemoryWarning() override;
    bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation) override;

    // Message composition.
    void updateMessageTextWithCoordinates(std::optional<QStringList> coordinates, std::optional<QString> locality);
    void loadSettings();
    void storeLastUsedMessage();
    void messageTypeChanged();

    // Editing.
    void textFieldDidBeginEditing(TextField* textField) override;
    bool textFieldShouldEndEditing(TextField* textField) override;
    void textFieldDidEndEditing(TextField* textField) override;
    void textViewDidBeginEditing(TextView* textView) override;
    void textViewDidEndEditing(TextView* textView) override;
    void phoneNumberReturn(TextField* sender);
    void backgroundTouched();

    // Plain state.
    double lastLatitude = 0;
    double lastLongitude = 0;
    // The last fix delivered, for the link placeholder and the fix's accuracy and age.
    std::optional<Location> lastLocation;
    std::optional<QString> lastUsedMessage;
    QStringList messageTemplates;
    quint32 selectedMessageTemplateIndex = 0;

    // Outlets, from the screen's layout; they read as empty once the view is unloaded.
    QPointer<NavigationBar> navBar;
    QPointer<QLabel> positionLabel;
    QPointer<QPushButton> coordBtn;
    QPointer<QLabel> Latitude;
    QPointer<QLabel> Longitude;
    QPointer<QLabel> AMSL;
    QPointer<QLabel> AddressLabel;
    QPointer<TextView> Message;
    QPointer<TextField> phoneNumber;
    QPointer<QPushButton> contactsButton;
    QPointer<QPushButton> sendButton;
    QPointer<QLabel> SMSLabel;
    QPointer<SegmentedControl> MessageSegment;
    // Where the position comes from: a line while it is the demo walk, and a status line
    // while there is no fix.
    QPointer<QLabel> demoLabel;
    QPointer<QLabel> statusLabel;
    QPointer<QLabel> fixQualityLabel;

protected:
    void loadView(QWidget* view) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // SMSLabel's colour for send readiness: the theme's text colour when a recipient is
    // there, its disabled-text colour when not (black and gray on a light desktop).
    void showSendReadiness(bool ready);

    ReportServices services_;
    std::unique_ptr<Ui::ReportScreen> ui_;
    // The link last put into the message's link placeholders.
    QString filledLink_;

    // --- Position tracking and the format choice ---
public:
    void locationManagerDidUpdateToLocation(LocationManager* manager, const Location& location,
                                            const std::optional<Location>& fromLocation) override;
    void locationManagerDidFailWithError(LocationManager* manager, const LocationError& error) override;
    void showFormats();
    void actionSheetClickedButtonAtIndex(ActionSheet* actionSheet, int buttonIndex) override;
    void alertViewClickedButtonAtIndex(AlertView* alertView, int buttonIndex) override;
    // Shows the demo line and the status line as the location manager has them.
    void updatePositionSourceLines();
    // The accuracy and age of the last fix beside the coordinates, marked when coarse or old.
    void updateFixQuality();
    // Whether the window the screen is in can be seen (neither hidden, minimised nor covered).
    bool windowCanBeSeen() const;

    std::unique_ptr<LocationManager> locationManager;
    std::unique_ptr<Geocoder> geocoder;
    std::optional<Placemark> placemark;

private:
    void followWindow();
    // Wires the manager to this screen (its lines, delegate, accuracy and filter).
    void setUpLocationManager();
    // The device settings name another source: a new manager over it, following as before.
    void locationSourceChanged();
    void windowVisibilityChanged();

    QPointer<WindowSight> sight_;
    // The question before sending a demo, coarse or old position, and its answer.
    QPointer<AlertView> sendConfirmation_;
    bool sendConfirmed_ = false;
    QTimer* fixAgeTimer_ = nullptr;
    // What the SMS label shows, to be shown again in the colours of a new theme.
    std::optional<bool> shownReadiness_;
public:
    // Sending and contacts.
    void sendSMS(QObject* sender);
    void messageComposeViewControllerDidFinishWithResult(MessageComposeViewController* controller,
                                                         int result) override;
    void mailComposeControllerDidFinishWithResult(MailComposeViewController* controller, int result,
                                                  const ComposeError* error) override;
    void contactButton(QObject* sender);
    void peoplePickerNavigationControllerDidCancel(PeoplePickerNavigationController* picker) override;
    bool peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(PeoplePickerNavigationController* picker,
                                                                            const Person& person) override;
    bool peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(PeoplePickerNavigationController* picker,
                                                                            const Person& person,
                                                                            PersonProperty property,
                                                                            int identifier) override;
    // The composer or picker on screen, if any (the screen keeps no other reference).
    QDialog* presentedViewController() const { return presented_; }
    void presentViewController(QDialog* controller, bool animated);
    void dismissViewControllerAnimated(bool animated);

private:
    QPointer<QDialog> presented_;
};
