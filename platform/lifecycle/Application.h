#pragma once
// The application main: creates the Qt application, loads the main layout, hands the
// delegate its window and calls its launch and lifecycle hooks.

#include <QObject>
#include <QPointer>
#include <QVariantMap>
#include <QWidget>
#include "platform/ui/ViewController.h"
#include <functional>
#include <memory>
#include <optional>

class Application;
class TabBarController;

class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;
    QWidget* window() const { return window_; }
    void setWindow(QWidget* window) { window_ = window; }

    virtual bool applicationDidFinishLaunchingWithOptions(Application* application, const QVariantMap& options) = 0;
    virtual void applicationWillResignActive(Application*) {}
    virtual void applicationDidEnterBackground(Application*) {}
    virtual void applicationWillEnterForeground(Application*) {}
    virtual void applicationDidBecomeActive(Application*) {}
    virtual void applicationWillTerminate(Application*) {}

private:
    QPointer<QWidget> window_;
};

// The main layout: the window and its root controller.
struct MainLayout {
    QWidget* window = nullptr;
    TabBarController* rootViewController = nullptr;
};

class Application : public QObject {
    Q_OBJECT
public:
    Application(ApplicationDelegate* delegate, MainLayout layout);
    ~Application() override;

    static Application* sharedApplication();
    ApplicationDelegate* delegate() const { return delegate_; }
    QWidget* window() const { return layout_.window; }
    TabBarController* rootViewController() const { return layout_.rootViewController; }

    // Launch: the delegate's launch hook, then the window with its first tab.
    void launch(const QVariantMap& options = {});
    // Sends a memory warning to every screen; screens not shown release their views.
    void simulateMemoryWarning();

    // Turns the device. The window turns between portrait and landscape size only when
    // the shown screen agrees (shouldAutorotateToInterfaceOrientation); returns whether it did.
    // Ctrl+R turns clockwise, Ctrl+Shift+R anticlockwise; Ctrl+Shift+M sends a memory warning.
    bool setDeviceOrientation(InterfaceOrientation orientation);
    InterfaceOrientation deviceOrientation() const { return deviceOrientation_; }
    InterfaceOrientation interfaceOrientation() const { return interfaceOrientation_; }
    void rotateDevice(bool clockwise);

    void setStatusBarStyle(int style, bool animated);
    int statusBarStyle() const { return statusBarStyle_; }

    // Background and foreground, as the window goes out of sight (minimised, hidden, covered)
    // and comes back.
    void enterBackground();
    void enterForeground();
    void terminate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ApplicationDelegate* delegate_;
    MainLayout layout_;
    bool background_ = false;
    bool terminated_ = false;
    bool awaitingFirstFrame_ = false;
    QPointer<QObject> sight_;
    int statusBarStyle_ = 0;
    InterfaceOrientation deviceOrientation_ = InterfaceOrientation::Portrait;
    InterfaceOrientation interfaceOrientation_ = InterfaceOrientation::Portrait;
};

// Actions a start can be asked for on its command line (the desktop entry's actions, such as
// the demo position or the device settings): `requested` names those the arguments ask for
// (none for a plain start); `perform` runs one over the window once the window is up, in this
// start or, when the application runs already, in the running one, which is handed the
// later start's whole command line.
struct LaunchActions {
    std::function<QStringList(const QStringList& arguments)> requested;
    std::function<void(const QString& action, QWidget* window)> perform;
};

// Runs the whole application: the command line, Qt application, string tables, the single
// instance, layout, delegate, event loop. `handleArguments` sees the arguments (Qt's own GUI
// options among them) before any window system is opened, with the texts loaded, and returns
// an exit status when the process must end there.
// With a desktop file name set, a second start in the session raises the first one's window
// and ends with 0. SIGTERM and SIGINT end it as a quit does.
int applicationMain(int argc, char** argv, const std::function<std::unique_ptr<ApplicationDelegate>()>& makeDelegate,
                    const std::function<MainLayout()>& loadMainLayout,
                    const std::function<std::optional<int>(const QStringList&)>& handleArguments = {},
                    const LaunchActions& actions = {});
