// What goes into the report screen's message: placeholder filling, the choice of text at
// each appearance, the stored last used message and the message type.

#include "coords/MapLink.h"
#include "report/Placeholders.h"
#include "report/QuorvelFirstViewController.h"
#include "templates/MessageUtils.h"
#include "templates/SettingsKeys.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/foundation/UserDefaults.h"

void QuorvelFirstViewController::updateMessageTextWithCoordinates(std::optional<QStringList> coordinates,
                                                                  std::optional<QString> locality)
{
    NSLog("V POLI: updateMessageText");
    if (!Message)
        return;
    // Both kinds are filled before the view gets the text: each change of a text view's
    // text lays it out again, which is most of the cost of a position update.
    const QString before = Message->text();
    QString text = before;
    if (coordinates) {
        text = Placeholders::fillCoordinates(text, coordinates->value(0), coordinates->value(1));
        NSLog("textViewMessage: %@", before);
    }
    if (locality)
        text = Placeholders::fillLocality(text, *locality);
    // The link always points at the fix itself, whatever format the coordinates are shown in.
    if (coordinates && lastLocation) {
        const QString address = MapLink::make(MapLink::chosen(), lastLocation->coordinate.latitude,
                                              lastLocation->coordinate.longitude, lastLocation->horizontalAccuracy);
        if (!address.isEmpty()) {
            text = Placeholders::fillLink(text, address);
            filledLink_ = address;
        }
    }
    Message->setText(text);
}

void QuorvelFirstViewController::loadSettings()
{
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    NSLog("V POLI: loadSettings");
    NSLog("XXX MESSAGE_TYPE XXX: %@", defaults.stringForKey(SettingsKeys::Last));

    if (auto stored = defaults.stringForKey(SettingsKeys::LastUsedMessage))
        lastUsedMessage = stored;
    // A negative stored index would wrap to a huge one; it selects no template either way.
    selectedMessageTemplateIndex = static_cast<quint32>(defaults.integerForKey(SettingsKeys::SelectedTemplate));

    if (auto stored = defaults.stringArrayForKey(SettingsKeys::TemplatesArray)) {
        messageTemplates = *stored;
        NSLog("FVC loadSettings: templ_arr_key");
    } else {
        messageTemplates = MessageUtils::loadMessageTemplates();
        NSLog("FVC loadSettings: loadMessageTemplates");
    }

    auto putSelectedTemplate = [this](const char* logFormat) {
        const auto selected = MessageUtils::getSelectedMessageFromTemplates(messageTemplates, selectedMessageTemplateIndex);
        if (!selected) {
            NSLog("FVC loadSettings: no template at index %u of %d templates, message left as it is",
                  selectedMessageTemplateIndex, static_cast<int>(messageTemplates.size()));
            return;
        }
        NSLog(logFormat, *selected);
        if (Message)
            Message->setText(*selected);
    };

    const std::optional<QString> request = defaults.stringForKey(SettingsKeys::Last);
    if (request == MessageSource::Last) {
        NSLog("aplikace se spustila. Posledni zprava: \"%@\", vybrana sablona: %d", lastUsedMessage,
              static_cast<int>(selectedMessageTemplateIndex));
        if (selectedMessageTemplateIndex == 0)
            NSLog("Setting message index to 0...");
        if (lastUsedMessage && !lastUsedMessage->isEmpty() && *lastUsedMessage != QLatin1String("(null)")) {
            NSLog("Last message found");
            if (Message)
                Message->setText(*lastUsedMessage);
        } else {
            putSelectedTemplate("->adding %@ to message field");
        }
    } else if (request == MessageSource::Selected) {
        putSelectedTemplate("Using selected template text: %@");
    }

    defaults.setString(MessageSource::Current, SettingsKeys::Last);
    defaults.synchronize();
    NSLog("setting message type to: %@", defaults.stringForKey(SettingsKeys::Last));

    NotificationCenter::defaultCenter().addObserver(this, QStringLiteral("closingApplication"),
                                                    [this] { storeLastUsedMessage(); });
}

void QuorvelFirstViewController::storeLastUsedMessage()
{
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    const QString text = Message ? Message->text() : QString();
    if (text.isEmpty()) {
        NSLog("Nothing to store");
        defaults.removeObjectForKey(SettingsKeys::LastUsedMessage);
        return;
    }
    const QString emptied = Placeholders::empty(text);
    if (emptied == localizedText("MessageDefaultTemplate1") || emptied == localizedText("MessageDefaultTemplate2")) {
        defaults.removeObjectForKey(SettingsKeys::LastUsedMessage);
    } else {
        NSLog("Storing last used message: %@", emptied);
        defaults.setString(emptied, SettingsKeys::LastUsedMessage);
    }
    defaults.synchronize();
}

void QuorvelFirstViewController::messageTypeChanged()
{
    if (!MessageSegment || !phoneNumber)
        return;
    switch (MessageSegment->selectedSegmentIndex()) {
    case 0:
        phoneNumber->setText(QString());
        phoneNumber->setPlaceholderText(localizedText("contactPhone"));
        phoneNumber->setKeyboardType(KeyboardType::PhonePad);
        break;
    case 1:
        phoneNumber->setText(QString());
        phoneNumber->setPlaceholderText(localizedText("contactEmail"));
        phoneNumber->setKeyboardType(KeyboardType::EmailAddress);
        break;
    default:
        break;
    }
}
