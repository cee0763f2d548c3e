#pragma once
// The root of the window: one screen per tab, with the tab bar along the bottom.

#include "platform/ViewController.h"

#include <QList>

class QTabBar;
class QStackedWidget;

class TabBarController : public ViewController {
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

    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void didReceiveMemoryWarning() override;
    bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation) override;

protected:
    void loadView(QWidget* view) override;

private:
    QTabBar* tabBar_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QList<ViewController*> controllers_;
    int selected_ = -1;
};
