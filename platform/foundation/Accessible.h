#pragma once
// Pieces for our own accessibility interfaces, where Qt's do not fit a widget: the factory
// that hands them out, and the parts a widget draws itself (tabs, pins), which assistive
// technology must reach as children although they are no objects of their own.

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

// Installs, once, a factory that gives every `Widget` (and subclass) an `Interface`
// constructed from it. When `Interface` has `static bool describes(Widget*)`, only the
// widgets it accepts get one; the rest keep Qt's.
template <class Widget, class Interface>
void useAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (className != QLatin1String(Widget::staticMetaObject.className()))
                return nullptr;
            auto* widget = qobject_cast<Widget*>(object);
            if (!widget)
                return nullptr;
            if constexpr (requires { Interface::describes(widget); })
                if (!Interface::describes(widget))
                    return nullptr;
            return new Interface(widget);
        });
        return true;
    }();
    Q_UNUSED(installed);
}

// One part drawn by `owner`, addressed by its index there; a leaf with at most one action.
class AccessibleLeaf : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleLeaf(QWidget* owner, int index) : owner_(owner), index_(index) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return owner_ ? QAccessible::queryAccessibleInterface(owner_) : nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    QWidget* owner() const { return owner_; }
    int index() const { return index_; }
    // A rectangle of the owner's, on the screen.
    QRect onScreen(const QRect& local) const { return QRect(owner_->mapToGlobal(local.topLeft()), local.size()); }

private:
    QPointer<QWidget> owner_;
    int index_;
};

// The leaves of one widget's interface, by index: made and registered with Qt's cache as
// they are first asked for, and released with the list.
class AccessibleLeaves {
public:
    explicit AccessibleLeaves(std::function<QAccessibleInterface*(int index)> make) : make_(std::move(make)) {}
    ~AccessibleLeaves()
    {
        for (QAccessible::Id id : std::as_const(ids_))
            QAccessible::deleteAccessibleInterface(id);
    }
    AccessibleLeaves(const AccessibleLeaves&) = delete;
    AccessibleLeaves& operator=(const AccessibleLeaves&) = delete;

    // The leaf at `index` of `count` there are now, or none.
    QAccessibleInterface* at(int index, int count)
    {
        if (index < 0 || index >= count)
            return nullptr;
        while (ids_.size() <= index)
            ids_.append(QAccessible::registerAccessibleInterface(make_(int(ids_.size()))));
        return QAccessible::accessibleInterface(ids_.at(index));
    }
    int indexOf(const QAccessibleInterface* leaf, int count) const
    {
        const int n = std::min(count, int(ids_.size()));
        for (int i = 0; leaf && i < n; ++i)
            if (QAccessible::accessibleInterface(ids_.at(i)) == leaf)
                return i;
        return -1;
    }

private:
    std::function<QAccessibleInterface*(int)> make_;
    QList<QAccessible::Id> ids_;
};
