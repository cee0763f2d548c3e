#pragma once
// How assistive technology sees the tab bar: a list of page tabs, called by the bar's own
// name, whose shown tab is the selected one, each pressed to switch to it.

#include "platform/foundation/Accessible.h"

#include <QAccessibleWidget>

class QTabBar;

class TabBarAccessible : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar* bar);
    ~TabBarAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Tells assistive technology that the selected tab moved from `previous` to `current`.
    static void announceSelection(QTabBar* bar, int previous, int current);

private:
    QTabBar* bar() const;
    mutable AccessibleLeaves tabs_;
};

void installTabBarAccessibility();
