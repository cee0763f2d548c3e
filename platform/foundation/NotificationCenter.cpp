#include "platform/foundation/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(QObject* observer, const QString& name, std::function<void()> handler)
{
    std::erase_if(entries_, [&](const Entry& e) { return e.observer.isNull() || (e.observer == observer && e.name == name); });
    entries_.push_back({observer, name, std::move(handler)});
}

void NotificationCenter::removeObserver(QObject* observer)
{
    std::erase_if(entries_, [&](const Entry& e) { return e.observer.isNull() || e.observer == observer; });
}

void NotificationCenter::postNotificationName(const QString& name)
{
    // Handlers may register or remove observers; work on a copy.
    const std::vector<Entry> snapshot = entries_;
    for (const Entry& e : snapshot)
        if (e.name == name && !e.observer.isNull())
            e.handler();
}

std::size_t NotificationCenter::observerCount(const QString& name) const
{
    return static_cast<std::size_t>(std::count_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.name == name && !e.observer.isNull();
    }));
}
