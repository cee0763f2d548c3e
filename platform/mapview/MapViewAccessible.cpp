#include "platform/mapview/MapViewAccessible.h"
#include "platform/foundation/AccessibleFactory.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/mapview/MapView.h"

#include <QPointer>
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
class PinAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PinAccessible(MapView* map, int index) : map_(map), index_(index) {}

    const PointAnnotation* pin() const
    {
        if (!map_)
            return nullptr;
        const auto pins = map_->annotations();
        return index_ < int(pins.size()) ? pins[size_t(index_)] : nullptr;
    }

    bool isValid() const override { return pin() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return map_ && map_->window() ? map_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return map_ ? QAccessible::queryAccessibleInterface(map_) : nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

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
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        const PointAnnotation* p = pin();
        if (!p)
            return {};
        // The pin stands on its point: its head is above it.
        const QPoint at = map_->pointForCoordinate(p->coordinate()).toPoint();
        return QRect(map_->mapToGlobal(at - QPoint(11, 33)), QSize(22, 34));
    }

    QAccessible::Role role() const override { return QAccessible::Button; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const PointAnnotation* p = pin();
        if (!p || !map_->isVisible()) {
            s.invisible = true;
            return s;
        }
        s.selectable = true;
        s.selected = map_->selectedAnnotation() == p;
        const QPoint at = map_->pointForCoordinate(p->coordinate()).toPoint();
        s.offscreen = !map_->rect().contains(at);
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return isValid() ? QStringList{pressAction()} : QStringList{}; }
    void doAction(const QString& name) override
    {
        // Pressing a pin shows its callout, as a click on it does.
        if (name == pressAction())
            if (const PointAnnotation* p = pin())
                map_->selectAnnotation(p);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<MapView> map_;
    int index_;
};

} // namespace

void installMapViewAccessibility()
{
    useAccessibleInterface<MapView, MapViewAccessible>();
}

MapViewAccessible::MapViewAccessible(MapView* map) : QAccessibleWidget(map, QAccessible::Graphic) {}

MapViewAccessible::~MapViewAccessible()
{
    for (QAccessible::Id id : std::as_const(pins_))
        QAccessible::deleteAccessibleInterface(id);
}

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
    return int(map()->annotations().size());
}

QAccessibleInterface* MapViewAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (pins_.size() <= index)
        pins_.append(QAccessible::registerAccessibleInterface(new PinAccessible(map(), int(pins_.size()))));
    return QAccessible::accessibleInterface(pins_.at(index));
}

int MapViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const int n = std::min(childCount(), int(pins_.size()));
    for (int i = 0; child && i < n; ++i)
        if (QAccessible::accessibleInterface(pins_.at(i)) == child)
            return i;
    return -1;
}

QAccessibleInterface* MapViewAccessible::childAt(int x, int y) const
{
    // The pin drawn on top is the last one added at that place.
    for (int i = childCount() - 1; i >= 0; --i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
            return c;
    return nullptr;
}
