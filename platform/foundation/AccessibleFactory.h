#pragma once
// Hands out our own accessibility interface for a widget class where Qt's does not fit.

#include <QAccessible>

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
