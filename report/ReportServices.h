#pragma once
// The platform services the report screen makes for itself. The application passes the
// real ones; tests pass fakes.

#include <functional>
#include <memory>

class Geocoder;
class LocationManager;
class MailComposeViewController;
class MessageComposeViewController;
class PeoplePickerNavigationController;

struct ReportServices {
    // Position tracking.
    std::function<std::unique_ptr<LocationManager>()> makeLocationManager;
    std::function<std::unique_ptr<Geocoder>()> makeGeocoder;

    // Sending and contacts. An unset capability query answers false, so the screen shows
    // its "not configured" alert instead of a composer.
    std::function<bool()> canSendText;
    std::function<bool()> canSendMail;
    std::function<std::unique_ptr<MessageComposeViewController>()> makeMessageComposer;
    std::function<std::unique_ptr<MailComposeViewController>()> makeMailComposer;
    std::function<std::unique_ptr<PeoplePickerNavigationController>()> makePeoplePicker;
};
