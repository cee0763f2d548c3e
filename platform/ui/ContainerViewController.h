#pragma once
// What the tab bar and navigation controllers have in common: they show one child screen
// at a time, pass their own life calls on to it, and switch it with both screens' calls.

#include "platform/ui/ViewController.h"

#include <QList>
#include <functional>

class QVBoxLayout;

class ContainerViewController : public ViewController {
    Q_OBJECT
public:
    using ViewController::ViewController;

    // The appearance calls and the rotation question go to the shown child.
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    // Every child hears a memory warning; the container keeps its own view.
    void didReceiveMemoryWarning() override;
    bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation) override;

protected:
    virtual ViewController* shownChild() const = 0;
    // The column that holds the container's bar and its children, edge to edge in `view`.
    static QVBoxLayout* edgeToEdgeColumn(QWidget* view);
    virtual QList<ViewController*> childControllers() const = 0;

    // Replaces `from` with `to`: while the container is shown, the calls run in the order
    // from's viewWillDisappear, to's viewWillAppear, from's viewDidDisappear, to's
    // viewDidAppear, with `show` (which puts `to` on screen) between the will and did calls.
    void transitionChild(ViewController* from, ViewController* to, bool animated, const std::function<void()>& show);

private:
    void beginChildAppearance(bool appearing, bool animated);
    void endChildAppearance();
};
