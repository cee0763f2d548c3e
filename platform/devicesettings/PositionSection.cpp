#include "platform/devicesettings/PositionSection.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/HostPort.h"
#include "platform/location/LocationManager.h"
#include "platform/location/LocationSources.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {
// The order of the source list.
enum SourceRow { Auto, GeoClue, Gpsd, NmeaDevice, NmeaTcp, Replay, Demo };
}

PositionSection::PositionSection(QWidget* parent) : SettingsSection(QStringLiteral("locationTabContent"), parent)
{
    sourceCombo_ = addField<QComboBox>(tr("Position source"), "sourceCombo", false);
    sourceCombo_->addItems({tr("Automatic (the first source that answers)"), tr("GeoClue"), tr("gpsd"),
                            tr("NMEA receiver on a serial port"), tr("NMEA over the network"),
                            tr("A recorded NMEA file"), tr("Demo walk (not your position)")});
    host_ = addField<QLineEdit>(tr("Host"), "locationHost");
    port_ = addField<QLineEdit>(tr("Port"), "locationPort");
    // Phone keyboards: digits for ports.
    port_->setInputMethodHints(Qt::ImhDigitsOnly);
    device_ = addField<QLineEdit>(tr("Device"), "nmeaDevice");
    device_->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    replayFile_ = addField<QLineEdit>(tr("NMEA file"), "replayFile");
    status_ = new QLabel(this);
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    placeField(tr("What the source gives now"), status_, "locationStatus", false);
    // Read out by what it says; a fixed name would be read instead.
    status_->setAccessibleName(QString());
    load();
    updateVisibility();
    reportChanges();
    connect(this, &SettingsSection::changed, this, &PositionSection::updateVisibility);
    // The live status follows the source being set up, once the typing pauses.
    restart_ = new QTimer(this);
    restart_->setSingleShot(true);
    restart_->setInterval(600);
    connect(restart_, &QTimer::timeout, this, &PositionSection::watch);
    connect(this, &SettingsSection::changed, restart_, qOverload<>(&QTimer::start));
    restart_->start();
}

PositionSection::~PositionSection() = default;

void PositionSection::load()
{
    using SourceKind = LocationSources::SourceSetting::Kind;
    const LocationSources::SourceSetting source = LocationSources::parseSource(setting("location", "source"));
    const QString& rest = source.rest;
    host_->setText(QStringLiteral("localhost"));
    port_->setText(QStringLiteral("2947"));
    int row = Auto;
    if (source.kind == SourceKind::GeoClue) {
        row = GeoClue;
    } else if (source.kind == SourceKind::Gpsd) {
        row = Gpsd;
        if (!rest.isEmpty()) {
            const auto [host, port] = splitHostPort(rest);
            host_->setText(host);
            port_->setText(port.isEmpty() ? QStringLiteral("2947") : port);
        }
    } else if (source.kind == SourceKind::NmeaDevice) {
        row = NmeaDevice;
        device_->setText(rest);
    } else if (source.kind == SourceKind::NmeaTcp) {
        row = NmeaTcp;
        const auto [host, port] = splitHostPort(rest);
        host_->setText(host);
        port_->setText(port);
    } else if (source.kind == SourceKind::Replay) {
        row = Replay;
        replayFile_->setText(rest);
    } else if (source.kind == SourceKind::Demo) {
        row = Demo;
    }
    sourceCombo_->setCurrentIndex(row);
}

void PositionSection::updateVisibility()
{
    const int source = sourceCombo_->currentIndex();
    const bool network = source == Gpsd || source == NmeaTcp;
    showField(host_, network);
    showField(port_, network);
    showField(device_, source == NmeaDevice);
    showField(replayFile_, source == Replay);
}

int PositionSection::validate()
{
    const int source = sourceCombo_->currentIndex();
    const bool network = source == Gpsd || source == NmeaTcp;
    return setProblem(host_, network ? hostProblem(host_->text().trimmed()) : QString())
           + setProblem(port_, network ? portProblem(port_->text().trimmed(), true) : QString())
           + setProblem(device_, source == NmeaDevice ? fileProblem(device_->text().trimmed(), true) : QString())
           + setProblem(replayFile_, source == Replay ? fileProblem(replayFile_->text().trimmed(), true) : QString());
}

QString PositionSection::source() const
{
    const QString host = host_->text().trimmed();
    const QString port = port_->text().trimmed();
    switch (sourceCombo_->currentIndex()) {
    case GeoClue:
        return QStringLiteral("geoclue");
    case Gpsd:
        return QStringLiteral("gpsd:") + joinHostPort(host, port);
    case NmeaDevice:
        return QStringLiteral("nmea:") + device_->text().trimmed();
    case NmeaTcp:
        return QStringLiteral("nmea:") + joinHostPort(host, port);
    case Replay:
        return QStringLiteral("replay:") + replayFile_->text().trimmed();
    case Demo:
        return QStringLiteral("demo");
    default:
        // The location service's own default, so the file names no source.
        return QString();
    }
}

SettingsSection::Values PositionSection::collect() const
{
    return {{QStringLiteral("location/source"), source()}};
}

void PositionSection::watch()
{
    own_.reset();
    if (followed_)
        followed_->disconnect(this);
    followed_ = nullptr;
    if (showsProblem()) {
        status_->setText(QString());
        return;
    }
    // The source the application already reads, when it is the one set up here: a second
    // reader of one serial port would split its bytes, and of `auto` be a second client.
    LocationManager* manager = LocationManager::running(source().isEmpty() ? QStringLiteral("auto") : source());
    if (!manager) {
        own_ = LocationManager::forSource(source());
        manager = own_.get();
    }
    followed_ = manager;
    status_->setText(tr("Waiting for a position…"));
    connect(manager, &LocationManager::locationUpdated, this, [this](const Location& l) {
        status_->setText(stringWithFormat(tr("Position %.5f, %.5f").toUtf8().constData(), l.coordinate.latitude,
                                          l.coordinate.longitude));
    });
    connect(manager, &LocationManager::failed, this, [this](const LocationError& e) {
        status_->setText(stringWithFormat(tr("The source failed: %@").toUtf8().constData(), e.cause));
    });
    if (own_)
        own_->startUpdatingLocation();
    else if (const std::optional<Location> last = manager->location())
        status_->setText(stringWithFormat(tr("Position %.5f, %.5f").toUtf8().constData(), last->coordinate.latitude,
                                          last->coordinate.longitude));
}
