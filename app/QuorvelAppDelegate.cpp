#include "app/QuorvelAppDelegate.h"
#include "app/CommandLine.h"
#include "app/Appearance.h"
#include "about/AboutViewController.h"
#include "map/MapViewController.h"
#include "report/QuorvelFirstViewController.h"
#include "templates/SettingsKeys.h"
#include "templates/TemplatesTableViewController.h"
#include "platform/location/LocationManager.h"
#include "platform/geocoding/OfflineGeocoder.h"
#include "platform/mapview/PositionFeeds.h"
#include "platform/foundation/Log.h"
#include "platform/messaging/MailCompose.h"
#include "platform/messaging/MessageCompose.h"
#include "platform/contacts/PeoplePicker.h"
#include "platform/devicesettings/DeviceSettingsDialog.h"
#include "platform/ui/NavigationController.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/TabBarController.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/foundation/DeviceSettings.h"

#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

bool QuorvelAppDelegate::applicationDidFinishLaunchingWithOptions(Application* application, const QVariantMap&)
{
    application->setStatusBarStyle(1, true);
    Appearance::apply();
    NSLog("didFinishLaunchingWithOptions");
    // Not flushed: the report screen writes "current" and flushes when it first appears.
    UserDefaults::standardUserDefaults().setString(MessageSource::Last, SettingsKeys::Last);
    return true;
}

void QuorvelAppDelegate::applicationDidEnterBackground(Application*)
{
    NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("closingApplication"));
}

void QuorvelAppDelegate::applicationWillTerminate(Application*)
{
    NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("closingApplication"));
}

MainLayout loadMainLayout()
{
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("window"));
    window->setWindowTitle(QStringLiteral("Quorvel"));
    window->resize(360, 640);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tabs = new TabBarController(window);
    layout->addWidget(tabs);
    ReportServices report;
    report.makeLocationManager = [] { return LocationManager::fromDeviceSettings(); };
    // The place index is mapped once, at the first lookup, and shared by the geocoder and
    // the map.
    auto places = std::make_shared<const LazyPlaceIndex>([] {
        std::shared_ptr<const PlaceIndex> index = PlaceIndex::openDefault();
        if (!index->isValid())
            NSLog("%@; localities will not be found", index->errorString());
        else
            NSLog("Place index %@: %u places", index->origin(), index->count());
        return index;
    });
    report.makeGeocoder = [places] { return makeOfflineGeocoder(places); };
    report.canSendText = &MessageComposeViewController::canSendText;
    report.canSendMail = &MailComposeViewController::canSendMail;
    report.makeMessageComposer = [] { return std::make_unique<MessageComposeViewController>(); };
    report.makeMailComposer = [] { return std::make_unique<MailComposeViewController>(); };
    report.makePeoplePicker = [] { return std::make_unique<PeoplePickerNavigationController>(); };
    tabs->addTab(new QuorvelFirstViewController(std::move(report)), QStringLiteral("Position"));
    tabs->addTab(TemplatesTableViewController::makeNavigationStack(), QStringLiteral("Templates"));
    // The map follows its own manager over the same source: the report screen stops its
    // manager while it is hidden, which is when the map is shown.
    auto* mapLocation = new LocationManagerUserLocationSource(LocationManager::fromDeviceSettings(), window);
    NotificationCenter::defaultCenter().addObserver(mapLocation, QStringLiteral("locationSourceChanged"), [mapLocation] {
        mapLocation->setManager(LocationManager::fromDeviceSettings());
    });
    auto* nearby = new PlaceIndexNearbyPlaces(places, window);
    tabs->addTab(new MapViewController(MapServices{mapLocation, nearby}), QStringLiteral("Map"));
    tabs->addTab(new AboutViewController, QStringLiteral("About"));
    auto* settings = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), window);
    settings->setContext(Qt::ApplicationShortcut);
    QObject::connect(settings, &QShortcut::activated, window, [window] { openDeviceSettings(window); });
    return {window, tabs};
}

void openDeviceSettings(QWidget* window)
{
    DeviceSettingsDialog::present(window);
}

// The demo walk as the position from now on (in memory, as --demo at start), for the report
// screen and the map alike.
static void useDemoPosition()
{
    const QString group = QStringLiteral("location");
    const QString key = QStringLiteral("source");
    const QString demo = QStringLiteral("demo");
    if (DeviceSettings::value(group, key).trimmed() == demo)
        return;
    DeviceSettings::setOverride(group, key, demo);
    NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("locationSourceChanged"));
}

LaunchActions launchActions()
{
    return {[](const QStringList& arguments) {
                const CommandLine::Outcome outcome = CommandLine::parse(arguments);
                QStringList actions;
                // A command line a running instance cannot use asks for its window alone.
                if (outcome.exitStatus)
                    return actions;
                if (outcome.demo)
                    actions << QStringLiteral("demo");
                if (outcome.settings)
                    actions << QStringLiteral("settings");
                return actions;
            },
            [](const QString& action, QWidget* window) {
                if (action == QLatin1String("settings"))
                    openDeviceSettings(window);
                else if (action == QLatin1String("demo"))
                    useDemoPosition();
            }};
}
