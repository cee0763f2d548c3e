#pragma once
// How assistive technology sees the map: a picture named and described by what it shows
// (the user's position and the nearest place), with its pins as named children that can be
// pressed to show their callout.

#include "platform/foundation/Accessible.h"

#include <QAccessibleWidget>

class MapView;

class MapViewAccessible : public QAccessibleWidget {
public:
    explicit MapViewAccessible(MapView* map);
    ~MapViewAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    MapView* map() const;
    // By the pin's place in the map's list.
    mutable AccessibleLeaves pins_;
};

void installMapViewAccessibility();
