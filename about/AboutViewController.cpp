#include "about/AboutViewController.h"
#include "platform/devicesettings/DeviceSettingsDialog.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/TextField.h"
#include "platform/foundation/UrlOpener.h"
#include "ui_AboutScreen.h"

AboutViewController::AboutViewController(UrlOpener* opener, QWidget* parent)
    : ViewController(parent), opener_(opener ? opener : &UrlOpener::system())
{
    setObjectName(QStringLiteral("AboutViewController"));
}

AboutViewController::~AboutViewController() = default;

void AboutViewController::loadView(QWidget* view)
{
    setupLayout(ui_, view);
    navBar = ui_->navBar;
    quorvelLabel = ui_->quorvelLabel;
    description = ui_->description;
    author = ui_->author;
    version = ui_->version;
    versionTimestamp = ui_->versionTimestamp;
    downloadDescription = ui_->downloadDescription;
    QPushButton* button = ui_->productPageButton;
    connect(button, &QPushButton::clicked, this, [this, button] { goToVeltranoCom(button); });
    // Where a phone user finds the device's own settings.
    auto* settings = new QPushButton(localizedText("SETTINGS_OPEN"));
    settings->setObjectName(QStringLiteral("settingsButton"));
    settings->setAccessibleName(localizedText("SETTINGS_TITLE"));
    navBar->addRightButton(settings);
    connect(settings, &QPushButton::clicked, this, [this] { DeviceSettingsDialog::present(window()); });
}

void AboutViewController::viewDidLoad()
{
    ViewController::viewDidLoad();
    if (navBar)
        navBar->topItem()->setTitle(localizedText("ABOUT_NAVBAR_TITLE"));
    if (quorvelLabel)
        quorvelLabel->setText(localizedText("QUORVEL"));
    if (description)
        description->setText(localizedText("ABOUT_DESCRIPTION"));
    if (author)
        author->setText(localizedText("AUTHOR"));
    if (version)
        version->setText(localizedText("VERSION"));
    if (versionTimestamp)
        versionTimestamp->setText(localizedText("VERSION_TIMESTAMP"));
    if (downloadDescription)
        downloadDescription->setText(localizedText("DOWNLOAD_DESCRIPTION"));
}

void AboutViewController::viewDidUnload()
{
    quorvelLabel = nullptr;
    description = nullptr;
    author = nullptr;
    version = nullptr;
    versionTimestamp = nullptr;
    downloadDescription = nullptr;
    navBar = nullptr;
    ViewController::viewDidUnload();
}

void AboutViewController::didReceiveMemoryWarning()
{
    ViewController::didReceiveMemoryWarning();
}

bool AboutViewController::shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation)
{
    return orientation == InterfaceOrientation::Portrait;
}

void AboutViewController::goToVeltranoCom(QObject*)
{
    // Whether the desktop could open it is not the screen's concern.
    opener_->openURL(QUrl(QString::fromLatin1(kProductPage)));
}
