#include "platform/ui/TabBarAccessible.h"
#include "platform/foundation/Accessible.h"

#include <QTabBar>

namespace {

class TabAccessible : public AccessibleLeaf {
public:
    using AccessibleLeaf::AccessibleLeaf;

    QTabBar* bar() const { return static_cast<QTabBar*>(owner()); }
    bool isValid() const override { return bar() && index() < bar()->count(); }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name: return QString(bar()->tabText(index())).remove(QLatin1Char('&'));
        case QAccessible::Description: return bar()->tabToolTip(index());
        default: return {};
        }
    }

    QRect rect() const override { return isValid() ? onScreen(bar()->tabRect(index())) : QRect(); }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid() || !bar()->isVisible()) {
            s.invisible = true;
            return s;
        }
        const bool current = bar()->currentIndex() == index();
        s.selectable = true;
        s.selected = current;
        s.focusable = true;
        s.focused = current && bar()->hasFocus();
        s.disabled = !bar()->isTabEnabled(index());
        return s;
    }

    QStringList actionNames() const override
    {
        return isValid() && bar()->isTabEnabled(index()) ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid())
            bar()->setCurrentIndex(index());
    }
};

} // namespace

void installTabBarAccessibility()
{
    useAccessibleInterface<QTabBar, TabBarAccessible>();
}

TabBarAccessible::TabBarAccessible(QTabBar* bar)
    : QAccessibleWidget(bar, QAccessible::PageTabList), tabs_([bar](int i) { return new TabAccessible(bar, i); })
{
}

TabBarAccessible::~TabBarAccessible() = default;

QTabBar* TabBarAccessible::bar() const
{
    return static_cast<QTabBar*>(widget());
}

int TabBarAccessible::childCount() const
{
    return bar()->count();
}

QAccessibleInterface* TabBarAccessible::child(int index) const
{
    return tabs_.at(index, childCount());
}

int TabBarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return tabs_.indexOf(child, childCount());
}

QAccessibleInterface* TabBarAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
            return c;
    return nullptr;
}

QAccessibleInterface* TabBarAccessible::focusChild() const
{
    return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
}

void TabBarAccessible::announceSelection(QTabBar* bar, int previous, int current)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(bar);
    QAccessible::State changed;
    changed.selected = true;
    for (int index : {previous, current})
        if (QAccessibleInterface* tab = list ? list->child(index) : nullptr) {
            QAccessibleStateChangeEvent event(tab, changed);
            QAccessible::updateAccessibility(&event);
        }
}
