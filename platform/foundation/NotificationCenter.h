#pragma once
// A small observer registry by notification name.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class NotificationCenter {
public:
    static NotificationCenter& defaultCenter();

    // Registers `handler` for `name` on behalf of `observer`. Registering the same observer
    // for the same name again replaces the earlier registration, so a screen that registers
    // at every appearance is still called once per notification. A destroyed observer is
    // never called.
    void addObserver(QObject* observer, const QString& name, std::function<void()> handler);
    void removeObserver(QObject* observer);
    void postNotificationName(const QString& name);

    std::size_t observerCount(const QString& name) const;

private:
    struct Entry {
        QPointer<QObject> observer;
        QString name;
        std::function<void()> handler;
    };
    std::vector<Entry> entries_;
};
