#pragma once
// The map's tiles (map/…): the tile server and the contact it is told, or MBTiles files.

#include "platform/devicesettings/SettingsSection.h"

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
};
