#pragma once
// The root of the window: one screen per tab, with the tab bar along the bottom.

#include "platform/ui/ContainerViewController.h"

#include <QList>

class QTabBar;
class QStackedWidget;

class TabBarController : public ContainerViewController {
    Q_OBJECT
public:
    explicit TabBarController(QWidget* parent = nullptr);

    void addTab(ViewController* controller, const QString& title);
    int count() const;
    ViewController* viewControllerAt(int index) const;
    ViewController* selectedViewController() const;
    int selectedIndex() const { return selected_; }
    // Switches tabs with the disappear/appear calls of both screens.
    void setSelectedIndex(int index);

    QString itemTitle(int index) const;
    void setItemTitle(int index, const QString& title);

    QTabBar* tabBar() const { return tabBar_; }

protected:
    void loadView(QWidget* view) override;
    ViewController* shownChild() const override { return selectedViewController(); }
    QList<ViewController*> childControllers() const override { return controllers_; }

private:
    QTabBar* tabBar_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QList<ViewController*> controllers_;
    int selected_ = -1;
};
