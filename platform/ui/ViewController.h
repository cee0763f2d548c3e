#pragma once
// The screen controller base: owns a lazily loaded view and receives the life calls in
// the platform's order from the tab bar and navigation controllers.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class TabBarController;
class NavigationController;

enum class InterfaceOrientation {
    Portrait = 1,
    PortraitUpsideDown = 2,
    LandscapeLeft = 3,
    LandscapeRight = 4,
};

// The title and back-button state a screen shows in the navigation bar of its stack.
class NavigationItem : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    QString title() const { return title_; }
    void setTitle(const QString& title);
    bool hidesBackButton() const { return hidesBackButton_; }
    void setHidesBackButton(bool hides);
    // A control shown on the right of the bar while this item is on top; the bar adopts it.
    QWidget* rightBarButtonItem() const { return rightBarButtonItem_; }
    void setRightBarButtonItem(QWidget* item);
signals:
    void changed();

private:
    QString title_;
    bool hidesBackButton_ = false;
    QPointer<QWidget> rightBarButtonItem_;
};

class ViewController : public QWidget {
    Q_OBJECT
public:
    explicit ViewController(QWidget* parent = nullptr);
    ~ViewController() override;

    // The screen's root view, loaded (and viewDidLoad run) on first use.
    QWidget* view();
    bool isViewLoaded() const { return !view_.isNull(); }
    void loadViewIfNeeded() { view(); }

    NavigationItem* navigationItem() { return &navigationItem_; }
    TabBarController* tabBarController() const;
    NavigationController* navigationController() const;

    // Life, in the platform's order. Overrides call the base first unless noted.
    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool animated);
    virtual void viewDidAppear(bool animated);
    virtual void viewWillDisappear(bool animated);
    virtual void viewDidDisappear(bool animated);
    virtual void viewDidUnload() {}
    // The base releases the view when the screen is not shown, then calls viewDidUnload.
    virtual void didReceiveMemoryWarning();
    virtual bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation);

    // Whether the screen is between viewWillAppear and viewWillDisappear.
    bool isAppearing() const { return appearing_; }

    // Called by containers to deliver the appearance calls.
    void beginAppearanceTransition(bool appearing, bool animated);
    void endAppearanceTransition();

protected:
    // Builds the screen's controls into `view` (normally from its .ui layout).
    virtual void loadView(QWidget* view) = 0;
    // Builds a .ui layout into `view` for loadView, in place of the one a view unloaded by a
    // memory warning had.
    template <class Layout>
    static void setupLayout(std::unique_ptr<Layout>& ui, QWidget* view)
    {
        ui = std::make_unique<Layout>();
        ui->setupUi(view);
        preparePage(view);
    }
    // A layout's scroll area named "page" holds what scrolls when the window is shorter than
    // the screen (a phone on its side, the on-screen keyboard up): by finger too, keeping
    // the field being edited in view.
    static void preparePage(QWidget* view);
    void resizeEvent(QResizeEvent* event) override;

private:
    void unloadView();

    QPointer<QWidget> view_;
    NavigationItem navigationItem_;
    bool appearing_ = false;
    bool transitionAppearing_ = false;
    bool inTransition_ = false;
    bool transitionAnimated_ = false;
};
