#include "platform/mapview/MapViewAccessible.h"
#include "platform/foundation/Accessible.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/mapview/MapView.h"

#include <cmath>

namespace {

QString hemisphered(double value, char positive, char negative)
{
    return QStringLiteral("%1° %2").arg(std::abs(value), 0, 'f', 5).arg(QLatin1Char(value < 0 ? negative : positive));
}

QString spokenCoordinate(LocationCoordinate2D c)
{
    return hemisphered(c.latitude, 'N', 'S') + QStringLiteral(", ") + hemisphered(c.longitude, 'E', 'W');
}

// Pins are only ever added, or all removed at once, so a pin keeps its place in the list
// for as long as it lives.
class PinAccessible : public AccessibleLeaf {
public:
    using AccessibleLeaf::AccessibleLeaf;

    MapView* map() const { return static_cast<MapView*>(owner()); }
    const PointAnnotation* pin() const { return map() ? map()->annotationAt(index()) : nullptr; }

    bool isValid() const override { return pin() != nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }

    QString text(QAccessible::Text t) const override
    {
        const PointAnnotation* p = pin();
        if (!p)
            return {};
        switch (t) {
        case QAccessible::Name: return p->title();
        case QAccessible::Description:
            return p->subtitle().isEmpty() ? spokenCoordinate(p->coordinate())
                                           : p->subtitle() + QStringLiteral(", ") + spokenCoordinate(p->coordinate());
        default: return {};
        }
    }

    QRect rect() const override
    {
        const PointAnnotation* p = pin();
        if (!p)
            return {};
        // The pin stands on its point: its head is above it.
        const QPoint at = map()->pointForCoordinate(p->coordinate()).toPoint();
        return onScreen(QRect(at - QPoint(11, 33), QSize(22, 34)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const PointAnnotation* p = pin();
        if (!p || !map()->isVisible()) {
            s.invisible = true;
            return s;
        }
        s.selectable = true;
        s.selected = map()->selectedAnnotation() == p;
        s.offscreen = !map()->rect().contains(map()->pointForCoordinate(p->coordinate()).toPoint());
        return s;
    }

    QStringList actionNames() const override { return isValid() ? QStringList{pressAction()} : QStringList{}; }
    void doAction(const QString& name) override
    {
        // Pressing a pin shows its callout, as a click on it does.
        if (name == pressAction())
            if (const PointAnnotation* p = pin())
                map()->selectAnnotation(p);
    }
};

} // namespace

void installMapViewAccessibility()
{
    useAccessibleInterface<MapView, MapViewAccessible>();
}

MapViewAccessible::MapViewAccessible(MapView* map)
    : QAccessibleWidget(map, QAccessible::Graphic), pins_([map](int i) { return new PinAccessible(map, i); })
{
}

MapViewAccessible::~MapViewAccessible() = default;

MapView* MapViewAccessible::map() const
{
    return static_cast<MapView*>(widget());
}

QString MapViewAccessible::text(QAccessible::Text t) const
{
    const QString own = QAccessibleWidget::text(t);
    if (!own.isEmpty())
        return own;
    if (t == QAccessible::Name)
        return localizedText("MAP_ACCESSIBLE_NAME");
    if (t != QAccessible::Description)
        return own;
    QStringList parts;
    const UserLocation* user = map()->userLocation();
    if (user->location) {
        const QString place = map()->nearestPlaceName(user->location->coordinate);
        parts.append(place.isEmpty() ? localizedText("MAP_ACCESSIBLE_POSITION").arg(spokenCoordinate(user->location->coordinate))
                                     : localizedText("MAP_ACCESSIBLE_POSITION_NEAR")
                                           .arg(spokenCoordinate(user->location->coordinate), place));
    } else {
        parts.append(localizedText("MAP_ACCESSIBLE_WAITING"));
    }
    const QString note = map()->offlineNote();
    if (!note.isEmpty())
        parts.append(note);
    return parts.join(QLatin1Char(' '));
}

int MapViewAccessible::childCount() const
{
    return map()->annotationCount();
}

QAccessibleInterface* MapViewAccessible::child(int index) const
{
    return pins_.at(index, childCount());
}

int MapViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return pins_.indexOf(child, childCount());
}

QAccessibleInterface* MapViewAccessible::childAt(int x, int y) const
{
    // The pin drawn on top is the last one added at that place.
    for (int i = childCount() - 1; i >= 0; --i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
            return c;
    return nullptr;
}
