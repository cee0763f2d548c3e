#include "platform/devicesettings/MapSection.h"
#include "platform/mapview/MapSettings.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
// The link in messages, in the order of its list; an unknown value shows as the first.
const char* const messageLinks[] = {"osm", "geo", "pluscode"};
} // namespace

MapSection::MapSection(QWidget* parent) : SettingsSection(QStringLiteral("mapTabContent"), parent)
{
    tileServer_ = addField<QLineEdit>(tr("Tile server"), "tileServer");
    tileContact_ = addField<QLineEdit>(tr("Your contact for the tile server"), "tileContact");
    tileContact_->setPlaceholderText(QStringLiteral("jana@example.org"));
    tileContact_->setInputMethodHints(Qt::ImhEmailCharactersOnly | Qt::ImhNoAutoUppercase);
    standardMBTiles_ = addField<QLineEdit>(tr("MBTiles file for the map"), "standardMBTiles");
    satelliteMBTiles_ = addField<QLineEdit>(tr("MBTiles file for the satellite view"), "satelliteMBTiles");
    messageLink_ = addField<QComboBox>(tr("Link in messages"), "messageLink", false);
    messageLink_->addItems({tr("OpenStreetMap link"), tr("geo: link (opens a map app)"), tr("Plus code")});
    tileServer_->setText(setting("map", "standard-url", QString::fromLatin1(MapSettings::kDefaultStandardUrl)));
    tileContact_->setText(setting("map", "user-agent-contact"));
    standardMBTiles_->setText(setting("map", "standard-mbtiles"));
    satelliteMBTiles_->setText(setting("map", "satellite-mbtiles"));
    const QString link = setting("message", "link").trimmed().toLower();
    for (int i = 0; i < static_cast<int>(std::size(messageLinks)); ++i)
        if (link == QLatin1String(messageLinks[i]))
            messageLink_->setCurrentIndex(i);
    reportChanges();
}

int MapSection::validate()
{
    const QString url = tileServer_->text().trimmed();
    const bool urlOk = url.isEmpty()
                       || ((url.startsWith(QLatin1String("https://")) || url.startsWith(QLatin1String("http://")))
                           && url.contains(QLatin1String("{z}")) && url.contains(QLatin1String("{x}"))
                           && url.contains(QLatin1String("{y}")) && !url.contains(u' '));
    const QString contact = tileContact_->text().trimmed();
    const bool contactOk = contact.isEmpty() || contact.startsWith(QLatin1String("https://"))
                           || contact.startsWith(QLatin1String("http://")) || addressProblem(contact, false).isEmpty();
    return setProblem(tileServer_, urlOk ? QString() : tr("The address starts with http:// or https:// and holds {z}, {x} and {y}."))
           + setProblem(tileContact_, contactOk ? QString() : tr("Give an e-mail address or a web page (http:// or https://)."))
           + setProblem(standardMBTiles_, fileProblem(standardMBTiles_->text().trimmed(), false))
           + setProblem(satelliteMBTiles_, fileProblem(satelliteMBTiles_->text().trimmed(), false));
}

SettingsSection::Values MapSection::collect() const
{
    return {
        {QStringLiteral("map/standard-url"), tileServer_->text().trimmed()},
        {QStringLiteral("map/user-agent-contact"), tileContact_->text().trimmed()},
        {QStringLiteral("map/standard-mbtiles"), standardMBTiles_->text().trimmed()},
        {QStringLiteral("map/satellite-mbtiles"), satelliteMBTiles_->text().trimmed()},
        {QStringLiteral("message/link"), QString::fromLatin1(messageLinks[std::max(0, messageLink_->currentIndex())])},
    };
}
