// Following the position on the report screen: labels, the locality from an earlier
// reverse geocoding, the message's placeholders, and the choice of coordinate format.

#include "report/QuorvelFirstViewController.h"
#include "coords/GPSUtils.h"
#include "report/FixQuality.h"
#include "templates/SettingsKeys.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/UserDefaults.h"

#include <QFileInfo>
#include <QLabel>

namespace {

const QString kGeocaching = QStringLiteral("Geocaching");
const QString kWGS84 = QStringLiteral("WGS84");
const QString kRAW = QStringLiteral("RAW");

// A text of the string table with the source's name in its place; a table without the
// text gives the key, which has no place for it.
QString withName(const char* key, const QString& name)
{
    const QString text = localizedText(key);
    return text.contains(QLatin1String("%1")) ? text.arg(name) : text;
}

// The source as the status line names it.
QString sourceTitle(const LocationSourceInfo& source)
{
    using K = LocationSourceInfo::Kind;
    switch (source.kind) {
    case K::GeoClue:
        return localizedText("SourceGeoClue");
    case K::Gpsd:
        return withName("SourceGpsd", source.detail);
    case K::Receiver:
        return withName("SourceReceiver", source.detail);
    case K::Replay:
        return withName("SourceReplay", QFileInfo(source.detail).fileName());
    case K::Demo:
        return localizedText("SourceDemo");
    case K::Unknown:
        break;
    }
    return source.detail;
}

QString statusText(LocationStatus status, const LocationSourceInfo& source,
                   const std::optional<SatelliteCount>& satellites)
{
    // What the receiver sees tells the user that it is getting somewhere.
    if (satellites && (status == LocationStatus::Waiting || status == LocationStatus::NotAnswering)) {
        const QString text = localizedText("StatusWaitingSatellites");
        if (text.contains(QLatin1String("%2")))
            return text.arg(satellites->inView).arg(satellites->used);
    }
    switch (status) {
    case LocationStatus::Choosing:
        return localizedText("StatusChoosing");
    case LocationStatus::Waiting:
        return withName("StatusWaiting", sourceTitle(source));
    case LocationStatus::NotAnswering:
        return withName("StatusNotAnswering", sourceTitle(source));
    case LocationStatus::Denied:
        return localizedText("StatusDenied");
    case LocationStatus::Failed:
        return withName("StatusFailed", sourceTitle(source));
    case LocationStatus::Stopped:
    case LocationStatus::Receiving:
        break;
    }
    return {};
}

} // namespace

void QuorvelFirstViewController::updatePositionSourceLines()
{
    const bool demo = locationManager && locationManager->isDemo();
    if (demoLabel) {
        demoLabel->setText(localizedText("DemoPosition"));
        demoLabel->setVisible(demo);
    }
    if (!statusLabel)
        return;
    const QString text = locationManager ? statusText(locationManager->status(), locationManager->activeSource(),
                                                      locationManager->satellites())
                                         : QString();
    if (text != statusLabel->text()) {
        statusLabel->setText(text);
        // The name stays "Position status"; setting the description tells screen readers
        // the new words.
        statusLabel->setAccessibleDescription(text);
    }
    statusLabel->setVisible(!text.isEmpty());
}

void QuorvelFirstViewController::updateFixQuality()
{
    if (!fixQualityLabel)
        return;
    if (!lastLocation) {
        fixQualityLabel->setVisible(false);
        return;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const bool doubtful = FixQuality::isCoarse(*lastLocation) || FixQuality::isStale(*lastLocation, now);
    const QString text = (doubtful ? QStringLiteral("⚠ ") : QString()) + FixQuality::line(*lastLocation, now);
    if (text != fixQualityLabel->text()) {
        fixQualityLabel->setText(text);
        fixQualityLabel->setAccessibleDescription(text);
        fixQualityLabel->setStyleSheet(doubtful ? QStringLiteral("QLabel { color: #c62828; font-weight: bold; }") : QString());
    }
    fixQualityLabel->setVisible(true);
}

void QuorvelFirstViewController::locationManagerDidUpdateToLocation(LocationManager*, const Location& location,
                                                                    const std::optional<Location>&)
{
    NSLog("V POLI locationManager: did update to location: %@", location.description());
    lastLatitude = location.coordinate.latitude;
    lastLongitude = location.coordinate.longitude;
    lastLocation = location;
    updateFixQuality();

    const std::optional<QString> selected =
        UserDefaults::standardUserDefaults().stringForKey(SettingsKeys::SelectedGPSFormat);
    NSLog("selected gps format: %@", selected);
    int code = 0;
    const QString* name = &kGeocaching;
    if (selected == kGeocaching) {
        code = 0;
    } else if (selected == kWGS84) {
        code = 1;
        name = &kWGS84;
    } else if (selected == kRAW) {
        code = 2;
        name = &kRAW;
    }
    const QStringList coordinates = GPSUtils::format(code, lastLatitude, lastLongitude);
    NSLog("using gps format: %@", *name);

    if (Latitude)
        Latitude->setText(coordinates.value(0));
    if (Longitude)
        Longitude->setText(coordinates.value(1));
    if (AMSL)
        AMSL->setText(stringWithFormat("%.0fm AMSL", location.altitude));

    QString locality;
    if (placemark && placemark->subLocality) {
        locality = stringWithFormat("%@", *placemark->subLocality);
        if (AddressLabel)
            AddressLabel->setText(locality);
    } else if (AddressLabel) {
        AddressLabel->setText(QStringLiteral("Waiting for locality..."));
    }

    NSLog("Resolving the Address");
    if (geocoder) {
        // The screen owns the geocoder, so the answer can outlive neither; the guard is
        // for answers already queued when the screen goes.
        QPointer<QuorvelFirstViewController> self(this);
        geocoder->reverseGeocodeLocation(location, [self](const QList<Placemark>& placemarks,
                                                          const std::optional<GeocodeError>& error) {
            if (!self)
                return;
            if (!error && !placemarks.isEmpty())
                self->placemark = placemarks.last();
            else
                NSLog("%@", error ? std::optional<QString>(error->debugDescription) : std::nullopt);
        });
    }
    updateMessageTextWithCoordinates(coordinates, locality);
}

void QuorvelFirstViewController::locationManagerDidFailWithError(LocationManager*, const LocationError& error)
{
    NSLog("didFailWithError: %@", error.description());
    auto* alert = new AlertView(localizedText("Error"), localizedText("GettingLocationFailed"), nullptr,
                                QStringLiteral("OK"));
    alert->show();
}

void QuorvelFirstViewController::showFormats()
{
    auto* sheet = new ActionSheet(localizedText("ChooseGPSFormat"), this, QString(), QString(),
                                  {kGeocaching, kWGS84, kRAW});
    sheet->setTag(1);
    sheet->showInView(isViewLoaded() ? view() : this);
}

void QuorvelFirstViewController::actionSheetClickedButtonAtIndex(ActionSheet* actionSheet, int buttonIndex)
{
    if (!actionSheet || actionSheet->tag() != 1)
        return;
    const QString title = actionSheet->buttonTitleAtIndex(buttonIndex);
    NSLog("%@", title);
    if (lastLatitude == 0.0 || lastLongitude == 0.0) {
        auto* alert = new AlertView(localizedText("Error"), localizedText("UnknownLocation"), this,
                                    QStringLiteral("OK"));
        alert->show();
        return;
    }
    int code = -1;
    if (title == kGeocaching)
        code = 0;
    else if (title == kWGS84)
        code = 1;
    else if (title == kRAW)
        code = 2;
    // Any other index is no choice: nothing is stored and the screen stays as it is.
    if (code < 0)
        return;
    const QStringList coordinates = GPSUtils::format(code, lastLatitude, lastLongitude);
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    defaults.setString(title, SettingsKeys::SelectedGPSFormat);
    defaults.synchronize();
    NSLog("saved gps format: %@", coordinates);
    if (Latitude)
        Latitude->setText(coordinates.value(0));
    if (Longitude)
        Longitude->setText(coordinates.value(1));
    updateMessageTextWithCoordinates(coordinates, AddressLabel ? std::optional<QString>(AddressLabel->text())
                                                               : std::nullopt);
}
