#include "templates/MessageUtils.h"
#include "templates/SettingsKeys.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/UserDefaults.h"

QStringList MessageUtils::defaultTemplates()
{
    return {localizedText("MessageDefaultTemplate1"), localizedText("MessageDefaultTemplate2"),
            localizedText("MessageDefaultTemplate3")};
}

QStringList MessageUtils::loadMessageTemplates()
{
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    NSLog("Loading message templates...");
    QStringList templates = defaults.stringArrayForKey(SettingsKeys::TemplatesArray).value_or(QStringList());
    if (!templates.isEmpty()) {
        NSLog("TemplatesArray exists");
    } else {
        NSLog("TemplatesArray does not exist. Creating one...");
        defaults.setStringArray(defaultTemplates(), SettingsKeys::TemplatesArray);
        NSLog("Loading TemplatesArray after setting...");
        templates = defaults.stringArrayForKey(SettingsKeys::TemplatesArray).value_or(QStringList());
    }
    NSLog("TemplatesArray: %@", templates);
    defaults.synchronize();
    return templates;
}

std::optional<QString> MessageUtils::getSelectedMessageFromTemplates(const QStringList& templates, quint32 index)
{
    if (index >= static_cast<quint64>(templates.size()))
        return std::nullopt;
    return templates.at(static_cast<qsizetype>(index));
}
