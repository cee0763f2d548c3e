#pragma once
// The map's tiles (map/…): the tile server and the contact it is told, or MBTiles files;
// and the kind of map link a message carries (message/link).

#include "platform/devicesettings/SettingsSection.h"

class QComboBox;
class QLineEdit;

class MapSection : public SettingsSection {
    Q_OBJECT
public:
    explicit MapSection(QWidget* parent = nullptr);

    QString title() const override { return tr("Map"); }
    Values collect() const override;
    int validate() override;

private:
    QLineEdit* tileServer_;
    QLineEdit* tileContact_;
    QLineEdit* standardMBTiles_;
    QLineEdit* satelliteMBTiles_;
    QComboBox* messageLink_;
};
