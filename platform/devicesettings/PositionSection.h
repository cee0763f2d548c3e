#pragma once
// Where the position comes from (location/source), with what the source gives now: the
// running source followed when it is the one set up, so that no device gets a second reader.

#include "platform/devicesettings/SettingsSection.h"

#include <QPointer>
#include <memory>

class LocationManager;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

class PositionSection : public SettingsSection {
    Q_OBJECT
public:
    explicit PositionSection(QWidget* parent = nullptr);
    ~PositionSection() override;

    QString title() const override { return tr("Location"); }
    Values collect() const override;
    int validate() override;
    // The `source=` value the fields make (empty: the location service's own default).
    QString source() const;

    // "host:port", "[v6]:port" or "host" alone; and back.

private:
    void load();
    void updateVisibility();
    void watch();

    QComboBox* sourceCombo_;
    QLineEdit* host_;
    QLineEdit* port_;
    QLineEdit* device_;
    QLineEdit* replayFile_;
    QLabel* status_;
    QTimer* restart_;
    // The preview's own source, when no running one is set up the same way.
    std::unique_ptr<LocationManager> own_;
    QPointer<LocationManager> followed_;
};
