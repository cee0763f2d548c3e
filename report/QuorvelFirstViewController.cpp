#include "report/QuorvelFirstViewController.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/Log.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TabBarController.h"
#include "ui_ReportScreen.h"

#include <QGuiApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QMouseEvent>
#include <QTimer>

QuorvelFirstViewController::QuorvelFirstViewController(ReportServices services, QWidget* parent)
    : ViewController(parent), services_(std::move(services))
{
    setObjectName(QStringLiteral("QuorvelFirstViewController"));
    // A later start with --demo, handed to this one.
    NotificationCenter::defaultCenter().addObserver(this, QStringLiteral("locationSourceChanged"),
                                                    [this] { locationSourceChanged(); });
}

QuorvelFirstViewController::~QuorvelFirstViewController() = default;

void QuorvelFirstViewController::loadView(QWidget* view)
{
    setupLayout(ui_, view);
    navBar = ui_->navBar;
    positionLabel = ui_->positionLabel;
    coordBtn = ui_->coordBtn;
    Latitude = ui_->Latitude;
    Longitude = ui_->Longitude;
    AMSL = ui_->AMSL;
    AddressLabel = ui_->AddressLabel;
    Message = ui_->Message;
    phoneNumber = ui_->phoneNumber;
    contactsButton = ui_->contactsButton;
    sendButton = ui_->sendButton;
    SMSLabel = ui_->SMSLabel;
    MessageSegment = ui_->MessageSegment;
    demoLabel = ui_->demoLabel;
    statusLabel = ui_->statusLabel;
    fixQualityLabel = ui_->fixQualityLabel;
    // They show words from outside (a device path, a host name): never markup.
    demoLabel->setTextFormat(Qt::PlainText);
    statusLabel->setTextFormat(Qt::PlainText);

    // Actions and delegates, as the layout wires them.
    phoneNumber->setDelegate(this);
    Message->setDelegate(this);
    connect(MessageSegment.data(), &SegmentedControl::valueChanged, this, &QuorvelFirstViewController::messageTypeChanged);
    connect(phoneNumber.data(), &QLineEdit::returnPressed, this, [this] { phoneNumberReturn(phoneNumber); });
    connect(coordBtn.data(), &QPushButton::clicked, this, &QuorvelFirstViewController::showFormats);
    connect(sendButton.data(), &QPushButton::clicked, this, [this] { sendSMS(sendButton); });
    connect(contactsButton.data(), &QPushButton::clicked, this, [this] { contactButton(contactsButton); });
    view->installEventFilter(this);
    ui_->pageContent->installEventFilter(this);
    // The age shown counts in minutes; a finer tick keeps it within a few seconds of true.
    if (!fixAgeTimer_) {
        fixAgeTimer_ = new QTimer(this);
        fixAgeTimer_->setInterval(10000);
        connect(fixAgeTimer_, &QTimer::timeout, this, &QuorvelFirstViewController::updateFixQuality);
    }
}

void QuorvelFirstViewController::viewDidLoad()
{
    ViewController::viewDidLoad();
    NSLog("FVC: viewDidLoad");
    if (navBar)
        navBar->topItem()->setTitle(localizedText("QUORVEL_NAVBAR_TITLE"));
    if (TabBarController* tabs = tabBarController()) {
        tabs->setItemTitle(0, localizedText("QUORVEL_TABBAR_TITLE"));
        tabs->setItemTitle(1, localizedText("TEMPLATES_TABBAR_TITLE"));
        tabs->setItemTitle(2, localizedText("MAP_TABBAR_TITLE"));
        tabs->setItemTitle(3, localizedText("ABOUT_TABBAR_TITLE"));
    }
    if (positionLabel) positionLabel->setText(localizedText("CURRENTPOSITION"));
    if (Latitude) Latitude->setText(localizedText("LATITUDE"));
    if (Longitude) Longitude->setText(localizedText("LONGITUDE"));
    if (AMSL) AMSL->setText(localizedText("AMSL"));
    if (AddressLabel) AddressLabel->setText(localizedText("LOCATION"));
    if (SMSLabel) SMSLabel->setText(localizedText("SMSLABEL"));
    if (Message) Message->setBorder(2.0, QColor(128, 128, 128), 8.0);
    // A manager that survived an unload stays, together with its geocoder.
    if (!locationManager) {
        if (services_.makeLocationManager)
            locationManager = services_.makeLocationManager();
        if (services_.makeGeocoder)
            geocoder = services_.makeGeocoder();
    }
    if (locationManager) {
        setUpLocationManager();
        locationManager->startUpdatingLocation();
    }
    updatePositionSourceLines();
    navigationItem()->setHidesBackButton(true);
    if (phoneNumber) {
        phoneNumber->setPlaceholderText(localizedText("contactPhone"));
        phoneNumber->setKeyboardType(KeyboardType::PhonePad);
    }
}

void QuorvelFirstViewController::setUpLocationManager()
{
    connect(locationManager.get(), &LocationManager::statusChanged, this,
            &QuorvelFirstViewController::updatePositionSourceLines, Qt::UniqueConnection);
    connect(locationManager.get(), &LocationManager::activeSourceChanged, this,
            &QuorvelFirstViewController::updatePositionSourceLines, Qt::UniqueConnection);
    connect(locationManager.get(), &LocationManager::satellitesChanged, this,
            &QuorvelFirstViewController::updatePositionSourceLines, Qt::UniqueConnection);
    locationManager->setDesiredAccuracy(kLocationAccuracyBest);
    locationManager->setDelegate(this);
    locationManager->setDistanceFilter(10.0);
}

void QuorvelFirstViewController::locationSourceChanged()
{
    // Not made yet: it will read the new source when the view loads.
    if (!locationManager || !services_.makeLocationManager)
        return;
    const bool following = locationManager->isUpdating();
    locationManager->stopUpdatingLocation();
    locationManager = services_.makeLocationManager();
    if (!locationManager)
        return;
    NSLog("Location source changed to %@", locationManager->sourceName());
    setUpLocationManager();
    if (following)
        locationManager->startUpdatingLocation();
    updatePositionSourceLines();
}

void QuorvelFirstViewController::viewWillAppear(bool animated)
{
    ViewController::viewWillAppear(animated);
    loadSettings();
}

void QuorvelFirstViewController::viewDidAppear(bool animated)
{
    followWindow();
    if (locationManager && windowCanBeSeen())
        locationManager->startUpdatingLocation();
    updateFixQuality();
    if (fixAgeTimer_)
        fixAgeTimer_->start();
    ViewController::viewDidAppear(animated);
}

void QuorvelFirstViewController::viewWillDisappear(bool animated)
{
    if (locationManager)
        locationManager->stopUpdatingLocation();
    if (fixAgeTimer_)
        fixAgeTimer_->stop();
    ViewController::viewWillDisappear(animated);
}

void QuorvelFirstViewController::viewDidDisappear(bool animated)
{
    ViewController::viewDidDisappear(animated);
}

void QuorvelFirstViewController::viewDidUnload()
{
    Latitude = nullptr;
    Longitude = nullptr;
    AMSL = nullptr;
    AddressLabel = nullptr;
    Message = nullptr;
    phoneNumber = nullptr;
    sendButton = nullptr;
    SMSLabel = nullptr;
    positionLabel = nullptr;
    contactsButton = nullptr;
    coordBtn = nullptr;
    MessageSegment = nullptr;
    navBar = nullptr;
    demoLabel = nullptr;
    statusLabel = nullptr;
    fixQualityLabel = nullptr;
    ViewController::viewDidUnload();
    if (locationManager)
        locationManager->stopUpdatingLocation();
}

void QuorvelFirstViewController::didReceiveMemoryWarning()
{
    ViewController::didReceiveMemoryWarning();
}

bool QuorvelFirstViewController::shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation)
{
    return orientation != InterfaceOrientation::PortraitUpsideDown;
}

void QuorvelFirstViewController::textFieldDidBeginEditing(TextField*)
{
    NSLog("V POLI: textFieldDidBeginEditing");
}

bool QuorvelFirstViewController::textFieldShouldEndEditing(TextField*)
{
    // Whichever field ends editing, readiness is judged on the recipient, untrimmed.
    const bool ready = phoneNumber && !phoneNumber->text().isEmpty();
    if (sendButton)
        sendButton->setEnabled(ready);
    showSendReadiness(ready);
    return true;
}

void QuorvelFirstViewController::showSendReadiness(bool ready)
{
    shownReadiness_ = ready;
    if (!SMSLabel)
        return;
    const QColor colour = QGuiApplication::palette().color(ready ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    QPalette palette = SMSLabel->palette();
    palette.setColor(QPalette::WindowText, colour);
    SMSLabel->setPalette(palette);
}

void QuorvelFirstViewController::textFieldDidEndEditing(TextField*)
{
    NSLog("V POLI: textFieldDidEndEditing");
}

void QuorvelFirstViewController::textViewDidBeginEditing(TextView*)
{
    NSLog("V POLI: textViewDidBeginEditing");
}

void QuorvelFirstViewController::textViewDidEndEditing(TextView*)
{
    NSLog("V POLI: textViewDidEndEditing");
}

void QuorvelFirstViewController::phoneNumberReturn(TextField* sender)
{
    NSLog("V POLI: phoneNumberReturn");
    if (sender)
        sender->resignFirstResponder();
}

void QuorvelFirstViewController::backgroundTouched()
{
    if (phoneNumber && phoneNumber->isFirstResponder())
        phoneNumber->resignFirstResponder();
    else if (Message && Message->isFirstResponder())
        Message->resignFirstResponder();
}

void QuorvelFirstViewController::followWindow()
{
    if (sight_)
        return;
    // Parented to this screen, so it goes with it.
    sight_ = new WindowSight(this);
    connect(sight_, &WindowSight::changed, this, &QuorvelFirstViewController::windowVisibilityChanged);
}

bool QuorvelFirstViewController::windowCanBeSeen() const
{
    return sight_ ? sight_->canBeSeen() : WindowSight::canBeSeenNow(window());
}

void QuorvelFirstViewController::windowVisibilityChanged()
{
    // Nobody can see the position while the window is minimised, hidden or covered: the
    // source is closed (which turns the desktop's location indicator off) until it comes back.
    if (!locationManager || !isAppearing())
        return;
    if (windowCanBeSeen())
        locationManager->startUpdatingLocation();
    else
        locationManager->stopUpdatingLocation();
}

bool QuorvelFirstViewController::eventFilter(QObject* watched, QEvent* event)
{
    // The background is the view's own and, inside the scrolling page, the page's.
    const bool background = isViewLoaded() && (watched == view() || (ui_ && watched == ui_->pageContent));
    if (background && event->type() == QEvent::MouseButtonPress)
        backgroundTouched();
    // The label's colour is its own, so a light/dark switch does not reach it by itself.
    if (isViewLoaded() && watched == view() && event->type() == QEvent::ApplicationPaletteChange && shownReadiness_)
        showSendReadiness(*shownReadiness_);
    return ViewController::eventFilter(watched, event);
}
