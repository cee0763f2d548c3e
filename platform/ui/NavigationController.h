#pragma once
// A stack of screens under one navigation bar, with push, pop and segues by identifier.

#include "platform/ui/ContainerViewController.h"

#include <QList>
#include <functional>
#include <map>

class NavigationBar;
class QStackedWidget;
class QPixmap;

// What a segue hands to prepareForSegue before its destination shows.
struct StoryboardSegue {
    QString identifier;
    ViewController* source = nullptr;
    ViewController* destinationViewController = nullptr;
};

class NavigationController : public ContainerViewController {
    Q_OBJECT
public:
    explicit NavigationController(ViewController* root, QWidget* parent = nullptr);

    NavigationBar* navigationBar() const { return bar_; }
    QList<ViewController*> viewControllers() const { return stack_; }
    ViewController* topViewController() const { return stack_.isEmpty() ? nullptr : stack_.last(); }

    void pushViewController(ViewController* controller, bool animated);
    // Pops and destroys the top screen; the root is never popped.
    ViewController* popViewControllerAnimated(bool animated);
    void popToViewController(ViewController* controller, bool animated);

    // A segue makes its destination with `make`; `show` says how it appears: pushed, or
    // (with unwindToRoot) back to the root screen, which is then shown as the destination.
    void registerSegue(const QString& identifier, std::function<ViewController*()> make, bool unwindToRoot = false);
    // A segue whose destination, made afresh by `make`, replaces the whole stack: it starts
    // as a new screen would, and the stack does not grow with each visit.
    void registerReplacingSegue(const QString& identifier, std::function<ViewController*()> make);
    // Shows `root` as the only screen; the screens it replaces are destroyed.
    void setRootViewController(ViewController* root, bool animated);
    // Performs the segue: the source's prepareForSegue runs before the destination shows.
    bool performSegueWithIdentifier(const QString& identifier, ViewController* source);

signals:
    void prepareForSegue(const StoryboardSegue& segue);

protected:
    void loadView(QWidget* view) override;
    ViewController* shownChild() const override { return topViewController(); }
    QList<ViewController*> childControllers() const override { return stack_; }

private:
    void showTop(ViewController* from, ViewController* to, bool animated, bool forward);
    // Slides a picture of the old page out and one of the new page in, over the pages.
    void slide(const QPixmap& from, const QPixmap& to, bool forward);
    void refreshBar();

    struct SegueEntry {
        std::function<ViewController*()> make;
        bool unwindToRoot = false;
        bool replacesStack = false;
    };
    NavigationBar* bar_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QList<ViewController*> stack_;
    std::map<QString, SegueEntry> segues_;
    QPointer<QWidget> slideOverlay_;
};

// Screens that take part in segues implement this.
class SegueParticipant {
public:
    virtual ~SegueParticipant() = default;
    virtual void prepareForSegue(const StoryboardSegue& segue) = 0;
};
